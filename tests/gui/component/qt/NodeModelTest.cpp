#include "gui/component/qt/NodeModel.h"

#include "gui/component/qt/FlagDelegate.h"
#include "tests/gui/GuiTestSupport.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QStyleOptionViewItem>
#include <QTreeView>
#include <gtest/gtest.h>

#include <memory>

namespace vex::gui::component::qt {
namespace {

using FlagState = NodeModel::FlagState;
using Node = NodeModel::Node;

// root: Camera (Body, Wheel (Tyre)), Light; two flag columns.
class NodeModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        gui::test::App();
        camera_ = Add(root_, "Camera", 1);
        body_ = Add(*camera_, "Body", 2);
        wheel_ = Add(*camera_, "Wheel", 3);
        tyre_ = Add(*wheel_, "Tyre", 4);
        light_ = Add(root_, "Light", 5);
        model_ = std::make_unique<NodeModel>(root_, 2);
        model_->SetDragDropEnabled(true);
    }
    static Node* Add(Node& parent, const char* name, int id) {
        auto* node = new Node(name, id);
        parent.AddChild(node);
        return node;
    }
    std::unique_ptr<QMimeData> Drag(const Node& node) const {
        return std::unique_ptr<QMimeData>(model_->mimeData({model_->IndexOf(node)}));
    }
    bool Drop(const Node& dragged, const Node& target) {
        const auto data = Drag(dragged);
        return model_->dropMimeData(data.get(), Qt::MoveAction, -1, 0, model_->IndexOf(target));
    }

    Node root_;
    Node *camera_, *body_, *wheel_, *tyre_, *light_;
    std::unique_ptr<NodeModel> model_;
};

TEST_F(NodeModelTest, RowsColumnsAndParentsFollowTheNodes) {
    EXPECT_EQ(model_->rowCount(), 2);
    EXPECT_EQ(model_->columnCount(), 3);
    const QModelIndex cameraRow = model_->index(0, 0);
    EXPECT_EQ(model_->rowCount(cameraRow), 2);
    // Only the name column has children.
    EXPECT_EQ(model_->rowCount(model_->index(0, 1)), 0);
    const QModelIndex wheelRow = model_->index(1, 0, cameraRow);
    EXPECT_EQ(wheelRow.data().toString(), "Wheel");
    EXPECT_EQ(wheelRow.data(NodeModel::kNodeIdRole).toInt(), 3);
    EXPECT_EQ(model_->parent(wheelRow), cameraRow);
    EXPECT_FALSE(model_->parent(cameraRow).isValid());
    EXPECT_EQ(model_->parent(model_->index(0, 0, wheelRow)), wheelRow);
    EXPECT_EQ(model_->IndexOf(*tyre_), model_->index(0, 0, wheelRow));
    EXPECT_FALSE(model_->index(2, 0).isValid());
    EXPECT_FALSE(model_->index(0, 3).isValid());

    // Flags read back as their tri-state values; a flag never set reads false.
    tyre_->SetFlag(1, FlagState::kUndetermined);
    EXPECT_EQ(model_->IndexOf(*tyre_, 2).data(NodeModel::kFlagRole).toInt(), 2);
    EXPECT_EQ(model_->IndexOf(*tyre_, 1).data(NodeModel::kFlagRole).toInt(), 0);
    EXPECT_FALSE(model_->IndexOf(*tyre_, 1).data().isValid());
    EXPECT_FALSE(model_->setData(model_->IndexOf(*tyre_, 1), 3, NodeModel::kFlagRole));
    EXPECT_FALSE(model_->setData(model_->IndexOf(*tyre_, 0), 1, NodeModel::kFlagRole));
}

TEST_F(NodeModelTest, ClickingAFlagCellTogglesItThroughTheDelegate) {
    QTreeView view;
    view.setModel(model_.get());
    FlagDelegate delegate({});
    int changes = 0;
    QObject::connect(model_.get(), &QAbstractItemModel::dataChanged, [&] { ++changes; });

    const auto click = [&](const QModelIndex& index) {
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 26, 20);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(13, 10), QPointF(13, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(13, 10), QPointF(13, 10), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        delegate.editorEvent(&press, model_.get(), option, index);
        return delegate.editorEvent(&release, model_.get(), option, index);
    };
    const QModelIndex flag = model_->IndexOf(*body_, 1);
    EXPECT_TRUE(click(flag));
    EXPECT_EQ(body_->GetFlag(0), FlagState::kTrue);
    EXPECT_TRUE(click(flag));
    EXPECT_EQ(body_->GetFlag(0), FlagState::kFalse);
    body_->SetFlag(1, FlagState::kUndetermined);
    EXPECT_TRUE(click(model_->IndexOf(*body_, 2)));
    EXPECT_EQ(body_->GetFlag(1), FlagState::kTrue);
    EXPECT_EQ(changes, 3);

    // A click on the name or outside the cell changes nothing.
    click(model_->IndexOf(*body_, 0));
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 26, 20);
    QMouseEvent outside(QEvent::MouseButtonRelease, QPointF(40, 10), QPointF(40, 10), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(delegate.editorEvent(&outside, model_.get(), option, flag));
    EXPECT_EQ(body_->GetFlag(0), FlagState::kFalse);
    EXPECT_EQ(changes, 3);
}

TEST_F(NodeModelTest, DraggedRowsMoveUnderOthersButNeverIntoTheirOwnSubtree) {
    EXPECT_EQ(model_->mimeTypes(), QStringList{"application/vex-gui-abstractitemmodel-node"});
    const auto data = Drag(*wheel_);
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("application/vex-gui-abstractitemmodel-node"));

    // Into itself, below itself, or where it already is: refused, nothing moves.
    EXPECT_FALSE(Drop(*wheel_, *wheel_));
    EXPECT_FALSE(Drop(*wheel_, *tyre_));
    EXPECT_FALSE(Drop(*camera_, *tyre_));
    EXPECT_FALSE(Drop(*wheel_, *camera_));
    EXPECT_EQ(wheel_->getParent(), camera_);

    const QPersistentModelIndex tyreRow = model_->IndexOf(*tyre_);
    EXPECT_TRUE(Drop(*wheel_, *light_));
    EXPECT_EQ(wheel_->getParent(), light_);
    EXPECT_EQ(camera_->CountChildren(), 1u);
    EXPECT_EQ(model_->rowCount(model_->IndexOf(*light_)), 1);
    // Views keep pointing at the moved rows.
    EXPECT_EQ(tyreRow.data().toString(), "Tyre");
    EXPECT_EQ(model_->parent(model_->parent(tyreRow)), model_->IndexOf(*light_));

    // The empty area below the rows is the root: the node becomes a top-level row.
    const auto again = Drag(*tyre_);
    EXPECT_TRUE(model_->dropMimeData(again.get(), Qt::MoveAction, -1, -1, QModelIndex()));
    EXPECT_EQ(tyre_->getParent(), &root_);
    EXPECT_EQ(model_->rowCount(), 3);
}

TEST_F(NodeModelTest, DropsFromElsewhereOrWithDragDropOffAreRefused) {
    Node otherRoot;
    Node* stranger = Add(otherRoot, "Stranger", 9);
    NodeModel other(otherRoot, 0);
    other.SetDragDropEnabled(true);
    const std::unique_ptr<QMimeData> foreign(other.mimeData({other.IndexOf(*stranger)}));
    EXPECT_FALSE(model_->canDropMimeData(foreign.get(), Qt::MoveAction, -1, 0, model_->IndexOf(*light_)));

    QMimeData garbage;
    garbage.setData("application/vex-gui-abstractitemmodel-node", "x");
    EXPECT_FALSE(model_->canDropMimeData(&garbage, Qt::MoveAction, -1, 0, model_->IndexOf(*light_)));

    const auto data = Drag(*body_);
    EXPECT_FALSE(model_->canDropMimeData(data.get(), Qt::CopyAction, -1, 0, model_->IndexOf(*light_)));
    model_->SetDragDropEnabled(false);
    EXPECT_FALSE(model_->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, model_->IndexOf(*light_)));
    EXPECT_FALSE(model_->flags(model_->IndexOf(*body_)).testFlag(Qt::ItemIsDragEnabled));

    // A dragged node deleted before the drop is not touched.
    model_->SetDragDropEnabled(true);
    delete body_;
    EXPECT_FALSE(model_->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, model_->IndexOf(*light_)));
}

} // namespace
} // namespace vex::gui::component::qt
