#pragma once

#include <map>
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
    /// is empty or already taken.
    bool add(const std::string& name, Creator creator, const std::string& owner);
    /// Removes a command; false when it is not registered or it is built into the host.
    bool remove(const std::string& name);
    /// The creator of a command, or null.
    Creator find(const std::string& name) const;
    /// The owner of a command ("" for built-in or unknown commands).
    std::string owner(const std::string& name) const;
    /// The names of the commands `owner` registered, in name order.
    std::vector<std::string> ownedBy(const std::string& owner) const;

private:
    CommandRegistry();
    struct Entry {
        Creator creator;
        std::string owner;
    };
    std::map<std::string, Entry> commands_;
};

} // namespace vex::host
