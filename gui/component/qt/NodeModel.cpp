#include "gui/component/qt/NodeModel.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace vex::gui::component::qt {

namespace {

// A drag carries the address of the model it came from and of its node: drags only ever move rows
// within the one model that made them, and the model checks both before touching the node.
QByteArray Encode(const NodeModel* model, const NodeModel::Node* node) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint64>(reinterpret_cast<quintptr>(model))
        << static_cast<quint64>(reinterpret_cast<quintptr>(node));
    return bytes;
}

} // namespace

NodeModel::NodeModel(Node& root, std::size_t flagCount, QObject* parent)
    : QAbstractItemModel(parent), root_(root), flagCount_(flagCount) {}

NodeModel::Node& NodeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return root_;
    return *static_cast<Node*>(index.internalPointer());
}

QModelIndex NodeModel::IndexOf(const Node& node, int column) const {
    if (&node == &root_ || !node.IsWithin(root_)) return {};
    return createIndex(node.GetRow(), column, const_cast<Node*>(&node));
}

void NodeModel::Reset(const std::function<void()>& change) {
    beginResetModel();
    if (change) change();
    endResetModel();
}

void NodeModel::SetFlag(Node& node, std::size_t flag, FlagState state) {
    node.SetFlag(flag, state);
    const QModelIndex cell = IndexOf(node, static_cast<int>(flag) + 1);
    if (cell.isValid()) emit dataChanged(cell, cell, {kFlagRole});
}

bool NodeModel::CanMove(const Node& dragged, const Node& target) {
    if (target.IsWithin(dragged)) return false;
    const Node* parent = dragged.getParent();
    return parent != &target || dragged.GetRow() + 1 != static_cast<int>(target.CountChildren());
}

QModelIndex NodeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= columnCount(parent)) return {};
    const Node& owner = NodeOf(parent);
    Node* child = owner.getChild(static_cast<std::size_t>(row));
    return child != nullptr ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex NodeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    const Node* parent = NodeOf(child).getParent();
    return parent != nullptr ? IndexOf(*parent) : QModelIndex();
}

int NodeModel::rowCount(const QModelIndex& parent) const {
    // Only the name column has children, as in every tree view.
    if (parent.isValid() && parent.column() != 0) return 0;
    return static_cast<int>(NodeOf(parent).CountChildren());
}

int NodeModel::columnCount(const QModelIndex&) const {
    return 1 + static_cast<int>(flagCount_);
}

QVariant NodeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Node& node = NodeOf(index);
    if (role == kNodeIdRole) return node.id;
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == Qt::EditRole) return QString::fromStdString(node.name);
        if (role == Qt::DecorationRole && icons_ && !node.icon.empty()) return icons_(node.icon);
        return {};
    }
    if (role == kFlagRole)
        return static_cast<int>(node.GetFlag(static_cast<std::size_t>(index.column() - 1)));
    return {};
}

bool NodeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (index.isValid() && index.column() == 0 && role == Qt::EditRole && rename_) {
        if (renamed_) renamed_(NodeOf(index), value.toString());
        return true;
    }
    if (!index.isValid() || index.column() == 0 || role != kFlagRole) return false;
    const int state = value.toInt();
    if (state < 0 || state > static_cast<int>(FlagState::kUndetermined)) return false;
    Node& node = NodeOf(index);
    const auto flag = static_cast<std::size_t>(index.column() - 1);
    SetFlag(node, flag, static_cast<FlagState>(state));
    if (edited_) edited_(node, flag);
    return true;
}

QVariant NodeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == 0) return nameHeader_;
    return section - 1 < flagHeaders_.size() ? flagHeaders_[section - 1] : QString();
}

Qt::ItemFlags NodeModel::flags(const QModelIndex& index) const {
    // Rows accept drops on themselves; the empty area below the rows drops onto the root.
    if (!index.isValid()) return dragDrop_ ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (dragDrop_) result |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (rename_ && index.column() == 0) result |= Qt::ItemIsEditable;
    return result;
}

QStringList NodeModel::mimeTypes() const {
    return {QString::fromLatin1(kMimeType)};
}

QMimeData* NodeModel::mimeData(const QModelIndexList& indexes) const {
    // A drag moves one row: the first selected cell's node.
    for (const QModelIndex& index : indexes) {
        if (!index.isValid()) continue;
        auto* data = new QMimeData();
        data->setData(QString::fromLatin1(kMimeType), Encode(this, &NodeOf(index)));
        return data;
    }
    return nullptr;
}

NodeModel::Node* NodeModel::DraggedNode(const QMimeData* data) const {
    if (data == nullptr || !data->hasFormat(QString::fromLatin1(kMimeType))) return nullptr;
    const QByteArray bytes = data->data(QString::fromLatin1(kMimeType));
    QDataStream in(bytes);
    quint64 model = 0, node = 0;
    in >> model >> node;
    if (in.status() != QDataStream::Ok || model != reinterpret_cast<quintptr>(this)) return nullptr;
    auto* dragged = reinterpret_cast<Node*>(static_cast<quintptr>(node));
    // The node may have been deleted since the drag began: accept it only while it is in the tree.
    const auto present = [&](const auto& self, const Node& under) -> bool {
        for (const auto& child : under.GetChildren())
            if (child.get() == dragged || self(self, *child)) return true;
        return false;
    };
    return present(present, root_) ? dragged : nullptr;
}

bool NodeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                const QModelIndex& parent) const {
    if (!dragDrop_ || action != Qt::MoveAction) return false;
    const Node* dragged = DraggedNode(data);
    return dragged != nullptr && CanMove(*dragged, NodeOf(parent));
}

bool NodeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                             const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    Node* dragged = DraggedNode(data);
    Node& target = NodeOf(parent);
    // A dropped node always becomes the target's last child: the tree's order within a parent is
    // the order nodes were added, and a drop only changes where a node hangs.
    const QModelIndex from = IndexOf(*dragged->getParent());
    const int row0 = dragged->GetRow();
    if (!beginMoveRows(from, row0, row0, IndexOf(target), static_cast<int>(target.CountChildren())))
        return false;
    target.AddChild(dragged);
    endMoveRows();
    if (moved_) moved_(*dragged, target);
    return true;
}

} // namespace vex::gui::component::qt
