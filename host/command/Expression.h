#pragma once

#include "host/command/Value.h"

#include <memory>
#include <string>
#include <vector>

namespace vex::host::command {

/// A node of a parsed expression or of a command's argument list.
struct Expression {
    enum class Kind {
        kLiteral,  // value
        kFlag,     // a command flag such as -name (text)
        kVariable, // $text, optionally indexed by operands[0]
        kUnary,    // text is "!" or "-"; operands[0]
        kBinary,   // text is the operator; operands[0] and operands[1]
        kArray,    // { operands... }
        kCommand,  // a command run for its result: text is its name, operands its arguments
    };

    Kind kind = Kind::kLiteral;
    std::string text;
    Value value;
    std::vector<std::unique_ptr<Expression>> operands;
    int line = 1;
    /// For a Command: whether it was written as name(a, b) rather than name a b.
    bool functionSyntax = false;
};

} // namespace vex::host::command
