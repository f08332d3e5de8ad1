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
        camera = Add(root, "Camera", 1);
        body = Add(*camera, "Body", 2);
        wheel = Add(*camera, "Wheel", 3);
        tyre = Add(*wheel, "Tyre", 4);
        light = Add(root, "Light", 5);
        model = std::make_unique<NodeModel>(root, 2);
        model->SetDragDropEnabled(true);
    }
    static Node* Add(Node& parent, const char* name, int id) {
        auto* node = new Node(name, id);
        parent.addChild(node);
        return node;
    }
    std::unique_ptr<QMimeData> Drag(const Node& node) const {
        return std::unique_ptr<QMimeData>(model->mimeData({model->IndexOf(node)}));
    }
    bool Drop(const Node& dragged, const Node& target) {
        const auto data = Drag(dragged);
        return model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, model->IndexOf(target));
    }

    Node root;
    Node *camera, *body, *wheel, *tyre, *light;
    std::unique_ptr<NodeModel> model;
};

TEST_F(NodeModelTest, RowsColumnsAndParentsFollowTheNodes) {
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->columnCount(), 3);
    const QModelIndex cameraRow = model->index(0, 0);
    EXPECT_EQ(model->rowCount(cameraRow), 2);
    // Only the name column has children.
    EXPECT_EQ(model->rowCount(model->index(0, 1)), 0);
    const QModelIndex wheelRow = model->index(1, 0, cameraRow);
    EXPECT_EQ(wheelRow.data().toString(), "Wheel");
    EXPECT_EQ(wheelRow.data(NodeModel::kNodeIdRole).toInt(), 3);
    EXPECT_EQ(model->parent(wheelRow), cameraRow);
    EXPECT_FALSE(model->parent(cameraRow).isValid());
    EXPECT_EQ(model->parent(model->index(0, 0, wheelRow)), wheelRow);
    EXPECT_EQ(model->IndexOf(*tyre), model->index(0, 0, wheelRow));
    EXPECT_FALSE(model->index(2, 0).isValid());
    EXPECT_FALSE(model->index(0, 3).isValid());

    // Flags read back as their tri-state values; a flag never set reads false.
    tyre->SetFlag(1, FlagState::kUndetermined);
    EXPECT_EQ(model->IndexOf(*tyre, 2).data(NodeModel::kFlagRole).toInt(), 2);
    EXPECT_EQ(model->IndexOf(*tyre, 1).data(NodeModel::kFlagRole).toInt(), 0);
    EXPECT_FALSE(model->IndexOf(*tyre, 1).data().isValid());
    EXPECT_FALSE(model->setData(model->IndexOf(*tyre, 1), 3, NodeModel::kFlagRole));
    EXPECT_FALSE(model->setData(model->IndexOf(*tyre, 0), 1, NodeModel::kFlagRole));
}

TEST_F(NodeModelTest, ClickingAFlagCellTogglesItThroughTheDelegate) {
    QTreeView view;
    view.setModel(model.get());
    FlagDelegate delegate({});
    int changes = 0;
    QObject::connect(model.get(), &QAbstractItemModel::dataChanged, [&] { ++changes; });

    const auto click = [&](const QModelIndex& index) {
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 26, 20);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(13, 10), QPointF(13, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(13, 10), QPointF(13, 10), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        delegate.editorEvent(&press, model.get(), option, index);
        return delegate.editorEvent(&release, model.get(), option, index);
    };
    const QModelIndex flag = model->IndexOf(*body, 1);
    EXPECT_TRUE(click(flag));
    EXPECT_EQ(body->GetFlag(0), FlagState::kTrue);
    EXPECT_TRUE(click(flag));
    EXPECT_EQ(body->GetFlag(0), FlagState::kFalse);
    body->SetFlag(1, FlagState::kUndetermined);
    EXPECT_TRUE(click(model->IndexOf(*body, 2)));
    EXPECT_EQ(body->GetFlag(1), FlagState::kTrue);
    EXPECT_EQ(changes, 3);

    // A click on the name or outside the cell changes nothing.
    click(model->IndexOf(*body, 0));
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 26, 20);
    QMouseEvent outside(QEvent::MouseButtonRelease, QPointF(40, 10), QPointF(40, 10), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(delegate.editorEvent(&outside, model.get(), option, flag));
    EXPECT_EQ(body->GetFlag(0), FlagState::kFalse);
    EXPECT_EQ(changes, 3);
}

TEST_F(NodeModelTest, DraggedRowsMoveUnderOthersButNeverIntoTheirOwnSubtree) {
    EXPECT_EQ(model->mimeTypes(), QStringList{"application/vex-gui-abstractitemmodel-node"});
    const auto data = Drag(*wheel);
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("application/vex-gui-abstractitemmodel-node"));

    // Into itself, below itself, or where it already is: refused, nothing moves.
    EXPECT_FALSE(Drop(*wheel, *wheel));
    EXPECT_FALSE(Drop(*wheel, *tyre));
    EXPECT_FALSE(Drop(*camera, *tyre));
    EXPECT_FALSE(Drop(*wheel, *camera));
    EXPECT_EQ(wheel->getParent(), camera);

    const QPersistentModelIndex tyreRow = model->IndexOf(*tyre);
    EXPECT_TRUE(Drop(*wheel, *light));
    EXPECT_EQ(wheel->getParent(), light);
    EXPECT_EQ(camera->countChildren(), 1u);
    EXPECT_EQ(model->rowCount(model->IndexOf(*light)), 1);
    // Views keep pointing at the moved rows.
    EXPECT_EQ(tyreRow.data().toString(), "Tyre");
    EXPECT_EQ(model->parent(model->parent(tyreRow)), model->IndexOf(*light));

    // The empty area below the rows is the root: the node becomes a top-level row.
    const auto again = Drag(*tyre);
    EXPECT_TRUE(model->dropMimeData(again.get(), Qt::MoveAction, -1, -1, QModelIndex()));
    EXPECT_EQ(tyre->getParent(), &root);
    EXPECT_EQ(model->rowCount(), 3);
}

TEST_F(NodeModelTest, DropsFromElsewhereOrWithDragDropOffAreRefused) {
    Node otherRoot;
    Node* stranger = Add(otherRoot, "Stranger", 9);
    NodeModel other(otherRoot, 0);
    other.SetDragDropEnabled(true);
    const std::unique_ptr<QMimeData> foreign(other.mimeData({other.IndexOf(*stranger)}));
    EXPECT_FALSE(model->canDropMimeData(foreign.get(), Qt::MoveAction, -1, 0, model->IndexOf(*light)));

    QMimeData garbage;
    garbage.setData("application/vex-gui-abstractitemmodel-node", "x");
    EXPECT_FALSE(model->canDropMimeData(&garbage, Qt::MoveAction, -1, 0, model->IndexOf(*light)));

    const auto data = Drag(*body);
    EXPECT_FALSE(model->canDropMimeData(data.get(), Qt::CopyAction, -1, 0, model->IndexOf(*light)));
    model->SetDragDropEnabled(false);
    EXPECT_FALSE(model->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, model->IndexOf(*light)));
    EXPECT_FALSE(model->flags(model->IndexOf(*body)).testFlag(Qt::ItemIsDragEnabled));

    // A dragged node deleted before the drop is not touched.
    model->SetDragDropEnabled(true);
    delete body;
    EXPECT_FALSE(model->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, model->IndexOf(*light)));
}

} // namespace
} // namespace vex::gui::component::qt
