#pragma once

#include "core/XMLFileManager.h"

namespace vex::orb::core {

/// The input profiles of one tool type: "profile" elements (the channel bindings, kept as they are),
/// one per "*.cip" file or together in a "unidevice" container.
class InputProfileManager : public XMLFileManager {
public:
    /// The two profiles of a new container.
    static constexpr const char* kDefaultProfileName = "[default]";
    static constexpr const char* kCurrentProfileName = "[current]";

    /// The content of a new container file: a "unidevice" holding the empty profiles
    /// kDefaultProfileName and kCurrentProfileName.
    static util::xml::Element NewContainer();

    /// The "profile" children of a "unidevice" root, or the single "profile" root; false for any
    /// other root.
    bool ReadProfiles(const std::string& file, std::vector<util::xml::Element>& profiles) const override;
    /// Writes the element as the file, atomically.
    bool WriteProfile(const util::xml::Element& element, const std::string& file) const override;
    /// The attribute "name"; for a container, that of its first "profile".
    std::string GetProfileName(const util::xml::Element& element) const override;
    /// "*.cip".
    std::string GetFilePattern() const override { return "*.cip"; }

protected:
    /// A "unidevice" container.
    util::xml::Element MakeContainer(const std::vector<util::xml::Element>& profiles) const override;
};

} // namespace vex::orb::core
