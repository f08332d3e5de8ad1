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
        outliner_.resize(320, 360);
        outliner_.show();
    }

    OutlinerModel& Model() { return outliner_.GetOutlinerModel(); }

    /// The name shown in the node's row, empty when it has no row.
    QString ShownName(const std::string& name) { return Model().IndexOf(node(name)).data().toString(); }
    /// The name of the row above the node's row ("" for a top-level row).
    QString ShownParent(const std::string& name) {
        return Model().IndexOf(node(name)).parent().data().toString();
    }

    /// Clicks the node's row as a user does, with the given keys held.
    void ClickRow(const std::string& name, Qt::KeyboardModifiers keys = {}) {
        const QModelIndex row = Model().IndexOf(node(name));
        outliner_.scrollTo(row);
        QTest::mouseClick(outliner_.viewport(), Qt::LeftButton, keys, outliner_.visualRect(row).center());
        Settle();
    }

    std::vector<std::string> SceneSelection() {
        std::vector<std::string> names;
        for (const NodePtr& selected : vex::host::Scene::Instance().Selection())
            names.push_back(selected->name());
        return names;
    }

    std::vector<std::string> SelectedRows() {
        std::vector<std::string> names;
        for (const QModelIndex& row : outliner_.selectionModel()->selectedRows())
            names.push_back(row.data().toString().toStdString());
        std::sort(names.begin(), names.end());
        return names;
    }

    Outliner outliner_;
};

TEST_F(OutlinerTest, ShowsTheDagWithShapesBelowTheirTransformsAndTheirTypes) {
    RunAndSettle(
        "createNode transform -n box; createNode mesh -n boxShape -p box; createNode transform -n empty");
    EXPECT_EQ(ShownName("box"), "box");
    EXPECT_EQ(ShownParent("box"), "");
    EXPECT_EQ(ShownParent("boxShape"), "box");
    EXPECT_EQ(Model().IndexOf(node("boxShape"), OutlinerModel::kTypeColumn).data().toString(), "mesh");
    EXPECT_EQ(Model().IndexOf(node("empty"), OutlinerModel::kTypeColumn).data().toString(), "transform");
    // The default cameras are there too, with their shapes.
    EXPECT_EQ(ShownParent("perspShape"), "persp");
    EXPECT_EQ(Model().rowCount(Model().IndexOf(node("empty"))), 0);
    EXPECT_TRUE(vex::test::SaveScreenshot(outliner_, "outliner"));
}

TEST_F(OutlinerTest, RowsFollowCreationRenamingReparentingAndDeletion) {
    RunAndSettle("createNode transform -n crate; createNode transform -n shelf");
    const int topRows = Model().rowCount();
    RunAndSettle("rename crate box");
    EXPECT_EQ(ShownName("box"), "box");
    RunAndSettle("parent box shelf");
    EXPECT_EQ(ShownParent("box"), "shelf");
    EXPECT_EQ(Model().rowCount(), topRows - 1);
    RunAndSettle("delete shelf");
    EXPECT_FALSE(Model().IndexOf(node("box")).isValid());
    EXPECT_EQ(Model().rowCount(), topRows - 2);
    // Undo brings the very nodes back, and the rows with them, in their old places.
    RunAndSettle("undo; undo");
    EXPECT_EQ(ShownParent("crate"), "");
    EXPECT_EQ(Model().rowCount(), topRows);
    EXPECT_EQ(Model().IndexOf(node("shelf")).row(), topRows - 1);
}

TEST_F(OutlinerTest, ClickingRowsSelectsTheirNodesUndoably) {
    RunAndSettle("createNode transform -n a; createNode transform -n b; select -cl");
    ClickRow("b");
    EXPECT_EQ(SceneSelection(), std::vector<std::string>{"b"});
    ClickRow("a", Qt::ControlModifier);
    EXPECT_EQ(SceneSelection(), (std::vector<std::string>{"b", "a"}));
    // Each click is one step of the undo queue, and undo shows on the rows.
    RunAndSettle("undo");
    EXPECT_EQ(SceneSelection(), std::vector<std::string>{"b"});
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"b"});
    RunAndSettle("undo");
    EXPECT_TRUE(SceneSelection().empty());
    EXPECT_TRUE(SelectedRows().empty());
}

TEST_F(OutlinerTest, ASelectionMadeByCommandShowsOnTheRows) {
    RunAndSettle("createNode transform -n a; createNode transform -n b; createNode transform -n c");
    RunAndSettle("select a c");
    EXPECT_EQ(SelectedRows(), (std::vector<std::string>{"a", "c"}));
    RunAndSettle("select -d a");
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"c"});
    // Showing the scene's selection must not hand it back as a new command.
    EXPECT_EQ(vex::host::UndoQueue::get().UndoText().rfind("select -d", 0), 0u);
    // A selected node moving to another parent keeps its selection, on its new row.
    RunAndSettle("parent c b");
    EXPECT_EQ(SceneSelection(), std::vector<std::string>{"c"});
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"c"});
    EXPECT_EQ(vex::host::UndoQueue::get().UndoText().rfind("parent", 0), 0u);
}

} // namespace
