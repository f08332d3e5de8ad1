#pragma once

#include "host/scene/CommandSyntax.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vex::host {

/// The commands the host can execute by name: its own built-in commands and those plug-ins registered.
class CommandRegistry {
public:
    /// Makes a new command object (an MPxCommand) for one invocation.
    using Creator = void* (*)();

    /// The one registry of the process; the built-in commands are registered on first use.
    static CommandRegistry& get();

    /// Adds a command owned by `owner` (a plug-in's name, empty for the host's own); false when the name
    /// is empty or already taken. A command with a syntax only runs with calls that fit it; one without
    /// gets whatever the script wrote.
    bool Add(const std::string& name, Creator creator, const std::string& owner,
             std::shared_ptr<const CommandSyntax> syntax = nullptr);
    /// Removes a command; false when it is not registered or it is built into the host.
    bool remove(const std::string& name);
    /// The creator of a command, or null.
    Creator Find(const std::string& name) const;
    /// The syntax of a command, or null when it declares none (or is unknown).
    const CommandSyntax* Syntax(const std::string& name) const;
    /// The owner of a command ("" for built-in or unknown commands).
    std::string Owner(const std::string& name) const;
    /// The names of every registered command, in name order.
    std::vector<std::string> Names() const;
    /// The names of the commands `owner` registered, in name order.
    std::vector<std::string> OwnedBy(const std::string& owner) const;

private:
    CommandRegistry();
    struct Entry {
        Creator creator;
        std::string owner;
        std::shared_ptr<const CommandSyntax> syntax;
    };
    std::map<std::string, Entry> commands_;
};

} // namespace vex::host
