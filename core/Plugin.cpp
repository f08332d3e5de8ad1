#include "core/Plugin.h"

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
    return nullptr; // not yet: the component layer builds the panel
}

std::string Plugin::GetDescription() const {
    return descriptor_->getDescription();
}

std::string Plugin::GetExtraText() const {
    return descriptor_->getExtraText();
}

bool Plugin::IsListed() const {
    return !descriptor_->hasExtension(kUnlistedExtension);
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
    (void)name;
    return nullptr; // not yet: the instance tree creates instances
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
