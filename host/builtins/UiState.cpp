#include "host/builtins/UiState.h"

#include <algorithm>
#include <tuple>

namespace vex::host::builtins {

std::string UiState::ShelfButton::flag(const std::string& shortName, const std::string& longName) const {
    for (const auto& [name, value] : flags)
        if (name == shortName || name == longName) return value;
    return {};
}

bool UiState::Hotkey::operator<(const Hotkey& other) const {
    return std::tie(key, alt, ctl, sht, cmd) <
           std::tie(other.key, other.alt, other.ctl, other.sht, other.cmd);
}

UiState& UiState::get() {
    static UiState state;
    return state;
}

void UiState::Reset() {
    shelves_.clear();
    current_.clear();
    buttonCount_ = 0;
    hotkeys_.clear();
    nameCommands_.clear();
}

UiState::ShelfTab* UiState::FindShelf(const std::string& name) {
    auto it =
        std::find_if(shelves_.begin(), shelves_.end(), [&](const ShelfTab& s) { return s.name == name; });
    return it == shelves_.end() ? nullptr : &*it;
}

bool UiState::AddShelf(const std::string& name) {
    if (name.empty() || FindShelf(name)) return false;
    shelves_.push_back({name, {}});
    current_ = name;
    return true;
}

bool UiState::RemoveShelf(const std::string& name) {
    auto it =
        std::find_if(shelves_.begin(), shelves_.end(), [&](const ShelfTab& s) { return s.name == name; });
    if (it == shelves_.end()) return false;
    shelves_.erase(it);
    if (current_ == name) current_ = shelves_.empty() ? std::string() : shelves_.front().name;
    return true;
}

bool UiState::SetCurrentShelf(const std::string& name) {
    if (!FindShelf(name)) return false;
    current_ = name;
    return true;
}

std::string UiState::addButton(ShelfTab& shelf, std::string name,
                               std::vector<std::pair<std::string, std::string>> flags) {
    if (name.empty()) name = "shelfButton" + std::to_string(++buttonCount_);
    shelf.buttons.push_back({name, std::move(flags)});
    return std::string(kShelfTopLevel) + "|" + shelf.name + "|" + name;
}

std::string UiState::HotkeyCommand(const Hotkey& key) const {
    auto it = hotkeys_.find(key);
    return it == hotkeys_.end() ? std::string() : it->second;
}

void UiState::SetHotkey(const Hotkey& key, const std::string& nameCommand) {
    if (nameCommand.empty())
        hotkeys_.erase(key);
    else
        hotkeys_[key] = nameCommand;
}

} // namespace vex::host::builtins
