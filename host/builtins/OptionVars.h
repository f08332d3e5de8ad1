#pragma once

#include "host/command/Value.h"

#include <map>
#include <optional>
#include <string>

namespace vex::host::builtins {

/// The option variables scripts keep for the session (optionVar): each an int, a float or a string,
/// or an array of one of them.
class OptionVars {
public:
    /// The one set of the process.
    static OptionVars& get();

    /// The value of a variable; none when it does not exist.
    std::optional<command::Value> Find(const std::string& name) const;
    /// Sets a variable, replacing what it held.
    void Set(const std::string& name, command::Value value);
    /// Appends to a variable's array (a single value becomes the first element); a value of another
    /// kind replaces it.
    void Append(const std::string& name, const command::Value& element);
    /// Removes a variable; false when it did not exist.
    bool remove(const std::string& name);
    /// Removes every variable.
    void clear() { values_.clear(); }

private:
    OptionVars() = default;

    std::map<std::string, command::Value> values_;
};

} // namespace vex::host::builtins
