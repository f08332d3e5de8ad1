#pragma once

#include "core/configadaptor/Node.h"
#include "util/xml/Element.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core {
class AdaptorInterface;
class MainConfigSettings;
} // namespace vex::orb::core

namespace vex::orb::core::configadaptor::element {

class Root;

/// The main settings as configuration elements, for the main settings window (layout
/// "orb_mainconfig.xml"): the start count-down (id 100, 0 to 9 seconds), silent mode (102) and
/// always on top (103), bound to the main settings, followed by the host's own settings.
///
/// Host settings come from the adaptor's getHostSettings: a tag (its "label", when given, titles
/// the group) holding one "item" per setting, with "label", "type" and the value as text:
///   "bool"   a check box, "1" or "0";
///   "int"    a whole-number spinner with optional "min", "max", "step";
///   "double" a spinner with optional "min", "max", "step";
///   "text"   a text box.
/// Items of another type are not shown and go back unchanged. Each change goes back to the host at
/// once through setHostSettings, as a copy of that tag with the items' values replaced. The host
/// elements carry ids from kFirstHostId on, in item order.
///
/// Changes are stored directly, without host undo steps: the settings are not part of the scene.
/// The values found when the object was made are the ones Revert() puts back.
class MainConfig : public Node {
public:
    /// The layout file of the main settings window.
    static constexpr const char* kLayout = "orb_mainconfig.xml";
    /// The list of the layout that receives the host settings.
    static constexpr int32_t kHostSlot = 200;
    /// The id of the first host setting.
    static constexpr int32_t kFirstHostId = 1000;
    /// The group title of host settings whose tag has no "label".
    static constexpr const char* kHostGroupLabel = "Host settings";

    /// The elements of `settings` and of the host settings `adaptor` offers (none for null).
    MainConfig(MainConfigSettings& settings, AdaptorInterface* adaptor);
    ~MainConfig() override;

    /// The window's layout: the layout file with the host settings put in; an empty tag when the
    /// file cannot be read.
    util::xml::Element buildLayout() const override;
    /// Puts the layout of the host settings into the slot of `layout`, the layout file's content.
    void CompleteLayout(util::xml::Element& layout) const;

    /// The elements of the main settings (100, 102, 103).
    Node& GetMainSettings() const;
    /// The group of the host settings; null when the host has none.
    Node* getHostSettings() const { return hostGroup_; }

    /// A change made by the user: stores `number` (or `text`, for a text box) in the element's
    /// setting and shows it; a host setting goes back to the host.
    void store(Node& element, double number, const std::string& text);
    /// Puts back the values found when the object was made (the host told, when a host setting
    /// changed).
    void Revert();
    /// Saves the settings file and sets the silent flag of the message boxes from silent mode, as
    /// loading the settings does. True when the file was written.
    bool Apply();

private:
    // The storage of one host setting shown by the element of the same index.
    struct HostValue {
        size_t item; // index of the "item" tag among the host tag's children
        std::string type;
        bool flag = false;
        int whole = 0;
        double number = 0.0;
        std::string text;
    };
    // The main settings as they were when the object was made.
    struct Opened {
        int32_t countdown;
        bool silent;
        bool alwaysOnTop;
    };

    void AddHostSettings(const util::xml::Element& settings);
    // The host tag with the current values, and that tag handed to the host.
    util::xml::Element CurrentHostSettings() const;
    void SendHostSettings() const;
    // Whether `element` is one of the host settings.
    bool IsHostSetting(const Node& element) const;
    // Reads the host tag's item texts into the storage.
    void ReadHostValues(const util::xml::Element& settings);

    MainConfigSettings& settings_;
    AdaptorInterface* adaptor_;
    Opened opened_;
    Root* main_;
    Node* hostGroup_ = nullptr;
    util::xml::Element hostOpened_;
    std::vector<std::unique_ptr<HostValue>> hostValues_;
    bool hostChanged_ = false;
};

} // namespace vex::orb::core::configadaptor::element
