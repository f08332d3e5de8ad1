#pragma once

#include "host/command/CommandCall.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vex::host {

/// The flags and arguments a command accepts. The engine checks every call of a command that declares
/// one against it before the command object is made, so a misspelt flag, a flag without its value or
/// a value of the wrong kind stops the call with nothing changed.
class CommandSyntax {
public:
    /// What a flag or an argument takes.
    enum class Arg {
        kNone,         ///< a flag on its own
        kString,       ///< any word
        kNumber,       ///< a number in the "C" form
        kInteger,      ///< a whole number
        kTruth,        ///< a truth word ("true", "on", "yes", "1" / "false", "off", "no", "0")
        kOptionalTruth ///< a truth word when one follows, else the flag alone stands for true
    };

    /// Declares a flag by its short and long name (with the leading "-") and what follows it.
    CommandSyntax& flag(const char* shortName, const char* longName, Arg arg = Arg::kNone);
    /// Declares a flag followed by several values, in order.
    CommandSyntax& flag(const char* shortName, const char* longName, std::vector<Arg> args);
    /// Declares -q/-query: in query mode the flags take no values, as the queried values are answers.
    CommandSyntax& Query();
    /// Declares -e/-edit.
    CommandSyntax& Edit();
    /// What the leading arguments that are not flags or flag values must be; later ones may be any word.
    CommandSyntax& Arguments(std::vector<Arg> leading);

    /// The reason `call` does not fit, naming the flag or the argument; none when it fits.
    std::optional<std::string> Check(const command::CommandCall& call) const;
    /// The arguments of a fitting call that are neither flags nor flag values (the objects it names).
    std::vector<command::Value> Positional(const command::CommandCall& call) const;
    /// Whether the call is in query mode: the command declares -q and the call has it.
    bool IsQuery(const command::CommandCall& call) const;

    /// One declared flag: its names with the leading "-" and the values that follow it.
    struct Flag {
        std::string shortName;
        std::string longName;
        std::vector<Arg> args;
    };
    /// The declared flags, in declaration order.
    const std::vector<Flag>& Flags() const { return flags_; }
    /// The declared leading arguments.
    const std::vector<Arg>& Leading() const { return leading_; }
    /// How a value kind is named in a synopsis ("String", "Float", "Int", "on|off").
    static const char* SynopsisName(Arg arg);

    /// Reads a truth word; none when the text is not one.
    static std::optional<bool> Truth(const std::string& text);

private:
    const Flag* Find(const std::string& name) const;
    /// Looks at the argument at an index; answers why it does not fit, or none.
    using Visit = std::function<std::optional<std::string>(std::size_t)>;
    /// Checks the flags and their values in order, handing `positional` the index of every other
    /// argument; answers the first reason the call does not fit.
    std::optional<std::string> Walk(const command::CommandCall& call, const Visit& positional) const;

    std::vector<Flag> flags_;
    std::vector<Arg> leading_;
    bool query_ = false;
};

} // namespace vex::host
