#pragma once

#include "host/gui/SceneWatcher.h"
#include "host/scene/Node.h"

#include <QAbstractItemModel>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vex::host::gui {

/// The DAG of the host's scene as an item model: the world's children at the top, each transform with
/// its children (shapes and child transforms) below it, in the scene's order. Column 0 is the name,
/// column 1 the node's type. The model keeps its own copy of the tree and brings it in line with the
/// scene whenever the host reports a change (node created, deleted, renamed, reparented), with the
/// exact row insertions, removals and data changes, so views keep their expansion and selection.
class OutlinerModel : public QAbstractItemModel {
public:
    enum Column { kNameColumn, kTypeColumn, kColumnCount };

    explicit OutlinerModel(QObject* parent = nullptr);
    ~OutlinerModel() override;

    /// Brings the rows in line with the scene now, then tells the sync listeners.
    void Sync();
    /// True while a sync moves rows (a view's selection then changes only because rows come and go).
    bool IsSyncing() const { return syncing_; }
    /// Calls `listener` after every sync (the outliner puts the scene's selection back on its rows).
    void AddSyncListener(std::function<void()> listener);

    /// The node shown in the row of `index`, or null.
    NodePtr node(const QModelIndex& index) const;
    /// The index of the node's row in `column`; invalid when the node is not shown.
    QModelIndex IndexOf(const NodePtr& node, int column = kNameColumn) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Item;

    Item* ItemOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const Item& item, int column) const;
    /// Matches the children of `item` to its node's children, then does the same below each.
    void SyncChildren(Item& item);
    void removeRow(Item& item, int row);
    void insertRow(Item& item, int row, const NodePtr& node);

    std::unique_ptr<Item> root_;
    bool syncing_ = false;
    std::vector<std::function<void()>> syncListeners_;
    SceneWatcher watcher_;
};

} // namespace vex::host::gui
