#include "host/gui/Outliner.h"

#include "host/gui/HostCommands.h"

#include "host/scene/Scene.h"

#include <QHeaderView>

namespace vex::host::gui {

Outliner::Outliner(QWidget* parent) : QTreeView(parent), m_model(new OutlinerModel(this)) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(OutlinerModel::NameColumn, QHeaderView::ResizeToContents);
    m_model->addSyncListener([this] { showSceneSelection(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_showing && !m_model->isSyncing()) selectRowsInScene();
    });
    showSceneSelection();
}

void Outliner::showSceneSelection() {
    QItemSelection rows;
    for (const NodePtr& node : Scene::instance().selection()) {
        const QModelIndex first = m_model->indexOf(node, OutlinerModel::NameColumn);
        if (first.isValid()) rows.select(first, m_model->indexOf(node, OutlinerModel::TypeColumn));
    }
    m_showing = true;
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    m_showing = false;
}

void Outliner::selectRowsInScene() {
    std::vector<NodePtr> nodes;
    for (const QModelIndex& row : selectionModel()->selectedRows(OutlinerModel::NameColumn))
        if (NodePtr node = m_model->node(row)) nodes.push_back(node);
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
