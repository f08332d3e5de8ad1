#include "core/Plugin.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "interface/CCameraPlugin.h"
#include "util/xml/Tag.h"
#include "util/xml/TagWithData.h"

namespace vex::orb::core {

Plugin* Plugin::Register(Library& library, CCameraPlugin* descriptor) {
    return new Plugin(library, descriptor);
}

Plugin::Plugin(Library& library, CCameraPlugin* descriptor) : Tool(library), descriptor_(descriptor) {
    setName(descriptor_->getIdentifier());
    PrepareProfileManagers();
}

Plugin::~Plugin() {
    // The objects' code may live in the descriptor's module: they go first.
    DestroyObjects();
    descriptor_->release();
}

gui::Component* Plugin::GetInfoComponent() {
    return BuildInfoComponent();
}

std::string Plugin::GetDisplayName() const {
    return descriptor_->getDisplayName();
}

std::string Plugin::GetDescription() const {
    return descriptor_->getDescription();
}

std::string Plugin::GetExtraText() const {
    return descriptor_->GetExtraText();
}

bool Plugin::IsListed() const {
    return !descriptor_->hasExtension(kUnlistedExtension);
}

int Plugin::GetKind() const {
    return descriptor_->hasExtension(CCameraPlugin::kScriptedTool) ? kScriptedKind : kPluginKind;
}

std::string Plugin::GetFolderName() const {
    return descriptor_->getFolderName();
}

std::vector<std::string> Plugin::GetTypeNames() const {
    std::vector<std::string> names{descriptor_->getIdentifier()};
    descriptor_->extension(CCameraPlugin::kAliases, &names);
    return names;
}

std::vector<std::string> Plugin::GetCategories() const {
    return SplitCategories(descriptor_->getCategory());
}

Instance* Plugin::CreateInstance(const std::string& name) {
    const std::string identifier = GetIdentifier();
    std::string chosen = name.empty() ? identifier + "_01" : name;
    if (CoreImplementation* core = FindCore()) chosen = core->MakeUniqueName(name, identifier);
    std::unique_ptr<Instance> instance = Instance::Create(*this, chosen, nullptr);
    if (instance == nullptr) return nullptr;

    // The values of a fresh instance are the type's built-in profile; a "Start Profile" of either
    // kind then applies to every new instance.
    util::xml::Element profile;
    instance->WriteConfiguration(profile, kBuiltInProfileName);
    GetConfigProfileManager().SetBuiltInProfile(profile);
    if (GetConfigProfileManager().GetStartProfile(profile)) instance->LoadConfiguration(profile);
    if (GetInputProfileManager().GetStartProfile(profile)) instance->LoadInputProfile(profile);
    return instance.release();
}

CCamera* Plugin::CreateObject(const std::string& name) {
    CCamera::CreateParam param;
    param.plugin = descriptor_;
    param.name = name;
    return Keep(descriptor_->create(param));
}

void Plugin::WriteDescription(util::xml::Element& element) const {
    element = util::xml::Tag("VXB_Plugin");
    element.SetAttribute("version", "2.5");
    element.AddChild(util::xml::TagWithData("type", descriptor_->getIdentifier()));
    element.AddChild(util::xml::Tag("name"));
}

std::string Plugin::GetImageFolder() const {
    // Built by appending: GCC 12 at -O3 misreports "literal + string" as an overlapping copy.
    std::string folder = "/";
    folder += GetFolderName();
    folder += "/images";
    return folder;
}

} // namespace vex::orb::core
