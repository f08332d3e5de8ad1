#pragma once

#include "core/XMLFileManager.h"

namespace vex::orb::core {

/// The configuration profiles of one tool type: "configprofile" elements of version "2.0", kept one
/// per "*.ccp" file or together in a "configprofiles" container of version "2.0". Files in an older
/// form ("ConfigProfile", "orb_config", "CameraConfig") are read converted to the current form, each
/// profile marked with the attribute "converted"; the file itself is left as it is.
class ConfigProfileManager : public XMLFileManager {
public:
    /// The version of the current form, of profiles and of containers alike.
    static constexpr const char* kVersion = "2.0";
    /// The attribute marking a profile read from an older form.
    static constexpr const char* kConvertedAttribute = "converted";
    /// The title of the message shown when a converted profile is loaded.
    static constexpr const char* kMessageTitle = "Torva Suite";

    /// Whether `profile` was converted from an older form.
    static bool IsConverted(const util::xml::Element& profile) {
        return profile.HasAttribute(kConvertedAttribute);
    }
    /// The message shown when a converted profile of the tool named `toolName` is loaded.
    static std::string ConvertedMessage(const std::string& toolName);

    /// The "configprofile" elements of a container of version "2.0", the single "configprofile"
    /// root, or the converted profiles of an older form; false for any other root.
    bool ReadProfiles(const std::string& file, std::vector<util::xml::Element>& profiles) const override;
    /// Writes the element as the file, atomically.
    bool WriteProfile(const util::xml::Element& element, const std::string& file) const override;
    /// The attribute "name"; for a container, that of its first "configprofile".
    std::string GetProfileName(const util::xml::Element& element) const override;
    /// "*.ccp".
    std::string GetFilePattern() const override { return "*.ccp"; }

protected:
    /// A "configprofiles" container of version "2.0".
    util::xml::Element MakeContainer(const std::vector<util::xml::Element>& profiles) const override;
};

} // namespace vex::orb::core
