#include "host/gui/Outliner.h"

#include "host/gui/HostCommands.h"
#include "host/scene/Scene.h"

#include <QHeaderView>

namespace vex::host::gui {

Outliner::Outliner(QWidget* parent) : QTreeView(parent), model_(new OutlinerModel(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(OutlinerModel::NameColumn, QHeaderView::ResizeToContents);
    model_->addSyncListener([this] { showSceneSelection(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!showing_ && !model_->isSyncing()) selectRowsInScene();
    });
    showSceneSelection();
}

void Outliner::showSceneSelection() {
    QItemSelection rows;
    for (const NodePtr& node : Scene::instance().selection()) {
        const QModelIndex first = model_->indexOf(node, OutlinerModel::NameColumn);
        if (first.isValid()) rows.select(first, model_->indexOf(node, OutlinerModel::TypeColumn));
    }
    showing_ = true;
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    showing_ = false;
}

void Outliner::selectRowsInScene() {
    std::vector<NodePtr> nodes;
    for (const QModelIndex& row : selectionModel()->selectedRows(OutlinerModel::NameColumn))
        if (NodePtr node = model_->node(row)) nodes.push_back(node);
    Scene& scene = Scene::instance();
    if (nodes == scene.selection()) return;
    if (nodes.empty()) {
        runCommand("select", {Flag{"-cl"}});
        return;
    }
    std::vector<CommandArg> args{Flag{"-r"}};
    for (const NodePtr& node : nodes) args.emplace_back(scene.partialPathName(*node));
    runCommand("select", args);
}

} // namespace vex::host::gui
