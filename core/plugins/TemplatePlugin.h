#pragma once

#include "interface/CCameraPlugin.h"
#include "util/xml/Element.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::orb::core::plugins {

/// The descriptor of one scripted tool type: a template document that states the tool's input
/// channels, the virtual controls it offers other tools, its configuration parameters and the
/// triggers that recompute values of tool instances with expressions. Every tool object it makes
/// (a TemplatePlugin::Code) is built from the same document.
///
/// A template file is a "*.prm" file whose root element is kRootName; it lies where model files lie
/// (the factory data's "prm" folder, the data root's "prm" folder, the installation's "prm" folder).
/// The document's "name" is the type's identifier (the file name when it has none), "category" its
/// categories, "datapath" its data folder ("templates/" + identifier when it has none) and
/// "description" its help text. A descriptor that handles CCameraPlugin::kScriptedTool is offered under
/// "Templates".
class TemplatePlugin : public CCameraPlugin {
public:
    class Code;
    class Control;
    class Parameter;
    class PropertyTrigger;
    class Target;
    class Trigger;

    /// The root element of a template file.
    static constexpr const char* kRootName = "orbtemplate";
    /// The tree icon of every scripted tool's instances.
    static constexpr const char* kTreeIcon = "/core/images/treeicons/template.png";

    /// A descriptor for `document`, read from `source` (the file, named in messages about it).
    TemplatePlugin(util::xml::Element document, std::string source);

    /// A new TemplatePlugin::Code built from the document.
    CCamera* create(const CCamera::CreateParam& param) override;
    /// The document's "name", or the source's file name when it has none.
    std::string getIdentifier() override { return identifier_; }
    /// The document's "datapath", or "templates/" + identifier.
    std::string getFolderName() override;
    /// The identifier.
    std::string getDisplayName() override { return identifier_; }
    /// The document's "category"; "Template" when it names none.
    std::string getCategory() override;
    /// The document's "description".
    std::string getDescription() override { return document_.GetChildText("description"); }
    /// CCameraPlugin::kScriptedTool.
    std::vector<int32_t> getExtensionIds() const override { return {kScriptedTool}; }

    /// The template document.
    const util::xml::Element& GetDocument() const { return document_; }
    /// Where the document came from.
    const std::string& GetSource() const { return source_; }

private:
    util::xml::Element document_;
    std::string source_;
    std::string identifier_;
};

} // namespace vex::orb::core::plugins
