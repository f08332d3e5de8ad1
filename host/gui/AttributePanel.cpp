#include "host/gui/AttributePanel.h"

#include "host/builtins/Units.h"
#include "host/gui/HostCommands.h"
#include "host/scene/Scene.h"

#include <QGridLayout>

namespace vex::host::gui {

namespace {

// The transform the panel shows for the selection: the last selected transform, or the parent of a
// selected shape.
NodePtr TransformOf(const std::vector<NodePtr>& selection) {
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        if ((*it)->HasFn(MFn::kTransform)) return *it;
        if (NodePtr up = (*it)->parent(); up && up->HasFn(MFn::kTransform)) return up;
    }
    return nullptr;
}

NodePtr CameraShapeOf(const NodePtr& transform) {
    if (!transform) return nullptr;
    for (const NodePtr& child : transform->Children())
        if (child->IsAlive() && child->HasFn(MFn::kCamera)) return child;
    return nullptr;
}

} // namespace

AttributePanel::AttributePanel(QWidget* parent)
    : QWidget(parent), title_(new QLabel(this)), visibility_(new QCheckBox(this)),
      watcher_([this] { refresh(); }, [this] { refresh(); }) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(title_, 0, 0, 1, 4);
    AddRow("Translate", {"translateX", "translateY", "translateZ"}, false);
    AddRow("Rotate", {"rotateX", "rotateY", "rotateZ"}, false);
    AddRow("Scale", {"scaleX", "scaleY", "scaleZ"}, false);
    const int row = grid->rowCount();
    grid->addWidget(new QLabel("Visibility", this), row, 0);
    grid->addWidget(visibility_, row, 1);
    AddRow("Focal length", {"focalLength"}, true);
    grid->setRowStretch(grid->rowCount(), 1);
    connect(visibility_, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_) Edit("visibility", false, on ? 1.0 : 0.0);
    });
    refresh();
}

void AttributePanel::AddRow(const QString& label, const std::vector<std::string>& attributes, bool onCamera) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    auto* name = new QLabel(label, this);
    grid->addWidget(name, row, 0);
    if (onCamera) cameraRow_.push_back(name);
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        auto* field = new NumberField(this);
        field->setToolTip(QString::fromStdString(attributes[i]));
        grid->addWidget(field, row, static_cast<int>(i) + 1);
        if (onCamera) cameraRow_.push_back(field);
        const std::string attribute = attributes[i];
        field->OnEdited([this, attribute, onCamera](double value) { Edit(attribute, onCamera, value); });
        channels_.push_back({attribute, field, onCamera});
    }
}

NumberField* AttributePanel::Field(const std::string& attribute) {
    for (const Channel& channel : channels_)
        if (channel.attribute == attribute) return channel.field;
    return nullptr;
}

void AttributePanel::Edit(const std::string& attribute, bool onCamera, double value) const {
    const NodePtr& node = onCamera ? camera_ : node_;
    if (node) RunCommand("setAttr", {Scene::Instance().partialPathName(*node) + "." + attribute, value});
}

double AttributePanel::UiValue(const Node& node, const std::string& attribute) {
    const AttributePtr definition = node.FindAttribute(attribute);
    if (!definition) return 0.0;
    const double stored = ToDouble(Scene::Instance().evaluate(node, *definition));
    return builtins::units::ToUi(builtins::units::KindOf(*definition), stored);
}

void AttributePanel::refresh() {
    node_ = TransformOf(Scene::Instance().Selection());
    camera_ = CameraShapeOf(node_);
    title_->setText(node_ ? QString::fromStdString(node_->name()) : QStringLiteral("Nothing selected"));
    for (const Channel& channel : channels_) {
        const NodePtr& node = channel.onCamera ? camera_ : node_;
        channel.field->setEnabled(node != nullptr);
        channel.field->setValue(node ? UiValue(*node, channel.attribute) : 0.0);
    }
    for (QWidget* widget : cameraRow_) widget->setVisible(camera_ != nullptr);
    showing_ = true;
    visibility_->setEnabled(node_ != nullptr);
    visibility_->setChecked(node_ && UiValue(*node_, "visibility") != 0.0);
    showing_ = false;
}

} // namespace vex::host::gui
