#include "host/gui/OutlinerModel.h"

#include "host/scene/Scene.h"

#include <algorithm>

namespace vex::host::gui {

/// One row: the node, the name shown, and the rows below it.
struct OutlinerModel::Item {
    NodePtr node;
    std::string name;
    Item* parent = nullptr;
    std::vector<std::unique_ptr<Item>> children;

    int Row() const {
        const auto& siblings = parent->children;
        const auto it =
            std::find_if(siblings.begin(), siblings.end(),
                         [this](const std::unique_ptr<Item>& item) { return item.get() == this; });
        return static_cast<int>(it - siblings.begin());
    }
};

namespace {

// The DAG children of a node that the model shows: the live ones.
std::vector<NodePtr> ShownChildren(const Node& node) {
    std::vector<NodePtr> shown;
    for (const NodePtr& child : node.Children())
        if (child->IsAlive()) shown.push_back(child);
    return shown;
}

} // namespace

OutlinerModel::OutlinerModel(QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<Item>()), watcher_([this] { Sync(); }, nullptr) {
    Sync();
}

OutlinerModel::~OutlinerModel() = default;

void OutlinerModel::AddSyncListener(std::function<void()> listener) {
    syncListeners_.push_back(std::move(listener));
}

void OutlinerModel::Sync() {
    syncing_ = true;
    // The world is the root; a new scene (file open, reset) may have made a new one.
    const NodePtr& world = Scene::Instance().World();
    if (root_->node != world) {
        beginResetModel();
        root_->children.clear();
        root_->node = world;
        endResetModel();
    }
    SyncChildren(*root_);
    syncing_ = false;
    for (const auto& listener : syncListeners_) listener();
}

void OutlinerModel::SyncChildren(Item& item) {
    const std::vector<NodePtr> wanted = ShownChildren(*item.node);
    auto& rows = item.children;
    // Rows of nodes that left this parent go first, so the rest are all still wanted.
    for (int row = static_cast<int>(rows.size()) - 1; row >= 0; --row)
        if (std::find(wanted.begin(), wanted.end(), rows[row]->node) == wanted.end()) removeRow(item, row);
    // Then the rows follow the wanted order: a node in the wrong place moves, a new one is inserted.
    for (int row = 0; row < static_cast<int>(wanted.size()); ++row) {
        if (row < static_cast<int>(rows.size()) && rows[row]->node == wanted[row]) continue;
        const auto later = std::find_if(rows.begin() + row, rows.end(), [&](const std::unique_ptr<Item>& r) {
            return r->node == wanted[row];
        });
        if (later != rows.end()) removeRow(item, static_cast<int>(later - rows.begin()));
        insertRow(item, row, wanted[row]);
    }
    for (const auto& child : rows) {
        if (child->name != child->node->name()) {
            child->name = child->node->name();
            const QModelIndex changed = IndexOf(*child, kNameColumn);
            emit dataChanged(changed, changed);
        }
        SyncChildren(*child);
    }
}

void OutlinerModel::removeRow(Item& item, int row) {
    beginRemoveRows(IndexOf(item, kNameColumn), row, row);
    item.children.erase(item.children.begin() + row);
    endRemoveRows();
}

void OutlinerModel::insertRow(Item& item, int row, const NodePtr& node) {
    beginInsertRows(IndexOf(item, kNameColumn), row, row);
    auto child = std::make_unique<Item>();
    child->node = node;
    child->name = node->name();
    child->parent = &item;
    item.children.insert(item.children.begin() + row, std::move(child));
    endInsertRows();
}

OutlinerModel::Item* OutlinerModel::ItemOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Item*>(index.internalPointer()) : root_.get();
}

QModelIndex OutlinerModel::IndexOf(const Item& item, int column) const {
    if (&item == root_.get()) return {};
    return createIndex(item.Row(), column, const_cast<Item*>(&item));
}

NodePtr OutlinerModel::node(const QModelIndex& index) const {
    return index.isValid() ? ItemOf(index)->node : nullptr;
}

QModelIndex OutlinerModel::IndexOf(const NodePtr& node, int column) const {
    if (!node || !node->IsAlive()) return {};
    // The path from the world down to the node, followed through the rows.
    std::vector<NodePtr> path;
    for (NodePtr up = node; up && up != root_->node; up = up->parent()) path.push_back(up);
    const Item* item = root_.get();
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        const auto& rows = item->children;
        const auto found = std::find_if(rows.begin(), rows.end(),
                                        [&](const std::unique_ptr<Item>& r) { return r->node == *it; });
        if (found == rows.end()) return {};
        item = found->get();
    }
    return IndexOf(*item, column);
}

QModelIndex OutlinerModel::index(int row, int column, const QModelIndex& parent) const {
    const Item* item = ItemOf(parent);
    if (row < 0 || row >= static_cast<int>(item->children.size()) || column < 0 || column >= kColumnCount)
        return {};
    return createIndex(row, column, item->children[row].get());
}

QModelIndex OutlinerModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    return IndexOf(*ItemOf(child)->parent, kNameColumn);
}

int OutlinerModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != kNameColumn) return 0;
    return static_cast<int>(ItemOf(parent)->children.size());
}

int OutlinerModel::columnCount(const QModelIndex&) const {
    return kColumnCount;
}

QVariant OutlinerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Item& item = *ItemOf(index);
    if (role == Qt::DisplayRole)
        return QString::fromStdString(index.column() == kNameColumn ? item.name : item.node->type().name());
    if (role == Qt::ToolTipRole) return QString::fromStdString(item.node->FullPathName());
    return {};
}

QVariant OutlinerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == kNameColumn ? QStringLiteral("Name") : QStringLiteral("Type");
}

} // namespace vex::host::gui
