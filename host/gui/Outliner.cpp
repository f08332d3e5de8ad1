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
    header()->setSectionResizeMode(OutlinerModel::kNameColumn, QHeaderView::ResizeToContents);
    model_->AddSyncListener([this] { ShowSceneSelection(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!showing_ && !model_->IsSyncing()) SelectRowsInScene();
    });
    ShowSceneSelection();
}

void Outliner::ShowSceneSelection() {
    QItemSelection rows;
    for (const NodePtr& node : Scene::Instance().Selection()) {
        const QModelIndex first = model_->IndexOf(node, OutlinerModel::kNameColumn);
        if (first.isValid()) rows.select(first, model_->IndexOf(node, OutlinerModel::kTypeColumn));
    }
    showing_ = true;
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    showing_ = false;
}

void Outliner::SelectRowsInScene() {
    std::vector<NodePtr> nodes;
    for (const QModelIndex& row : selectionModel()->selectedRows(OutlinerModel::kNameColumn))
        if (NodePtr node = model_->node(row)) nodes.push_back(node);
    Scene& scene = Scene::Instance();
    if (nodes == scene.Selection()) return;
    if (nodes.empty()) {
        RunCommand("select", {Flag{"-cl"}});
        return;
    }
    std::vector<CommandArg> args{Flag{"-r"}};
    for (const NodePtr& node : nodes) args.emplace_back(scene.partialPathName(*node));
    RunCommand("select", args);
}

} // namespace vex::host::gui
