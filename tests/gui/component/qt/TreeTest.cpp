#include "gui/component/qt/Tree.h"

#include "gui/PathVariables.h"
#include "gui/component/qt/Header.h"
#include "gui/component/qt/NodeModel.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>
#include <vector>

namespace vex::gui::component::qt {
namespace {

using vex::test::Click;

using FlagState = componentinterface::Tree::FlagState;
using gui::test::EventRecorder;
using Triple = std::tuple<int32_t, int32_t, int64_t>;

// The (code, component id, value) of each event with `code`.
std::vector<Triple> Triples(const EventRecorder& recorder, int32_t code) {
    std::vector<Triple> triples;
    for (const auto& event : recorder.Of(code)) triples.emplace_back(event.code, event.id, event.value);
    return triples;
}

// The layout of the tests: two flag columns, one with images from the data folder.
constexpr const char* kLayout = R"(<tree id="7" dragdrop="yes" label="Tools" width="300" height="200">
  <flag label="Record" falseicon="[testimages]/flag_false.png" trueicon="[testimages]/flag_true.png"
        undeterminedicon="[testimages]/flag_undetermined.png" defaultstate="true"/>
  <flag label="Visible" defaultstate="undetermined"/>
</tree>)";

std::string ImageFolder() {
    return (std::filesystem::path(TORVA_TEST_DATA_DIR) / "core/images").lexically_normal();
}

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        PathVariables::Global().Set("testimages", ImageFolder());
        root_ = gui::test::BuildLayout(kLayout);
        tree_ = dynamic_cast<Tree*>(root_.get());
        ASSERT_NE(tree_, nullptr);
        recorder_ = std::make_unique<EventRecorder>(*root_);
        camera_ = Add(tree_->GetRootNode(), "Camera", 11);
        body_ = Add(*camera_, "Body", 12);
        light_ = Add(tree_->GetRootNode(), "Light", 13);
        tree_->NodesChanged();
        tree_->show();
        QApplication::processEvents();
    }
    void TearDown() override { PathVariables::Global().Remove("testimages"); }

    componentinterface::Tree::Node* Add(componentinterface::Tree::Node& parent, const char* name, int id) {
        auto* node = tree_->CreateNode(name, id);
        parent.AddChild(node);
        return node;
    }
    QPoint CellCentre(const componentinterface::Tree::Node& node, int column) const {
        return tree_->visualRect(tree_->GetModel()->IndexOf(node, column)).center();
    }

    std::unique_ptr<Component> root_;
    Tree* tree_ = nullptr;
    std::unique_ptr<EventRecorder> recorder_;
    componentinterface::Tree::Node *camera_, *body_, *light_;
};

TEST_F(TreeTest, FlagColumnsComeFromTheLayoutAndNewNodesStartAtTheirDefaults) {
    ASSERT_EQ(tree_->GetFlagColumns().size(), 2u);
    EXPECT_EQ(tree_->GetFlagColumns()[0].label, "Record");
    EXPECT_EQ(tree_->GetFlagColumns()[0].trueIcon, "[testimages]/flag_true.png");
    EXPECT_TRUE(tree_->IsDragDropEnabled());
    EXPECT_EQ(body_->GetFlag(0), FlagState::kTrue);
    EXPECT_EQ(body_->GetFlag(1), FlagState::kUndetermined);
    EXPECT_EQ(tree_->GetModel()->columnCount(), 3);
    EXPECT_EQ(tree_->GetModel()->rowCount(), 2);
    EXPECT_EQ(Tree::ParseFlagState("false"), FlagState::kFalse);
    EXPECT_EQ(Tree::ParseFlagState("TRUE"), FlagState::kFalse); // values are exact
    EXPECT_EQ(tree_->dragDropMode(), QAbstractItemView::InternalMove);
}

TEST_F(TreeTest, SelectionHeaderAndDoubleClicksAreReportedWithTheTreesAndNodesIds) {
    tree_->SelectNode(body_);
    EXPECT_EQ(tree_->GetSelectedNode(), body_);
    tree_->SelectNode(nullptr);
    EXPECT_EQ(tree_->GetSelectedNode(), nullptr);
    Click(tree_->viewport(), CellCentre(*light_, 0));
    EXPECT_EQ(tree_->GetSelectedNode(), light_);
    const std::vector<Triple> selections{{0x4281, 7, 12}, {0x4281, 7, -1}, {0x4281, 7, 13}};
    EXPECT_EQ(Triples(*recorder_, 0x4281), selections);

    Click(tree_->header()->viewport(), QPoint(tree_->header()->sectionViewportPosition(2) + 5, 5));
    EXPECT_EQ(Triples(*recorder_, 0x4282), (std::vector<Triple>{{0x4282, 7, 2}}));

    Click(tree_->viewport(), CellCentre(*body_, 0), true);
    EXPECT_EQ(Triples(*recorder_, 0x4283), (std::vector<Triple>{{0x4283, 7, 12}}));
}

TEST_F(TreeTest, ClickingAFlagTogglesItAndReportsWhichOne) {
    Click(tree_->viewport(), CellCentre(*light_, 1));
    EXPECT_EQ(light_->GetFlag(0), FlagState::kFalse);
    Click(tree_->viewport(), CellCentre(*light_, 2));
    EXPECT_EQ(light_->GetFlag(1), FlagState::kTrue);
    EXPECT_EQ(Triples(*recorder_, 0x4284), (std::vector<Triple>{{0x4284, 7, Tree::FlagEventValue(0, 13)},
                                                                {0x4284, 7, Tree::FlagEventValue(1, 13)}}));
    // The window's own changes are not the user's: no event.
    tree_->SetFlag(*light_, 0, FlagState::kUndetermined);
    EXPECT_EQ(Triples(*recorder_, 0x4284).size(), 2u);
    EXPECT_EQ(light_->GetFlag(0), FlagState::kUndetermined);
}

TEST_F(TreeTest, FlagCellsShowTheirImages) {
    camera_->SetFlag(0, FlagState::kTrue);
    light_->SetFlag(0, FlagState::kFalse);
    const QImage image = tree_->grab().toImage();
    // The true image is a filled red disc; the false one a grey ring with nothing red.
    const auto reddest = [&](const componentinterface::Tree::Node& node) {
        const QRect cell =
            tree_->visualRect(tree_->GetModel()->IndexOf(node, 1)).translated(tree_->viewport()->pos());
        int best = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                best = std::max(best, c.red() - (c.green() + c.blue()) / 2);
            }
        return best;
    };
    EXPECT_GT(reddest(*camera_), 120);
    EXPECT_LT(reddest(*light_), 40);

    // The header shows each flag column's true image instead of its text.
    QHeaderView* header = tree_->header();
    const QImage title = header->grab().toImage();
    const int left = header->sectionViewportPosition(1);
    int best = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = left; x < left + header->sectionSize(1); ++x) {
            const QColor c = title.pixelColor(x, y);
            best = std::max(best, c.red() - (c.green() + c.blue()) / 2);
        }
    EXPECT_GT(best, 120);
}

TEST(TreeRenameTest, AnEditedNameIsReportedOnceTheEditorClosedAndTheNodeKeepsItsName) {
    std::unique_ptr<Component> root =
        gui::test::BuildLayout(R"(<tree id="9" editable="yes" width="300" height="200"/>)");
    auto* tree = dynamic_cast<Tree*>(root.get());
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(tree->IsRenameEnabled());
    EventRecorder recorder(*root);
    auto* node = tree->CreateNode("Camera_01", 21);
    tree->GetRootNode().AddChild(node);
    tree->NodesChanged();
    tree->show();
    QApplication::processEvents();

    tree->EditNode(*node);
    auto* editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Chase");
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the edit from its event queue; the tree reports it after that.
    QApplication::processEvents();
    QApplication::processEvents();
    const auto renamed = recorder.Of(Tree::kNodeRenamed);
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed[0].value, 21);
    EXPECT_EQ(renamed[0].text, "Chase");
    EXPECT_EQ(node->name, "Camera_01") << "the window decides whether the name is taken";

    // Confirming the name unchanged reports nothing.
    tree->EditNode(*node);
    QTest::keyClick(tree->findChild<QLineEdit*>(), Qt::Key_Return);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(recorder.Of(Tree::kNodeRenamed).size(), 1u);
}

TEST_F(TreeTest, ADroppedRowIsReportedWithItsNewParentAfterTheDrop) {
    QMimeData* data = tree_->GetModel()->mimeData({tree_->GetModel()->IndexOf(*light_)});
    ASSERT_TRUE(
        tree_->GetModel()->dropMimeData(data, Qt::MoveAction, -1, 0, tree_->GetModel()->IndexOf(*camera_)));
    delete data;
    EXPECT_EQ(light_->getParent(), camera_);
    EXPECT_TRUE(recorder_->Of(Tree::kNodeMoved).empty());
    QApplication::processEvents();
    ASSERT_EQ(recorder_->Of(Tree::kNodeMoved).size(), 1u);
    EXPECT_EQ(recorder_->Of(Tree::kNodeMoved)[0].value, Component::PackPair(13, 11));

    // Back to the top level: the parent's id is -1.
    data = tree_->GetModel()->mimeData({tree_->GetModel()->IndexOf(*body_)});
    ASSERT_TRUE(tree_->GetModel()->dropMimeData(data, Qt::MoveAction, -1, 0, QModelIndex()));
    delete data;
    QApplication::processEvents();
    EXPECT_EQ(recorder_->Of(Tree::kNodeMoved).back().value, Component::PackPair(12, -1));
}

} // namespace
} // namespace vex::gui::component::qt
