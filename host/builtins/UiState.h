#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vex::host::builtins {

/// The host's user-interface state that scripts reach: shelf tabs with their buttons, hotkey bindings
/// and name commands. The host has no window of its own to show them in; plug-ins and tests read them
/// here.
class UiState {
public:
    /// The top-level shelf layout, the value of the script variable $gShelfTopLevel.
    static constexpr const char* kShelfTopLevel = "ShelfLayout";

    /// A shelf button: its name and the flags it was made with (long or short flag name, value).
    struct ShelfButton {
        std::string name;
        std::vector<std::pair<std::string, std::string>> flags;
        /// The value of a flag given by either name ("" when absent).
        std::string flag(const std::string& shortName, const std::string& longName) const;
    };
    struct ShelfTab {
        std::string name;
        std::vector<ShelfButton> buttons;
    };
    /// A hotkey: the key ("-", "Space", "a" ...) and its modifiers.
    struct Hotkey {
        std::string key;
        bool alt = false, ctl = false, sht = false, cmd = false;
        bool operator<(const Hotkey& other) const;
    };
    struct NameCommand {
        std::string annotation;
        std::string command;
    };

    static UiState& get();
    /// Back to a host without shelves, hotkeys or name commands.
    void Reset();

    const std::vector<ShelfTab>& Shelves() const { return shelves_; }
    ShelfTab* FindShelf(const std::string& name);
    /// Adds a shelf tab and makes it current; false when the name is taken.
    bool AddShelf(const std::string& name);
    /// Removes a shelf tab with its buttons; false when there is none.
    bool RemoveShelf(const std::string& name);
    const std::string& CurrentShelf() const { return current_; }
    /// Makes a shelf current; false when there is none of that name.
    bool SetCurrentShelf(const std::string& name);
    /// Adds a button to a shelf and answers its full name ("ShelfLayout|shelf|shelfButton1").
    std::string addButton(ShelfTab& shelf, std::string name,
                          std::vector<std::pair<std::string, std::string>> flags);

    /// The name command bound to a hotkey ("" when none).
    std::string HotkeyCommand(const Hotkey& key) const;
    /// Binds a hotkey to a name command; an empty name removes the binding.
    void SetHotkey(const Hotkey& key, const std::string& nameCommand);

    const std::map<std::string, NameCommand>& NameCommands() const { return nameCommands_; }
    void SetNameCommand(const std::string& name, NameCommand command) {
        nameCommands_[name] = std::move(command);
    }

private:
    UiState() = default;

    std::vector<ShelfTab> shelves_;
    std::string current_;
    int buttonCount_ = 0;
    std::map<Hotkey, std::string> hotkeys_;
    std::map<std::string, NameCommand> nameCommands_;
};

} // namespace vex::host::builtins
