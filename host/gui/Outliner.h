#pragma once

#include "host/gui/OutlinerModel.h"

#include <QTreeView>

namespace vex::host::gui {

/// The scene's DAG as a tree whose selection is the scene's: selecting rows selects their nodes through
/// the host's select command (undoable like it), and a selection the scene gets otherwise (a command,
/// undo) shows on the rows.
class Outliner : public QTreeView {
public:
    explicit Outliner(QWidget* parent = nullptr);

    /// The model over the scene that the tree shows.
    OutlinerModel& GetOutlinerModel() { return *model_; }

private:
    /// Selects the scene's selection on the rows, without handing it back to the scene.
    void ShowSceneSelection();
    /// Makes the selected rows' nodes the scene's selection.
    void SelectRowsInScene();

    OutlinerModel* model_;
    bool showing_ = false;
};

} // namespace vex::host::gui
