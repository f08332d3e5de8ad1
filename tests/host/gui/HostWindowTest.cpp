#include "HostGuiFixture.h"

#include "tests/support/Screenshot.h"

#include "host/gui/AttributePanel.h"
#include "host/gui/CommandLine.h"
#include "host/gui/HostWindow.h"
#include "host/gui/Outliner.h"
#include "host/gui/OutlinerModel.h"

#include <QDockWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

using vex::host::gui::HostWindow;

namespace {

class HostWindowTest : public HostGuiFixture {
protected:
    HostWindowTest() {
        window.resize(900, 600);
        window.show();
    }
    HostWindow window;
};

TEST_F(HostWindowTest, ThePanelsWorkTogetherAroundTheViewportsPlace) {
    EXPECT_EQ(window.findChildren<QDockWidget*>().size(), 3);
    // A typed command makes a node; the outliner lists it and selecting its row shows it in the panel.
    QTest::keyClicks(&window.commandLine(), "createNode transform -n crate; setAttr crate.tx 3");
    QTest::keyClick(&window.commandLine(), Qt::Key_Return);
    settle();
    ASSERT_TRUE(node("crate"));
    vex::host::gui::OutlinerModel& model = window.outliner().outlinerModel();
    ASSERT_GE(model.rowCount(), 1);
    run("select -r crate");
    EXPECT_EQ(window.attributes().shownNode(), node("crate"));
    EXPECT_TRUE(vex::test::SaveScreenshot(window, "host_window"));
}

TEST_F(HostWindowTest, SaveAsAndOpenGoThroughTheFileCommand) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("crate.ma");
    run("createNode transform -n crate; setAttr crate.ty 1.5");
    ASSERT_TRUE(window.saveSceneAs(path));
    run("file -new -f");
    EXPECT_FALSE(node("crate"));
    ASSERT_TRUE(window.openScene(path));
    settle();
    ASSERT_TRUE(node("crate"));
    EXPECT_DOUBLE_EQ(run("getAttr crate.ty").AsDouble(), 1.5);
    // A file that is not there is refused, and the scene stays as it was.
    EXPECT_FALSE(window.openScene(folder.filePath("missing.ma")));
    EXPECT_TRUE(node("crate"));
    // The File menu holds the commands a user expects.
    QStringList actions;
    for (QAction* action : window.menuBar()->actions().front()->menu()->actions()) actions << action->text();
    EXPECT_TRUE(actions.contains("&New Scene"));
    EXPECT_TRUE(actions.contains("&Open Scene..."));
    EXPECT_TRUE(actions.contains("Save Scene &As..."));
}

} // namespace
