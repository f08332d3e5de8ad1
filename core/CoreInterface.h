#pragma once

#include "core/Hooks.h"
#include "util/MessageNode.h"
#include "util/ReturnValue.h"

#include <cstdint>
#include <string>

namespace vex::util::xml {
class Element;
}
namespace vex::gui {
class Component;
}

namespace vex::orb::core {

class Instance;

/// The core's public operations, called by the host commands and the windows. The core is also the
/// message node "CORE".
///
/// The windows exist only while a widget application runs: without one (batch hosts)
/// ShowMainWindow answers kMainWindowUnavailable (10004) and CreateComponent null.
class CoreInterface : public util::MessageNode {
public:
    /// Native window handle (the host's main window).
    using NativeWindow = void*;

    CoreInterface() : util::MessageNode("CORE") {}
    ~CoreInterface() override = default;

    /// Hands `sink` the description of the whole instance tree, recorded input values included.
    virtual void DescribeAllInstances(util::ReturnValue<util::xml::Element>& sink) = 0;
    /// Hands `sink` an element "VXB" with every top-level instance that owns no scene node. Answers 0.
    virtual int WriteInstances(util::ReturnValue<util::xml::Element>& sink) = 0;
    /// Creates an instance from a template configuration; null when it cannot.
    virtual Instance* CreateInstanceFromTemplate(const util::xml::Element& config) = 0;
    /// Deletes every instance, last first, then refreshes the main window.
    virtual void DeleteAllInstances() = 0;
    /// Opens the main window under `parent`: 0, or 10002 when it was open already (it comes forward).
    virtual int ShowMainWindow(NativeWindow parent) = 0;
    /// Closes the main window: 0, or 10003 when it was not open.
    virtual int CloseMainWindow() = 0;
    /// Whether the main window exists.
    virtual bool IsMainWindowOpen() = 0;
    /// The root component of the main window; null while it was never opened.
    virtual gui::Component* GetMainWindowRoot() = 0;
    /// The component the first accepting component factory makes from `description`; null if none.
    virtual gui::Component* CreateComponent(const util::xml::Element& description) = 0;
    /// The host's time moved to `seconds` while nothing records: the instances show that moment.
    virtual void TimeChanged(double seconds) = 0;
    /// Whether a recording or re-simulation runs.
    virtual bool IsRecording() = 0;
    /// Whether a re-simulation runs.
    virtual bool IsResimulating() = 0;
    /// Stores (key, condition bits) pairs in the keyboard pass-through table.
    virtual void SetKeyPassThrough(const Hooks::PassThroughList& list) = 0;
    /// Starts a recording: 0, or 71 while one runs.
    virtual int StartRecording() = 0;
    /// Stops the recording. Answers 0.
    virtual int StopRecording() = 0;
    /// The slow-motion level 1..10.
    virtual int GetSlowLevel() = 0;
    /// Sets the slow-motion level (factor 2^(level-1)).
    virtual void SetSlowLevel(int level) = 0;
    /// Re-simulates the recorded take from `from` to `to` seconds: 0, or 71 while something runs.
    virtual int Resimulate(double from, double to) = 0;
    /// The instance named `name`; null when there is none.
    virtual Instance* FindInstance(const std::string& name) = 0;
    /// Loads the configuration profile `profileName` into the instance `instanceName`; true when done.
    virtual bool LoadProfile(const std::string& instanceName, const std::string& profileName) = 0;
    /// Applies the input profile `profileName` of the instance's tool type to the instance
    /// `instanceName`: the number of bindings whose control is not present (0 when all were found),
    /// or kProfileNotFound when there is no such instance or profile.
    virtual int LoadInputProfile(const std::string& instanceName, const std::string& profileName) = 0;
    /// Saves the input bindings of the instance `instanceName` as its tool type's input profile
    /// `profileName` (a file in the user's folder); true when done.
    virtual bool SaveInputProfile(const std::string& instanceName, const std::string& profileName) = 0;
    /// Creates an instance of the tool type `toolIdentifier`; its name, or "" for an unknown type.
    virtual std::string CreateTool(const std::string& toolIdentifier) = 0;
    /// Appends a copy of the instance after it; the copy's name, or "" when there is no such instance.
    virtual std::string CloneInstance(const std::string& instanceName) = 0;
    /// Same as the other FindInstance.
    virtual Instance* FindInstance(const char* name) = 0;
    /// Deletes the instance as one undo step; nothing when there is no such instance.
    virtual void DeleteInstance(const std::string& instanceName) = 0;
    /// Gives `component` its image folder ("[images]" is "data/core/images").
    virtual void SetImagePath(gui::Component* component) = 0;
    /// Brings the main window up to date with the core (its tree, its record controls).
    virtual void MainWindowCommand() = 0;
    /// Registers an additional main setting with a default value. Answers 0.
    virtual int AddSetting(int32_t id, double initial) = 0;
    virtual int AddSetting(int32_t id, const std::string& initial) = 0;
    virtual int AddSetting(int32_t id, int initial) = 0;
    virtual int AddSetting(int32_t id, bool initial) = 0;
    /// Reads the additional setting `id` into `value` (through its text form when it has another
    /// type); false, `value` untouched, when there is none.
    virtual bool GetSetting(int32_t id, double& value) = 0;
    virtual bool GetSetting(int32_t id, std::string& value) = 0;
    virtual bool GetSetting(int32_t id, int& value) = 0;
    virtual bool GetSetting(int32_t id, bool& value) = 0;
    /// Writes the additional setting `id` (through its text form when it has another type); false
    /// when there is none.
    virtual bool SetSetting(int32_t id, double value) = 0;
    virtual bool SetSetting(int32_t id, const std::string& value) = 0;
    virtual bool SetSetting(int32_t id, int value) = 0;
    virtual bool SetSetting(int32_t id, bool value) = 0;
    /// A modal message box owned by `parent`; `buttons` and `icon` are MB_ flags. Answers the
    /// button pressed (IDOK, ...).
    virtual int ShowMessage(NativeWindow parent, const std::string& title, const std::string& text,
                            unsigned buttons, unsigned icon) = 0;

    /// A text default is a string setting (not a bool, which a bare pointer would otherwise become).
    int AddSetting(int32_t id, const char* initial) { return AddSetting(id, std::string(initial)); }
    /// A text value is written as a string.
    bool SetSetting(int32_t id, const char* value) { return SetSetting(id, std::string(value)); }
};

} // namespace vex::orb::core
