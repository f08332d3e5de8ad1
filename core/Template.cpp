#include "core/Template.h"

#include "core/AdaptorInterface.h"
#include "core/CoreImplementation.h"
#include "core/CoreNode.h"
#include "core/CoreStartup.h"
#include "core/CurrentAdaptor.h"
#include "core/DescriptionPacker.h"
#include "core/Instance.h"
#include "core/Library.h"
#include "core/LibraryManager.h"

namespace vex::orb::core {

namespace {

// The instance description a model file holds: its root when that is the description, else the
// root's first "VXB_Plugin" child; an empty element when there is none.
util::xml::Element FindDescription(const util::xml::Element& root) {
    if (root.GetName() == "VXB_Plugin") return root;
    const util::xml::Element* child = root.GetChild("VXB_Plugin");
    return child != nullptr ? *child : util::xml::Element();
}

std::string TextOr(const util::xml::Element& element, std::string_view name, const char* fallback) {
    const util::xml::Element* child = element.GetChild(name);
    return child != nullptr ? child->GetText() : std::string(fallback);
}

} // namespace

Template* Template::Register(Library& library, const util::xml::Element& root, std::string baseFolder) {
    return new Template(library, root, std::move(baseFolder));
}

Template::Template(Library& library, const util::xml::Element& root, std::string baseFolder)
    : Tool(library), description_(FindDescription(root)), baseFolder_(std::move(baseFolder)),
      name_(TextOr(description_, "name", kUnknown)), type_(TextOr(description_, "type", kUnknown)) {
    setName(name_);
    PrepareProfileManagers();
}

gui::Component* Template::GetInfoComponent() {
    return BuildInfoComponent();
}

std::string Template::GetDisplayName() const {
    return name_;
}

std::string Template::GetDescription() const {
    return ReadText("description");
}

std::string Template::GetFolderName() const {
    const std::string folder = ReadText("datapath");
    return folder.empty() ? std::string(kDefaultFolder) : folder;
}

std::vector<std::string> Template::GetCategories() const {
    return SplitCategories(ReadText("category"));
}

void Template::MergeScene() const {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return;
    std::vector<CoreNode*> merged;
    NodeList out(&merged);
    adaptor->mergeScene(GetLibrary().GetPath(), out);
    // The instance takes the nodes over by their tags; these objects only report what came in.
    for (CoreNode* node : merged)
        if (node != nullptr) node->release();
}

Instance* Template::CreateInstance(const std::string& name) {
    Tool* underlying = LibraryManager::Instance().FindTool(type_);
    if (underlying == nullptr || underlying->GetKind() == kTemplateKind) return nullptr;
    MergeScene();
    util::xml::Element description = description_;
    if (IsPacked(description_) && !UnpackDescription(description_, description)) return nullptr;
    if (description.GetChild("savedata") == nullptr) return underlying->CreateInstance(name);
    std::string chosen = name.empty() ? TextOr(description, "name", kUnknown) : name;
    if (CoreImplementation* core = FindCore())
        chosen = core->MakeUniqueName(chosen, underlying->GetIdentifier());
    return Instance::Create(*underlying, chosen, &description).release();
}

CCamera* Template::CreateObject(const std::string& name) {
    Tool* underlying = LibraryManager::Instance().FindTool(type_);
    // Only a compiled-in, loaded or scripted type makes objects; a model naming another model makes none.
    if (underlying == nullptr || underlying->GetKind() == kTemplateKind) return nullptr;
    return underlying->CreateObject(name);
}

void Template::WriteDescription(util::xml::Element& element) const {
    element = description_;
}

std::string Template::ReadText(std::string_view name) const {
    if (const util::xml::Element* child = description_.GetChild(name)) return child->GetText();
    if (const util::xml::Element* custom = GetCustomData()) {
        if (const util::xml::Element* child = custom->GetChild(name)) return child->GetText();
    }
    return {};
}

} // namespace vex::orb::core
