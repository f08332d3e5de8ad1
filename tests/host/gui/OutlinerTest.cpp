#include "host/gui/Outliner.h"

#include "tests/host/gui/HostGuiFixture.h"
#include "tests/support/Screenshot.h"

#include <QTest>

using vex::host::NodePtr;
using vex::host::gui::Outliner;
using vex::host::gui::OutlinerModel;

namespace {

class OutlinerTest : public HostGuiFixture {
protected:
    OutlinerTest() {
        outliner.resize(320, 360);
        outliner.show();
    }

    OutlinerModel& model() { return outliner.outlinerModel(); }

    /// The name shown in the node's row, empty when it has no row.
    QString shownName(const std::string& name) { return model().indexOf(node(name)).data().toString(); }
    /// The name of the row above the node's row ("" for a top-level row).
    QString shownParent(const std::string& name) {
        return model().indexOf(node(name)).parent().data().toString();
    }

    /// Clicks the node's row as a user does, with the given keys held.
    void clickRow(const std::string& name, Qt::KeyboardModifiers keys = {}) {
        const QModelIndex row = model().indexOf(node(name));
        outliner.scrollTo(row);
        QTest::mouseClick(outliner.viewport(), Qt::LeftButton, keys, outliner.visualRect(row).center());
        settle();
    }

    std::vector<std::string> sceneSelection() {
        std::vector<std::string> names;
        for (const NodePtr& selected : vex::host::Scene::instance().selection())
            names.push_back(selected->name());
        return names;
    }

    std::vector<std::string> selectedRows() {
        std::vector<std::string> names;
        for (const QModelIndex& row : outliner.selectionModel()->selectedRows())
            names.push_back(row.data().toString().toStdString());
        std::sort(names.begin(), names.end());
        return names;
    }

    Outliner outliner;
};

TEST_F(OutlinerTest, ShowsTheDagWithShapesBelowTheirTransformsAndTheirTypes) {
    run("createNode transform -n box; createNode mesh -n boxShape -p box; createNode transform -n empty");
    EXPECT_EQ(shownName("box"), "box");
    EXPECT_EQ(shownParent("box"), "");
    EXPECT_EQ(shownParent("boxShape"), "box");
    EXPECT_EQ(model().indexOf(node("boxShape"), OutlinerModel::TypeColumn).data().toString(), "mesh");
    EXPECT_EQ(model().indexOf(node("empty"), OutlinerModel::TypeColumn).data().toString(), "transform");
    // The default cameras are there too, with their shapes.
    EXPECT_EQ(shownParent("perspShape"), "persp");
    EXPECT_EQ(model().rowCount(model().indexOf(node("empty"))), 0);
    EXPECT_TRUE(vex::test::SaveScreenshot(outliner, "outliner"));
}

TEST_F(OutlinerTest, RowsFollowCreationRenamingReparentingAndDeletion) {
    run("createNode transform -n crate; createNode transform -n shelf");
    const int topRows = model().rowCount();
    run("rename crate box");
    EXPECT_EQ(shownName("box"), "box");
    run("parent box shelf");
    EXPECT_EQ(shownParent("box"), "shelf");
    EXPECT_EQ(model().rowCount(), topRows - 1);
    run("delete shelf");
    EXPECT_FALSE(model().indexOf(node("box")).isValid());
    EXPECT_EQ(model().rowCount(), topRows - 2);
    // Undo brings the very nodes back, and the rows with them, in their old places.
    run("undo; undo");
    EXPECT_EQ(shownParent("crate"), "");
    EXPECT_EQ(model().rowCount(), topRows);
    EXPECT_EQ(model().indexOf(node("shelf")).row(), topRows - 1);
}

TEST_F(OutlinerTest, ClickingRowsSelectsTheirNodesUndoably) {
    run("createNode transform -n a; createNode transform -n b; select -cl");
    clickRow("b");
    EXPECT_EQ(sceneSelection(), std::vector<std::string>{"b"});
    clickRow("a", Qt::ControlModifier);
    EXPECT_EQ(sceneSelection(), (std::vector<std::string>{"b", "a"}));
    // Each click is one step of the undo queue, and undo shows on the rows.
    run("undo");
    EXPECT_EQ(sceneSelection(), std::vector<std::string>{"b"});
    EXPECT_EQ(selectedRows(), std::vector<std::string>{"b"});
    run("undo");
    EXPECT_TRUE(sceneSelection().empty());
    EXPECT_TRUE(selectedRows().empty());
}

TEST_F(OutlinerTest, ASelectionMadeByCommandShowsOnTheRows) {
    run("createNode transform -n a; createNode transform -n b; createNode transform -n c");
    run("select a c");
    EXPECT_EQ(selectedRows(), (std::vector<std::string>{"a", "c"}));
    run("select -d a");
    EXPECT_EQ(selectedRows(), std::vector<std::string>{"c"});
    // Showing the scene's selection must not hand it back as a new command.
    EXPECT_EQ(vex::host::UndoQueue::get().undoText().rfind("select -d", 0), 0u);
    // A selected node moving to another parent keeps its selection, on its new row.
    run("parent c b");
    EXPECT_EQ(sceneSelection(), std::vector<std::string>{"c"});
    EXPECT_EQ(selectedRows(), std::vector<std::string>{"c"});
    EXPECT_EQ(vex::host::UndoQueue::get().undoText().rfind("parent", 0), 0u);
}

} // namespace
