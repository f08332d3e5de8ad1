#pragma once

#include "core/LayoutWindow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::orb::core {

class Instance;
class XMLFileManager;

/// The profile window of the main window's "Profiles" menu (layout "orb_profiles.xml"): it lists the
/// configuration or input profiles of the selected instance's tool type and loads the one chosen
/// into the instance, saves the instance's values under the name typed, or deletes a profile of the
/// user's (factory profiles cannot be deleted). Each refusal is told to the user and changes nothing.
class ProfileChooser : public LayoutWindow {
public:
    static constexpr const char* kLayout = "orb_profiles.xml";
    static constexpr int32_t kPrompt = 100;
    static constexpr int32_t kList = 101;
    static constexpr int32_t kName = 102;
    static constexpr int32_t kOkButton = 103;
    static constexpr int32_t kCancelButton = 104;

    /// Which profiles, and what to do with the one chosen.
    enum class Kind { kConfiguration, kInput };
    enum class Action { kLoad, kSave, kDelete };

    ProfileChooser() : LayoutWindow(kLayout) {}

    /// Opens the window for `instance`, listing its type's profiles of `kind` for `action`.
    void Open(Instance& instance, Kind kind, Action action);
    /// Closes the window.
    void Close();
    bool IsOpen() const { return instance_ != nullptr; }
    /// The instance the window works on; null while closed.
    Instance* GetInstance() const { return instance_; }
    /// The profile names listed, as last read.
    const std::vector<std::string>& GetNames() const { return names_; }
    /// Carries the action out on the profile `name`; false (with a message) when it cannot be done.
    /// The window closes after a successful action.
    bool Apply(const std::string& name);

    void receive(util::Message& message, bool broadcast) override;

protected:
    void Built() override;

private:
    XMLFileManager& Manager() const;
    // Reads the names and puts them, the prompt and the action's label on the window.
    void ShowState();
    bool Load(const std::string& name);
    bool Save(const std::string& name);
    bool Delete(const std::string& name);

    Instance* instance_ = nullptr;
    Kind kind_ = Kind::kConfiguration;
    Action action_ = Action::kLoad;
    std::vector<std::string> names_;
};

} // namespace vex::orb::core
