#include "unidevice/InputProfile.h"

#include "unidevice/Property.h"
#include "unidevice/PropertyHandler.h"
#include "util/xml/Tag.h"

namespace vex::unidevice {

int InputProfile::Load(PropertyHandler& channels, const util::xml::Element& element,
                       std::string& profileName) {
    if (element.GetName() != "inputprofile" && element.GetName() != "profile") return kNotAProfile;
    const util::xml::Element* wrapped = element.GetChild("profile");
    const util::xml::Element& profile = wrapped != nullptr ? *wrapped : element;

    // A channel the profile does not mention ends up unbound; it also loses a binding kept from an
    // earlier profile, so that saving does not bring back a device the user no longer chose.
    for (int i = 0; i < channels.GetCount(); ++i) {
        Property* channel = channels.GetProperty(i);
        channel->SetControl(nullptr);
        channel->SetUnresolvedBinding(util::xml::Element());
    }
    if (profile.HasAttribute("name")) profileName = profile.GetAttribute("name");

    int unresolved = 0;
    for (std::size_t i = 0, count = profile.CountChildren("property"); i < count; ++i) {
        const util::xml::Element& property = *profile.GetChild("property", i);
        Property* channel = channels.FindProperty(property.GetAttribute("name"));
        if (channel != nullptr && !channel->FromXml(property)) ++unresolved;
    }
    return unresolved;
}

util::xml::Element InputProfile::Save(const PropertyHandler& channels, const std::string& name) {
    util::xml::Tag profile("profile");
    profile.SetAttribute("name", name);
    for (int i = 0; i < channels.GetCount(); ++i) {
        util::xml::Element property;
        profile.AddChild(channels.GetProperty(i)->toXml(property));
    }
    return profile;
}

} // namespace vex::unidevice
