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

void UiState::reset() {
    m_shelves.clear();
    m_current.clear();
    m_buttonCount = 0;
    m_hotkeys.clear();
    m_nameCommands.clear();
}

UiState::ShelfTab* UiState::findShelf(const std::string& name) {
    auto it =
        std::find_if(m_shelves.begin(), m_shelves.end(), [&](const ShelfTab& s) { return s.name == name; });
    return it == m_shelves.end() ? nullptr : &*it;
}

bool UiState::addShelf(const std::string& name) {
    if (name.empty() || findShelf(name)) return false;
    m_shelves.push_back({name, {}});
    m_current = name;
    return true;
}

bool UiState::removeShelf(const std::string& name) {
    auto it =
        std::find_if(m_shelves.begin(), m_shelves.end(), [&](const ShelfTab& s) { return s.name == name; });
    if (it == m_shelves.end()) return false;
    m_shelves.erase(it);
    if (m_current == name) m_current = m_shelves.empty() ? std::string() : m_shelves.front().name;
    return true;
}

bool UiState::setCurrentShelf(const std::string& name) {
    if (!findShelf(name)) return false;
    m_current = name;
    return true;
}

std::string UiState::addButton(ShelfTab& shelf, std::string name,
                               std::vector<std::pair<std::string, std::string>> flags) {
    if (name.empty()) name = "shelfButton" + std::to_string(++m_buttonCount);
    shelf.buttons.push_back({name, std::move(flags)});
    return std::string(kShelfTopLevel) + "|" + shelf.name + "|" + name;
}

std::string UiState::hotkey(const Hotkey& key) const {
    auto it = m_hotkeys.find(key);
    return it == m_hotkeys.end() ? std::string() : it->second;
}

void UiState::setHotkey(const Hotkey& key, const std::string& nameCommand) {
    if (nameCommand.empty())
        m_hotkeys.erase(key);
    else
        m_hotkeys[key] = nameCommand;
}

} // namespace vex::host::builtins
