#pragma once

#include "host/command/Value.h"

#include <memory>
#include <string>
#include <vector>

namespace vex::host::command {

/// A node of a parsed expression or of a command's argument list.
struct Expression {
    enum class Kind {
        kLiteral,   // value
        kFlag,      // a command flag such as -name (text)
        kVariable,  // $text, optionally indexed by operands[0] (and operands[1] for a matrix)
        kUnary,     // text is "!" or "-"; operands[0]
        kBinary,    // text is the operator; operands[0] and operands[1]
        kArray,     // { operands... }
        kCommand,   // a command run for its result: text is its name, operands its arguments
        kIncrement, // text is "++" or "--", before the variable operands[0] when `prefix`
        kTernary,   // operands[0] ? operands[1] : operands[2]
        kVector,    // << operands[0], operands[1], operands[2] >>
        kMatrix,    // << a, b; c, d >>: operands row by row, `columns` of them in each row
        kComponent, // operands[0].text, where text is "x", "y" or "z"
    };

    Kind kind = Kind::kLiteral;
    std::string text;
    Value value;
    std::vector<std::unique_ptr<Expression>> operands;
    int line = 1;
    /// For a Command: whether it was written as name(a, b) rather than name a b.
    bool functionSyntax = false;
    /// For an Increment: whether it comes before the variable (++$i answers the new value).
    bool prefix = false;
    /// For a Matrix: how many values each row holds.
    size_t columns = 0;
};

} // namespace vex::host::command
