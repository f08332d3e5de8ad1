#pragma once

#include "host/gui/NumberField.h"
#include "host/gui/SceneWatcher.h"
#include "host/scene/Node.h"

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include <string>
#include <vector>

namespace vex::host::gui {

/// The channels of the selected transform (the last one selected, or the parent of a selected shape):
/// translate, rotate and scale in the UI units, visibility, and the focal length of its camera shape
/// when it has one. Each edit runs setAttr, undoable; the values follow the time, the selection and
/// every change the host reports.
class AttributePanel : public QWidget {
public:
    explicit AttributePanel(QWidget* parent = nullptr);

    /// Shows the selected transform's values now.
    void refresh();

    /// The transform shown, or null when no transform is selected.
    const NodePtr& ShownNode() const { return node_; }
    /// The box of a numeric attribute by its long name ("translateX", "focalLength"), or null.
    NumberField* Field(const std::string& attribute);
    /// The visibility box.
    QCheckBox& Visibility() { return *visibility_; }
    /// Whether the focal length row shows (the transform has a camera shape).
    bool ShowsCamera() const { return camera_ != nullptr; }

private:
    /// One number box and the attribute it edits.
    struct Channel {
        std::string attribute;
        NumberField* field;
        bool onCamera; // the attribute belongs to the camera shape
    };

    /// Adds a labelled row of number boxes for `attributes`.
    void AddRow(const QString& label, const std::vector<std::string>& attributes, bool onCamera);
    /// Runs setAttr for the attribute of the shown transform or its camera.
    void Edit(const std::string& attribute, bool onCamera, double value) const;
    /// The value of the attribute in the units scripts use.
    static double UiValue(const Node& node, const std::string& attribute);

    QLabel* title_;
    QCheckBox* visibility_;
    std::vector<Channel> channels_;
    std::vector<QWidget*> cameraRow_;
    NodePtr node_;
    NodePtr camera_;
    bool showing_ = false;
    SceneWatcher watcher_;
};

} // namespace vex::host::gui
