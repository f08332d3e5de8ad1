#pragma once

#include "core/ConfigProfileManager.h"
#include "core/InputProfileManager.h"
#include "interface/CExtendable.h"
#include "util/DynamicObject.h"
#include "util/MessageNode.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::util::xml {
class Element;
}
namespace vex::gui {
class Component;
}
namespace vex::orb {
class CCamera;
}

namespace vex::orb::core {

class Instance;
class Library;

/// One tool type the user can create, held by its Library. The message-node name is the type's
/// identifier (the first of GetTypeNames), set by the derived class once it can answer.
///
/// A tool keeps the tool objects made through CreateObject until they are released through
/// ReleaseObject or destroyed with DestroyObjects (shutdown) or with the tool.
///
/// Each type owns its configuration-profile and input-profile managers, prepared by the derived
/// class once it can name its folders.
class Tool : public util::DynamicObject, public util::MessageNode, public CExtendable {
public:
    /// The managers of the type's configuration profiles and input profiles.
    using ConfigProfileManager = core::ConfigProfileManager;
    using InputProfileManager = core::InputProfileManager;

    /// What GetKind answers.
    enum Kind : int { kPluginKind = 1, kTemplateKind = 2, kScriptedKind = 3 };
    /// The name of the built-in profile both managers offer.
    static constexpr const char* kBuiltInProfileName = "Factory Settings";
    /// The information panel's layout and components: the name, the description, the further
    /// text, and the product button that creates an instance of the type.
    static constexpr const char* kInfoLayout = "orb_popout_product.xml";
    static constexpr int32_t kInfoName = 100;
    static constexpr int32_t kInfoDescription = 101;
    static constexpr int32_t kInfoExtraText = 102;
    static constexpr int32_t kInfoCreateButton = 104;

    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;
    /// Destroys the objects the tool still owns, last first.
    ~Tool() override;

    // The operations of a tool type, in slot order; GetImageFolder, which the information panel
    // needs, comes last.

    /// The type's information panel for the main window; built by the component layer.
    virtual gui::Component* GetInfoComponent() = 0;
    /// One paragraph of help text.
    virtual std::string GetDescription() const = 0;
    /// The descriptor's further text.
    virtual std::string GetExtraText() const = 0;
    /// Whether the main window offers the type in its lists.
    virtual bool IsListed() const = 0;
    /// kPluginKind, kTemplateKind (a pre-rigged model) or kScriptedKind (a plug-in whose tools are
    /// scripted by a template document).
    virtual int GetKind() const = 0;
    /// The type's folder below the data folder.
    virtual std::string GetFolderName() const = 0;
    /// The identifier first, then the further names saved instances may carry for the type.
    virtual std::vector<std::string> GetTypeNames() const = 0;
    /// The categories of the type ("Vehicle", "Camera", ...), in the order given.
    virtual std::vector<std::string> GetCategories() const = 0;
    /// The writable folder of the type: data root + "/data/" + folder name.
    virtual std::string GetUserFolder() const;
    /// The compiled-in folder of the type: ":/torvasuite/data/" + folder name.
    virtual std::string GetFactoryFolder() const;
    /// The folder name with every "/" and "\" replaced by "_", for names of files about the type.
    virtual std::string GetFileName() const;
    /// Creates an instance of the type named `name` (identifier + "_01" when empty); the caller owns
    /// it (the instance tree, once it is placed there). Null when it cannot be made.
    virtual Instance* CreateInstance(const std::string& name) = 0;
    /// A new tool object named `name`, kept by this tool (or by the type it stands for); null when
    /// the object cannot be made.
    virtual CCamera* CreateObject(const std::string& name) = 0;
    /// Makes `element` a fresh description of an instance of the type.
    virtual void WriteDescription(util::xml::Element& element) const = 0;
    /// The folder, below the data folder, of the images the information panel shows.
    virtual std::string GetImageFolder() const = 0;
    /// The name shown in lists and the information panel.
    virtual std::string GetDisplayName() const = 0;

    /// The library that owns the tool.
    Library& GetLibrary() const { return library_; }
    /// The first of GetTypeNames.
    std::string GetIdentifier() const;
    /// Number of live tool objects the tool owns, and the one at `index` (null when out of range).
    std::size_t GetObjectCount() const { return objects_.size(); }
    CCamera* GetObject(std::size_t index) const {
        return index < objects_.size() ? objects_[index] : nullptr;
    }
    /// Releases `object` if the tool owns it; false when it does not.
    bool ReleaseObject(CCamera* object);
    /// Releases every object the tool still owns, last first.
    void DestroyObjects();

    /// The type's configuration profiles.
    ConfigProfileManager& GetConfigProfileManager() { return configProfiles_; }
    /// The type's input profiles.
    InputProfileManager& GetInputProfileManager() { return inputProfiles_; }

protected:
    /// A tool of `library`, appended to its tools; the library owns it from here on.
    explicit Tool(Library& library);

    /// The categories of a category string: the non-empty pieces between ";".
    static std::vector<std::string> SplitCategories(const std::string& text);

    /// The information panel (layout "orb_popout_product.xml"), built on the first call while widgets
    /// can be made and kept: "[coreimages]" names the core's images, "[images]" the type's image folder.
    gui::Component* BuildInfoComponent();

    /// Files `object` (may be null) among the tool's live objects and returns it.
    CCamera* Keep(CCamera* object);

    /// Points both profile managers at the factory and user folders, their sub-folders and
    /// container files, with kBuiltInProfileName. Called by the derived constructor, as the folders
    /// depend on GetFolderName.
    void PrepareProfileManagers();

private:
    Library& library_;
    std::vector<CCamera*> objects_;
    std::unique_ptr<gui::Component> info_;
    ConfigProfileManager configProfiles_;
    InputProfileManager inputProfiles_;
};

} // namespace vex::orb::core
