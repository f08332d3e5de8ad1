#include "core/InputProfileManager.h"

#include "util/xml/Tag.h"

namespace vex::orb::core {

namespace {

util::xml::Element Container(const std::vector<util::xml::Element>& profiles) {
    util::xml::Tag container("unidevice");
    for (const util::xml::Element& profile : profiles) container.AddChild(profile);
    return container;
}

util::xml::Element EmptyProfile(const char* name) {
    util::xml::Tag profile("profile");
    profile.SetAttribute("name", name);
    return profile;
}

} // namespace

util::xml::Element InputProfileManager::NewContainer() {
    return Container({EmptyProfile(kDefaultProfileName), EmptyProfile(kCurrentProfileName)});
}

bool InputProfileManager::ReadProfiles(const std::string& file,
                                       std::vector<util::xml::Element>& profiles) const {
    util::xml::Element root;
    if (!LoadFile(file, root)) return false;
    if (root.GetName() == "profile") {
        profiles.push_back(std::move(root));
        return true;
    }
    if (root.GetName() != "unidevice") return false;
    for (const util::xml::Element& child : root.GetChildren()) {
        if (child.IsTag() && child.GetName() == "profile") profiles.push_back(child);
    }
    return true;
}

bool InputProfileManager::WriteProfile(const util::xml::Element& element, const std::string& file) const {
    return SaveFile(element, file);
}

std::string InputProfileManager::GetProfileName(const util::xml::Element& element) const {
    if (element.GetName() == "unidevice") {
        const util::xml::Element* first = element.GetChild("profile");
        return first != nullptr ? first->GetAttribute("name") : std::string();
    }
    return element.GetAttribute("name");
}

util::xml::Element InputProfileManager::MakeContainer(const std::vector<util::xml::Element>& profiles) const {
    return Container(profiles);
}

} // namespace vex::orb::core
