#pragma once

#include "host/command/Value.h"

#include <map>
#include <optional>
#include <string>

namespace vex::host::builtins {

/// The option variables scripts keep (optionVar): each an int, a float or a string, or an array of one
/// of them. They last for the session and, when the user has a prefs folder
/// ($MAYA_APP_DIR/2014/prefs), are written to its optionVars.mel after every change and read from it
/// when the session first uses them.
class OptionVars {
public:
    /// The one set of the process.
    static OptionVars& get();

    /// The file the variables persist in; empty when the prefs folder does not exist.
    static std::string PrefsFile();
    /// Writes every variable to `path` as optionVar commands; false when it cannot be written.
    bool Save(const std::string& path) const;
    /// Replaces the variables with those `path` holds (as Save writes them); false, and nothing
    /// changed, when it cannot be read or a line is not one Save writes.
    bool Load(const std::string& path);

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
    void clear();

private:
    OptionVars() = default;
    /// Appends as Append does, without writing the prefs file.
    void AddElement(const std::string& name, const command::Value& element);
    /// Writes the variables to the prefs file, when there is one.
    void Persist() const;

    std::map<std::string, command::Value> values_;
};

} // namespace vex::host::builtins
