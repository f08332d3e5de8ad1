#pragma once

#include "core/Tool.h"

namespace vex::orb {
class CCameraPlugin;
}

namespace vex::orb::core {

/// A compiled-in or loaded tool type: a Tool that answers from the CCameraPlugin descriptor it owns
/// and makes its tool objects through it.
class Plugin : public Tool {
public:
    /// A descriptor that handles this extension is not offered in the main window's lists.
    static constexpr int kUnlistedExtension = 51;

    /// Registers a Plugin for `descriptor` (not null; ownership passes) with `library`, which owns it.
    static Plugin* Register(Library& library, CCameraPlugin* descriptor);

    /// Destroys the objects it still owns, then releases the descriptor.
    ~Plugin() override;

    /// The information panel, built once while widgets can be made.
    gui::Component* GetInfoComponent() override;
    /// The descriptor's (or the model's) display name.
    std::string GetDisplayName() const override;
    /// The descriptor's description.
    std::string GetDescription() const override;
    /// The descriptor's further text.
    std::string GetExtraText() const override;
    /// True unless the descriptor handles kUnlistedExtension.
    bool IsListed() const override;
    /// kScriptedKind when the descriptor handles CCameraPlugin::kScriptedTool, else kPluginKind.
    int GetKind() const override;
    /// The descriptor's folder name.
    std::string GetFolderName() const override;
    /// The descriptor's identifier, then the names it adds through its alias extension.
    std::vector<std::string> GetTypeNames() const override;
    /// The descriptor's category string split at ";".
    std::vector<std::string> GetCategories() const override;
    /// A new instance owned by the caller, named `name` or identifier + "_01" when empty (made unique
    /// within the core's tree); its configuration becomes the type's "Factory Settings", then the
    /// "Start Profile" configuration and input profiles apply when the type has them. Null when the
    /// tool object cannot be made or refuses to initialise.
    Instance* CreateInstance(const std::string& name) override;
    /// A tool object made by the descriptor with {descriptor, name}; kept by this tool.
    CCamera* CreateObject(const std::string& name) override;
    /// A "VXB_Plugin" element with version "2.5", the "type" (identifier) and an empty "name".
    void WriteDescription(util::xml::Element& element) const override;
    /// "/" + folder name + "/images".
    std::string GetImageFolder() const override;

    /// The descriptor the type answers from.
    CCameraPlugin& GetDescriptor() const { return *descriptor_; }

private:
    Plugin(Library& library, CCameraPlugin* descriptor);

    CCameraPlugin* descriptor_;
};

} // namespace vex::orb::core
