#pragma once

#include "core/Tool.h"
#include "util/xml/Element.h"

#include <string>

namespace vex::orb::core {

/// A pre-rigged model offered as a tool type of its own: a saved, ready-configured instance
/// description ("VXB_Plugin") of an underlying tool type, read from a "*.prm" file.
///
/// From the description it reads the children "name" (the model's name, its identifier here) and
/// "type" (the underlying type's identifier), each "(Unknown)" when missing, and "category",
/// "datapath" (its folder, "core/prm" when missing), "description" and "customdata"; category,
/// folder and description are also looked for inside "customdata", where scripted tools keep them.
/// A packed description (attribute "compressed") is kept as stored and unpacked when an instance is
/// made from it; its name and type read as "(Unknown)".
class Template : public Tool {
public:
    /// The name and type of a description that lacks them.
    static constexpr const char* kUnknown = "(Unknown)";
    /// The folder of a model whose description names none.
    static constexpr const char* kDefaultFolder = "core/prm";
    /// The images of every model.
    static constexpr const char* kImageFolder = "/core/prm/images";

    /// Registers a Template built from a model file's root element (the "VXB_Plugin" element itself
    /// or an element holding one) with `library`, which owns it. `baseFolder` is the file's folder.
    static Template* Register(Library& library, const util::xml::Element& root, std::string baseFolder);

    /// The information panel, built once while widgets can be made.
    gui::Component* GetInfoComponent() override;
    /// The descriptor's (or the model's) display name.
    std::string GetDisplayName() const override;
    /// The description's "description" text.
    std::string GetDescription() const override;
    /// Empty: models carry no further text.
    std::string GetExtraText() const override { return {}; }
    /// True: models are offered under "Templates".
    bool IsListed() const override { return true; }
    /// kTemplateKind.
    int GetKind() const override { return kTemplateKind; }
    /// The description's "datapath", or kDefaultFolder.
    std::string GetFolderName() const override;
    /// The model's name.
    std::vector<std::string> GetTypeNames() const override { return {name_}; }
    /// The description's category string split at ";".
    std::vector<std::string> GetCategories() const override;
    /// A new instance of the underlying type owned by the caller, with the stored description
    /// restored into it (its nodes must exist in the scene, else the missing-nodes message); named
    /// `name`, or the stored name, made unique. Null when the underlying type is unknown.
    Instance* CreateInstance(const std::string& name) override;
    /// A tool object of the underlying type, kept by that type; null when no compiled-in or loaded
    /// type has that identifier.
    CCamera* CreateObject(const std::string& name) override;
    /// Makes `element` a copy of the stored description.
    void WriteDescription(util::xml::Element& element) const override;
    /// kImageFolder.
    std::string GetImageFolder() const override { return kImageFolder; }

    /// Brings the model's scene nodes into the host scene (the adaptor's scene merge of the model
    /// file, one undo step); the instance made from the stored description then finds them.
    void MergeScene() const;

    /// The identifier of the underlying tool type.
    const std::string& GetType() const { return type_; }
    /// The folder of the model file.
    const std::string& GetBaseFolder() const { return baseFolder_; }
    /// The stored "VXB_Plugin" description.
    const util::xml::Element& GetStoredDescription() const { return description_; }
    /// The description's "customdata" element, or null.
    const util::xml::Element* GetCustomData() const { return description_.GetChild("customdata"); }

private:
    Template(Library& library, const util::xml::Element& root, std::string baseFolder);

    // The text of the description's child `name`, else of that child of its custom data; empty
    // when neither exists.
    std::string ReadText(std::string_view name) const;

    util::xml::Element description_;
    std::string baseFolder_;
    std::string name_;
    std::string type_;
};

} // namespace vex::orb::core
