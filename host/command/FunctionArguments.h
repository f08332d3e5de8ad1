#pragma once

#include "host/command/CommandCall.h"

#include <string>
#include <vector>

namespace vex::host::command {

/// Reads the arguments of the language's built-in functions, answering false with a reason a person
/// can act on when an argument is missing or of the wrong type.
class FunctionArguments {
public:
    /// Checks that `call` has between `least` and `most` arguments.
    FunctionArguments(const CommandCall& call, size_t least, size_t most, std::string& error);

    /// Whether the count was right and every argument read so far was of its type.
    bool Ok() const { return ok_; }
    /// How many arguments the call has.
    size_t Count() const { return call_.args.size(); }
    /// Argument `i` as a number (an int or a float).
    double Number(size_t i);
    /// Argument `i` as a whole number.
    int64_t Int(size_t i);
    /// Argument `i` as text; numbers are written as text, arrays are refused.
    std::string String(size_t i);
    /// Argument `i`, which must be an array, as strings.
    std::vector<std::string> StringArray(size_t i);
    /// Argument `i`, which must be a vector (a number stands for all three components).
    Value Vector(size_t i);
    /// Argument `i` as given.
    const Value& Raw(size_t i) const { return call_.args[i].value; }

private:
    bool Refuse(size_t i, const char* expected);

    const CommandCall& call_;
    std::string& error_;
    bool ok_ = true;
};

} // namespace vex::host::command
