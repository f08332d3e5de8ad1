#include "host/gui/AttributePanel.h"

#include "host/builtins/Units.h"
#include "host/gui/HostCommands.h"
#include "host/scene/Scene.h"

#include <QGridLayout>

namespace vex::host::gui {

namespace {

// The transform the panel shows for the selection: the last selected transform, or the parent of a
// selected shape.
NodePtr transformOf(const std::vector<NodePtr>& selection) {
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        if ((*it)->hasFn(MFn::kTransform)) return *it;
        if (NodePtr up = (*it)->parent(); up && up->hasFn(MFn::kTransform)) return up;
    }
    return nullptr;
}

NodePtr cameraShapeOf(const NodePtr& transform) {
    if (!transform) return nullptr;
    for (const NodePtr& child : transform->children())
        if (child->isAlive() && child->hasFn(MFn::kCamera)) return child;
    return nullptr;
}

} // namespace

AttributePanel::AttributePanel(QWidget* parent)
    : QWidget(parent), title_(new QLabel(this)), visibility_(new QCheckBox(this)),
      watcher_([this] { refresh(); }, [this] { refresh(); }) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(title_, 0, 0, 1, 4);
    addRow("Translate", {"translateX", "translateY", "translateZ"}, false);
    addRow("Rotate", {"rotateX", "rotateY", "rotateZ"}, false);
    addRow("Scale", {"scaleX", "scaleY", "scaleZ"}, false);
    const int row = grid->rowCount();
    grid->addWidget(new QLabel("Visibility", this), row, 0);
    grid->addWidget(visibility_, row, 1);
    addRow("Focal length", {"focalLength"}, true);
    grid->setRowStretch(grid->rowCount(), 1);
    connect(visibility_, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_) edit("visibility", false, on ? 1.0 : 0.0);
    });
    refresh();
}

void AttributePanel::addRow(const QString& label, const std::vector<std::string>& attributes, bool onCamera) {
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
        field->onEdited([this, attribute, onCamera](double value) { edit(attribute, onCamera, value); });
        channels_.push_back({attribute, field, onCamera});
    }
}

NumberField* AttributePanel::field(const std::string& attribute) {
    for (const Channel& channel : channels_)
        if (channel.attribute == attribute) return channel.field;
    return nullptr;
}

void AttributePanel::edit(const std::string& attribute, bool onCamera, double value) const {
    const NodePtr& node = onCamera ? camera_ : node_;
    if (node) runCommand("setAttr", {Scene::instance().partialPathName(*node) + "." + attribute, value});
}

double AttributePanel::uiValue(const Node& node, const std::string& attribute) {
    const AttributePtr definition = node.findAttribute(attribute);
    if (!definition) return 0.0;
    const double stored = toDouble(Scene::instance().evaluate(node, *definition));
    return builtins::units::toUi(builtins::units::kindOf(*definition), stored);
}

void AttributePanel::refresh() {
    node_ = transformOf(Scene::instance().selection());
    camera_ = cameraShapeOf(node_);
    title_->setText(node_ ? QString::fromStdString(node_->name()) : QStringLiteral("Nothing selected"));
    for (const Channel& channel : channels_) {
        const NodePtr& node = channel.onCamera ? camera_ : node_;
        channel.field->setEnabled(node != nullptr);
        channel.field->setValue(node ? uiValue(*node, channel.attribute) : 0.0);
    }
    for (QWidget* widget : cameraRow_) widget->setVisible(camera_ != nullptr);
    showing_ = true;
    visibility_->setEnabled(node_ != nullptr);
    visibility_->setChecked(node_ && uiValue(*node_, "visibility") != 0.0);
    showing_ = false;
}

} // namespace vex::host::gui
