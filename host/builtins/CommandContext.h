#pragma once

#include "host/command/CommandCall.h"
#include "host/command/Value.h"

#include <optional>
#include <string>
#include <vector>

namespace vex::host::builtins {

/// What a built-in command works with while it runs: the call as the script wrote it, the result it
/// answers and the reason it fails. The helpers read flags the way the host's commands do: a flag is
/// found by its short or long name and its values are the arguments that follow it.
class CommandContext {
public:
    CommandContext(const command::CommandCall& call, command::Value& result) : call(call), result(result) {}

    const command::CommandCall& call;
    command::Value& result;
    std::string error;

    /// Records the reason of a failure and answers false, so commands can `return Fail(...)`.
    bool Fail(std::string reason);

    /// Whether the flag is present.
    bool Has(const char* shortName, const char* longName = nullptr) const;
    /// The `offset`-th argument after the flag (1: the one right after it), when both exist.
    std::optional<command::Value> value(const char* shortName, const char* longName = nullptr,
                                        int offset = 1) const;
    /// The flag's value as text, or `fallback` when the flag or its value is missing.
    std::string text(const char* shortName, const char* longName, const std::string& fallback = {}) const;
    /// The flag's value as a number, or `fallback`.
    double Number(const char* shortName, const char* longName, double fallback) const;
    /// The flag's optional truth value: absent gives `absent`, a flag without a truth word after it
    /// gives true, otherwise the word ("true", "on", "yes", "1" / "false", "off", "no", "0").
    bool flag(const char* shortName, const char* longName, bool absent = false) const;

    /// The arguments that are neither flags nor values of flags; `valueCounts` names the flags that
    /// take values and how many.
    std::vector<std::string> Positional(const std::vector<std::pair<std::string, int>>& valueCounts) const;

    /// The arguments that are neither flags nor flag values, read with the flags the command declared
    /// (in query mode its flags take no values).
    std::vector<std::string> Objects() const;
    /// Whether the call asks a query (-q) of a command that declares one.
    bool IsQuery() const;
    /// The `count` numbers after a flag, as written (0 for missing values).
    std::vector<double> Numbers(const char* shortName, const char* longName, int count) const;

    /// Reads a truth word; none when the text is not one.
    static std::optional<bool> Truth(const std::string& text);
};

} // namespace vex::host::builtins
