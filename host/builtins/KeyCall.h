#pragma once

#include "host/command/CommandCall.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vex::host::builtins {

/// A key command's call (setKeyframe, keyframe, cutKey, keyTangent) read in its mode: the values of
/// each flag, found by its long name, and the targets. Flags such as -tc take a value when editing and
/// none when querying; -t and -at take one in both.
class KeyCall {
public:
    explicit KeyCall(const command::CommandCall& call);

    bool Querying() const { return querying_; }
    /// Whether the flag (its long name, "-time") was given.
    bool Has(const char* longName) const { return flags_.count(longName) > 0; }
    /// Every value the flag was given, in order.
    std::vector<std::string> Values(const char* longName) const;
    /// The flag's last value, if any.
    std::optional<std::string> Last(const char* longName) const;

    /// The words that are neither flags nor their values: objects, plugs or curves.
    std::vector<std::string> targets;

private:
    bool querying_ = false;
    std::map<std::string, std::vector<std::string>> flags_;
};

} // namespace vex::host::builtins
