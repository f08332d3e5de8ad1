#include "gui/Component.h"

#include "gui/Background.h"
#include "gui/EventData.h"
#include "gui/PathVariables.h"

namespace vex::gui {

namespace {

// Component events occupy this code range; other messages (subscriptions, destruction) stay here.
bool IsComponentEvent(int32_t code) {
    return code >= 0x4000 && code <= 0x43FF;
}

} // namespace

Component::Component() = default;

Component::~Component() = default;

bool Component::AppendChild(Component* child) {
    if (!AddChild(child)) return false;
    ChildAdded(*child);
    return true;
}

void Component::ChildAdded(Component& /*child*/) {}

Component* Component::FindById(int32_t id) {
    if (id == kNoId) return nullptr;
    if (id_ == id) return this;
    for (const auto& child : GetChildren())
        if (Component* found = child->FindById(id)) return found;
    return nullptr;
}

void Component::SendEvent(int32_t code, int64_t value, std::unique_ptr<EventData> payload) {
    util::Message message(code, id_, value);
    if (payload) message.Attach(std::move(payload));
    broadcast(message);
    send(getParent(), message);
}

void Component::receive(util::Message& message, bool broadcast) {
    if (broadcast || !IsComponentEvent(message.code)) return;
    PassUp(message);
}

void Component::PassUp(util::Message& message) {
    forwardToSubscribers(message);
    forward(getParent(), message);
}

void Component::SetPathVariable(const std::string& name, const std::string& directory) {
    pathVariables_[name] = directory;
    RefreshImagesOfSubtree();
}

std::string Component::ResolvePath(const std::string& path) const {
    const std::optional<std::string> name = PathVariables::VariableOf(path);
    if (!name) return path;
    for (const Component* node = this; node != nullptr; node = node->getParent()) {
        const auto found = node->pathVariables_.find(*name);
        if (found != node->pathVariables_.end()) return PathVariables::Substitute(path, found->second);
    }
    if (const std::optional<std::string> directory = PathVariables::Global().Find(*name))
        return PathVariables::Substitute(path, *directory);
    return path;
}

void Component::RefreshImagesOfSubtree() {
    RefreshImages();
    for (const auto& child : GetChildren()) child->RefreshImagesOfSubtree();
}

void Component::SetVisible(bool visible) {
    visible_ = visible;
    CommonStateChanged();
}

void Component::SetEnabled(bool enabled) {
    enabled_ = enabled;
    CommonStateChanged();
}

void Component::SetTooltip(const std::string& text) {
    tooltip_ = text;
    CommonStateChanged();
}

void Component::CommonStateChanged() {}

void Component::RefreshImages() {}

} // namespace vex::gui
