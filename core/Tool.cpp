#include "core/Tool.h"

#include "core/DataPaths.h"
#include "core/LayoutWindow.h"
#include "core/Library.h"
#include "gui/Component.h"
#include "gui/ComponentBuilder.h"
#include "gui/componentinterface/Label.h"
#include "interface/CCamera.h"

#include <algorithm>

namespace vex::orb::core {

Tool::Tool(Library& library) : library_(library) {
    library.tools_.push_back(this);
}

Tool::~Tool() {
    DestroyObjects();
}

gui::Component* Tool::BuildInfoComponent() {
    if (info_ != nullptr || !LayoutWindow::WidgetsAvailable()) return info_.get();
    LayoutWindow::RegisterCoreImages();
    info_ = gui::ComponentBuilder::CreateFromFile(LayoutWindow::LayoutPath(kInfoLayout));
    if (info_ == nullptr) return nullptr;
    info_->SetPathVariable("images", GetInstallPath("data") + GetImageFolder());
    const auto setText = [this](int32_t id, const std::string& text) {
        auto* label = info_->FindById<gui::componentinterface::Label>(id);
        if (label == nullptr) return;
        label->SetText(text);
        info_->FindById(id)->SetVisible(!text.empty());
    };
    setText(kInfoName, "<b>" + GetDisplayName() + "</b>");
    setText(kInfoDescription, GetDescription());
    setText(kInfoExtraText, GetExtraText());
    return info_.get();
}

std::string Tool::GetUserFolder() const {
    return JoinDataPath(GetDataRoot(), "/data/" + GetFolderName());
}

std::string Tool::GetFactoryFolder() const {
    return GetInstallPath("data") + "/" + GetFolderName();
}

std::string Tool::GetFileName() const {
    std::string name = GetFolderName();
    std::replace(name.begin(), name.end(), '/', '_');
    std::replace(name.begin(), name.end(), '\\', '_');
    return name;
}

std::string Tool::GetIdentifier() const {
    const std::vector<std::string> names = GetTypeNames();
    return names.empty() ? std::string() : names.front();
}

bool Tool::ReleaseObject(CCamera* object) {
    const auto found = std::find(objects_.begin(), objects_.end(), object);
    if (object == nullptr || found == objects_.end()) return false;
    objects_.erase(found);
    object->release();
    return true;
}

void Tool::DestroyObjects() {
    while (!objects_.empty()) {
        CCamera* object = objects_.back();
        objects_.pop_back();
        object->release();
    }
}

std::vector<std::string> Tool::SplitCategories(const std::string& text) {
    std::vector<std::string> categories;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) categories.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return categories;
}

void Tool::PrepareProfileManagers() {
    const std::string factory = GetFactoryFolder();
    const std::string user = GetUserFolder();
    configProfiles_.Prepare(factory, user, "/configprofiles", "/configprofile.xml", kBuiltInProfileName);
    inputProfiles_.Prepare(factory, user, "/inputprofiles", "/inputprofile.xml", kBuiltInProfileName);
}

CCamera* Tool::Keep(CCamera* object) {
    if (object != nullptr) objects_.push_back(object);
    return object;
}

} // namespace vex::orb::core
