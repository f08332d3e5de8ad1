#include "host/gui/HostWindow.h"

#include "host/gui/AttributePanel.h"
#include "host/gui/CommandLine.h"
#include "host/gui/Outliner.h"
#include "host/gui/OutlinerModel.h"
#include "host/gui/ShelfBar.h"
#include "tests/host/gui/HostGuiFixture.h"
#include "tests/support/Screenshot.h"

#include <QDockWidget>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <maya/M3dView.h>

using vex::host::gui::HostWindow;

namespace {

class HostWindowTest : public HostGuiFixture {
protected:
    HostWindowTest() {
        window_.resize(900, 600);
        window_.show();
    }
    // The File menu's action with the given text (null when there is none).
    QAction* FileAction(const QString& text) {
        for (QAction* action : window_.menuBar()->actions().front()->menu()->actions())
            if (action->text() == text) return action;
        return nullptr;
    }
    // Keeps the recent-files list of these tests out of the user's own settings.
    bool testSettings_ = (QStandardPaths::setTestModeEnabled(true), true);
    HostWindow window_;
};

TEST_F(HostWindowTest, ThePanelsWorkTogetherAroundTheViewport) {
    EXPECT_EQ(window_.findChildren<QDockWidget*>().size(), 4); // shelf, outliner, attributes, timeline
    // A typed command makes a node; the outliner lists it and selecting its row shows it in the panel.
    QTest::keyClicks(&window_.GetCommandLine(), "createNode transform -n crate; setAttr crate.tx 3");
    QTest::keyClick(&window_.GetCommandLine(), Qt::Key_Return);
    Settle();
    ASSERT_TRUE(node("crate"));
    vex::host::gui::OutlinerModel& model = window_.GetOutliner().GetOutlinerModel();
    ASSERT_GE(model.rowCount(), 1);
    RunAndSettle("select -r crate");
    EXPECT_EQ(window_.Attributes().ShownNode(), node("crate"));
    EXPECT_TRUE(vex::test::SaveScreenshot(window_, "host_window"));
}

TEST_F(HostWindowTest, SaveAsAndOpenGoThroughTheFileCommand) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("crate.ma");
    RunAndSettle("createNode transform -n crate; setAttr crate.ty 1.5");
    ASSERT_TRUE(window_.SaveSceneAs(path));
    RunAndSettle("file -new -f");
    EXPECT_FALSE(node("crate"));
    ASSERT_TRUE(window_.OpenScene(path));
    Settle();
    ASSERT_TRUE(node("crate"));
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr crate.ty").AsDouble(), 1.5);
    // A file that is not there is refused, and the scene stays as it was.
    EXPECT_FALSE(window_.OpenScene(folder.filePath("missing.ma")));
    EXPECT_TRUE(node("crate"));
    // The File menu holds the commands a user expects.
    QStringList actions;
    for (QAction* action : window_.menuBar()->actions().front()->menu()->actions()) actions << action->text();
    EXPECT_TRUE(actions.contains("&New Scene"));
    EXPECT_TRUE(actions.contains("&Open Scene..."));
    EXPECT_TRUE(actions.contains("Save Scene &As..."));
}

TEST_F(HostWindowTest, UnsavedChangesAreAskedAboutAndNeverLostSilently) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("yard.ma");
    RunAndSettle("file -new -f");
    Settle();
    EXPECT_FALSE(window_.HasUnsavedChanges());
    int asked = 0;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    window_.SetUnsavedChangesQuestion([&] {
        ++asked;
        return answer;
    });
    // Nothing changed: a new scene is made without a question.
    FileAction("&New Scene")->trigger();
    EXPECT_EQ(asked, 0);

    RunAndSettle("createNode transform -n shed");
    Settle();
    EXPECT_TRUE(window_.HasUnsavedChanges());
    // Cancel keeps the scene; so does cancelling the window's close.
    FileAction("&New Scene")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(node("shed"));
    window_.close();
    EXPECT_TRUE(window_.isVisible());

    // Save first: a scene with a name is saved under it, then replaced.
    ASSERT_TRUE(window_.SaveSceneAs(path));
    EXPECT_FALSE(window_.HasUnsavedChanges());
    RunAndSettle("setAttr shed.tx 4");
    Settle();
    answer = QMessageBox::Save;
    FileAction("&New Scene")->trigger();
    EXPECT_FALSE(node("shed"));
    ASSERT_TRUE(window_.OpenScene(path));
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr shed.tx").AsDouble(), 4.0);

    // Discard throws the change away.
    RunAndSettle("setAttr shed.tx 9");
    Settle();
    answer = QMessageBox::Discard;
    FileAction("&New Scene")->trigger();
    EXPECT_FALSE(node("shed"));
    ASSERT_TRUE(window_.OpenScene(path));
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr shed.tx").AsDouble(), 4.0);
    EXPECT_FALSE(window_.HasUnsavedChanges());
}

TEST_F(HostWindowTest, ImportAddsToTheSceneAndRecentFilesListTheNewestFirst) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString first = folder.filePath("first.ma");
    const QString second = folder.filePath("second.ma");
    RunAndSettle("file -new -f; createNode transform -n barrel");
    ASSERT_TRUE(window_.SaveSceneAs(first));
    RunAndSettle("file -new -f; createNode transform -n crate");
    ASSERT_TRUE(window_.SaveSceneAs(second));
    ASSERT_TRUE(window_.ImportScene(first));
    EXPECT_TRUE(node("crate"));
    EXPECT_TRUE(node("barrel"));
    EXPECT_TRUE(window_.HasUnsavedChanges());
    ASSERT_GE(window_.RecentFiles().size(), 2);
    EXPECT_EQ(window_.RecentFiles()[0], second);
    EXPECT_EQ(window_.RecentFiles()[1], first);
    // Opening moves a file to the front without listing it twice.
    window_.SetUnsavedChangesQuestion([] { return QMessageBox::Discard; });
    ASSERT_TRUE(window_.OpenScene(first));
    EXPECT_EQ(window_.RecentFiles()[0], first);
    EXPECT_EQ(window_.RecentFiles().count(first), 1);
    // A recent file is opened from its menu entry.
    QMenu* recent = nullptr;
    for (QAction* action : window_.menuBar()->actions().front()->menu()->actions())
        if (action->menu() && action->text() == "&Recent Files") recent = action->menu();
    ASSERT_TRUE(recent);
    ASSERT_GE(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[1]->text(), second);
    recent->actions()[1]->trigger();
    EXPECT_TRUE(node("crate"));
    EXPECT_FALSE(node("barrel"));
}

TEST_F(HostWindowTest, CtrlZAndCtrlShiftZUndoAndRedoThroughTheHostsQueue) {
    RunAndSettle("file -new -f");
    RunAndSettle("createNode transform -n lamp");
    Settle();
    window_.activateWindow();
    window_.setFocus();
    QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier);
    Settle();
    EXPECT_FALSE(node("lamp"));
    QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Settle();
    EXPECT_TRUE(node("lamp"));
}

} // namespace

namespace {

TEST_F(HostWindowTest, TheShelfShowsTheButtonsScriptsMakeAndAClickRunsTheCommand) {
    vex::host::gui::ShelfBar& shelf = window_.Shelf();
    auto* dock = qobject_cast<QDockWidget*>(shelf.parentWidget());
    ASSERT_NE(dock, nullptr);
    EXPECT_FALSE(dock->isVisible()); // no shelves yet
    RunAndSettle(
        "addNewShelfTab \"Rigs\"; shelfButton -command \"createNode transform -n fromShelf\" -label \"Make\" "
        "-annotation \"Makes a transform\"");
    ASSERT_EQ(shelf.count(), 1);
    EXPECT_EQ(shelf.tabText(0), "Rigs");
    EXPECT_TRUE(dock->isVisible());
    const auto buttons = shelf.widget(0)->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "Make");
    EXPECT_EQ(buttons[0]->toolTip(), "Makes a transform");
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    Settle();
    EXPECT_TRUE(node("fromShelf"));
    RunAndSettle("undo");
    EXPECT_FALSE(node("fromShelf")); // the click is undoable as a typed command is
    RunAndSettle("deleteShelfTab \"Rigs\"");
    EXPECT_EQ(shelf.count(), 0);
    EXPECT_FALSE(dock->isVisible());
}

} // namespace

TEST_F(HostWindowTest, PlugInsFindTheWindowByTheApplicationShellAndScriptsReadItsDocks) {
    // What a plug-in does to dock in the host: find its window by the handle the API gives.
    const MNativeWindowHdl shell = M3dView::applicationShell();
    ASSERT_NE(shell, 0u);
    EXPECT_EQ(QWidget::find(static_cast<WId>(shell)), &window_);
    auto* pluginDock = new QDockWidget(QStringLiteral("Rig Tools"), &window_);
    pluginDock->setObjectName(QStringLiteral("RigToolsDock"));
    window_.addDockWidget(Qt::RightDockWidgetArea, pluginDock);
    Settle();

    EXPECT_TRUE(RunAndSettle("dockControl -exists RigToolsDock").IsTrue());
    EXPECT_FALSE(RunAndSettle("dockControl -ex NoSuchDock").IsTrue());
    EXPECT_EQ(text("dockControl -q -label RigToolsDock"), "Rig Tools");
    EXPECT_EQ(text("dockControl -q -area RigToolsDock"), "right");
    EXPECT_EQ(text("dockControl -q -a Outliner"), "left");
    EXPECT_TRUE(RunAndSettle("dockControl -q -visible RigToolsDock").IsTrue());
    pluginDock->close();
    EXPECT_FALSE(RunAndSettle("dockControl -q -vis RigToolsDock").IsTrue());
    EXPECT_NE(RunFailing("dockControl -q -area NoSuchDock").find("no dock is named NoSuchDock"),
              std::string::npos);
    EXPECT_NE(RunFailing("dockControl -q Outliner").find("-q needs -visible, -label or -area"),
              std::string::npos);
}
