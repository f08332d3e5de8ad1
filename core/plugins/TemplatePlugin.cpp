#include "core/plugins/TemplatePlugin.h"

#include "core/Library.h"
#include "core/plugins/TemplatePlugin_Code.h"

#include <new>

namespace vex::orb::core::plugins {

TemplatePlugin::TemplatePlugin(util::xml::Element document, std::string source)
    : document_(std::move(document)), source_(std::move(source)),
      identifier_(document_.GetChildText("name")) {
    if (identifier_.empty()) identifier_ = Library::NameFromPath(source_);
}

CCamera* TemplatePlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) Code(param, *this);
}

std::string TemplatePlugin::getFolderName() {
    const std::string folder = document_.GetChildText("datapath");
    return folder.empty() ? "templates/" + identifier_ : folder;
}

std::string TemplatePlugin::getCategory() {
    const std::string category = document_.GetChildText("category");
    return category.empty() ? std::string("Template") : category;
}

} // namespace vex::orb::core::plugins
