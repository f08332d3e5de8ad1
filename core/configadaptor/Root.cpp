#include "core/configadaptor/Root.h"

#include "core/ConfigProfileConversion.h"
#include "util/xml/Tag.h"

namespace vex::orb::core::configadaptor::element {

using util::xml::Element;

Root::Root() : Node(kNoId, "", "", nullptr) {}

Element Root::saveProfile() const {
    util::xml::Tag profile("configprofile");
    profile.SetAttribute("version", "2.0");
    saveProfile(profile);
    return profile;
}

void Root::saveProfile(Element& parent) const {
    for (const auto& child : GetChildren()) child->saveProfile(parent);
}

void Root::loadProfile(const Element& container) {
    if (getParent() == nullptr &&
        (container.GetName() != "configprofile" || container.GetAttribute("version") != "2.0"))
        return;
    for (const auto& child : GetChildren()) child->loadProfile(container);
}

void Root::LoadOlderProfile(const Element& profile) {
    util::xml::Tag file("CameraConfig");
    file.AddChild(profile);
    const Element converted = ConvertOlderConfigForm(file);
    if (const Element* current = converted.GetChild("configprofile")) loadProfile(*current);
}

Element Root::buildLayout() const {
    util::xml::Tag list("list");
    list.SetAttribute("type", "vertical");
    for (const auto& child : GetChildren()) list.AddChild(child->buildLayout());
    if (getParent() != nullptr) return list;
    util::xml::Tag scroll("scroll");
    scroll.AddChild(std::move(list));
    return scroll;
}

double Root::getValue(int32_t id) {
    const Node* node = FindById(id);
    return node != nullptr ? node->getValue() : 0.0;
}

bool Root::setValue(int32_t id, double value) {
    Node* node = FindById(id);
    if (node == nullptr) return false;
    node->setValue(value);
    return true;
}

} // namespace vex::orb::core::configadaptor::element
