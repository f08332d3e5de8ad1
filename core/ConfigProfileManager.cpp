#include "core/ConfigProfileManager.h"

#include "core/ConfigProfileConversion.h"
#include "util/xml/Tag.h"

namespace vex::orb::core {

namespace {

// The tag children of `element` named `name`, appended to `out`.
void AppendChildren(const util::xml::Element& element, std::string_view name,
                    std::vector<util::xml::Element>& out) {
    for (const util::xml::Element& child : element.GetChildren()) {
        if (child.IsTag() && child.GetName() == name) out.push_back(child);
    }
}

} // namespace

std::string ConfigProfileManager::ConvertedMessage(const std::string& toolName) {
    return "This profile has been saved in an older version of " + toolName +
           ". Some old settings might not work well in the current version. Use it with caution.";
}

bool ConfigProfileManager::ReadProfiles(const std::string& file,
                                        std::vector<util::xml::Element>& profiles) const {
    util::xml::Element root;
    if (!LoadFile(file, root)) return false;
    if (root.GetName() == "configprofiles") {
        if (root.GetAttribute("version") != kVersion) return false;
        AppendChildren(root, "configprofile", profiles);
        return true;
    }
    if (root.GetName() == "configprofile") {
        profiles.push_back(std::move(root));
        return true;
    }
    if (IsOlderConfigForm(root.GetName())) {
        AppendChildren(ConvertOlderConfigForm(root), "configprofile", profiles);
        return true;
    }
    return false;
}

bool ConfigProfileManager::WriteProfile(const util::xml::Element& element, const std::string& file) const {
    return SaveFile(element, file);
}

std::string ConfigProfileManager::GetProfileName(const util::xml::Element& element) const {
    if (element.GetName() == "configprofiles") {
        const util::xml::Element* first = element.GetChild("configprofile");
        return first != nullptr ? first->GetAttribute("name") : std::string();
    }
    return element.GetAttribute("name");
}

util::xml::Element
ConfigProfileManager::MakeContainer(const std::vector<util::xml::Element>& profiles) const {
    util::xml::Tag container("configprofiles");
    container.SetAttribute("version", kVersion);
    for (const util::xml::Element& profile : profiles) container.AddChild(profile);
    return container;
}

} // namespace vex::orb::core
