#pragma once

#include "host/command/Value.h"

#include <string>
#include <vector>

namespace vex::host::command {

/// One argument of a command as the script wrote it: a flag ("-name") or a value.
struct Argument {
    Value value;
    bool isFlag = false;
};

/// A command being run: its name, its arguments in order and the line it is on. Commands read
/// their flags through the helpers below.
struct CommandCall {
    std::string name;
    std::vector<Argument> args;
    int line = 1;

    /// Index of the first flag equal to `shortName` or `longName`, or -1.
    int FlagIndex(const char* shortName, const char* longName = nullptr) const;
    /// Whether the flag is present.
    bool HasFlag(const char* shortName, const char* longName = nullptr) const {
        return FlagIndex(shortName, longName) >= 0;
    }
    /// The arguments that are not flags and not the values of flags. `valueCounts` tells, for the
    /// flags that take values, how many follow them: {{"-n", 1}, {"-name", 1}}.
    std::vector<Value> Positional(const std::vector<std::pair<std::string, int>>& valueCounts = {}) const;
};

} // namespace vex::host::command
