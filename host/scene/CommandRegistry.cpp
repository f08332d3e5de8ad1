#include "host/scene/CommandRegistry.h"

#include "host/scene/BuiltinCommands.h"

namespace vex::host {

CommandRegistry& CommandRegistry::get() {
    static CommandRegistry registry;
    return registry;
}

CommandRegistry::CommandRegistry() {
    for (const BuiltinCommand& builtin : BuiltinCommands())
        commands_[builtin.name] = {builtin.creator, {}, builtin.syntax};
}

bool CommandRegistry::Add(const std::string& name, Creator creator, const std::string& owner,
                          std::shared_ptr<const CommandSyntax> syntax) {
    if (name.empty() || !creator) return false;
    return commands_.try_emplace(name, Entry{creator, owner, std::move(syntax)}).second;
}

bool CommandRegistry::remove(const std::string& name) {
    auto it = commands_.find(name);
    if (it == commands_.end() || it->second.owner.empty()) return false;
    commands_.erase(it);
    return true;
}

CommandRegistry::Creator CommandRegistry::Find(const std::string& name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : it->second.creator;
}

const CommandSyntax* CommandRegistry::Syntax(const std::string& name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : it->second.syntax.get();
}

std::string CommandRegistry::Owner(const std::string& name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? std::string() : it->second.owner;
}

std::vector<std::string> CommandRegistry::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : commands_) names.push_back(entry.first);
    return names;
}

std::vector<std::string> CommandRegistry::OwnedBy(const std::string& owner) const {
    std::vector<std::string> names;
    for (const auto& [name, entry] : commands_)
        if (!owner.empty() && entry.owner == owner) names.push_back(name);
    return names;
}

} // namespace vex::host
