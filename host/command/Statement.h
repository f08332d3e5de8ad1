#pragma once

#include "host/command/Expression.h"
#include "host/command/Value.h"

#include <memory>
#include <string>
#include <vector>

namespace vex::host::command {

struct Procedure;

/// A node of a parsed script.
struct Statement {
    enum class Kind {
        kExpression,   // expression: a command call or any expression evaluated for its effect
        kDeclare,      // declaredType, name, optional expression (initial value); a matrix's size in
                       // index (rows) and column
        kAssign,       // name, optional index (and column for a matrix), op ("=", "+=", ...), expression
        kIf,           // expression (condition), body[0] then, body[1] else (may be absent)
        kWhile,        // expression, body[0]
        kDoWhile,      // body[0], then expression (condition)
        kFor,          // body[0] init, expression condition, body[1] step, body[2] loop body
        kForIn,        // name, expression (array), body[0]
        kSwitch,       // expression, body: its Case statements in order
        kCase,         // expression (the value; absent for "default"), body: the statements after it
        kBlock,        // body; what it declares lasts until it ends
        kDeclarations, // body: the declarations of one statement that names several variables
        kBreak,
        kContinue,
        kReturn,    // optional expression
        kProcedure, // procedure: defined when the script is read, before anything runs
    };

    Kind kind = Kind::kExpression;
    int line = 1;
    std::string name;
    Value::Type declaredType = Value::Type::kString;
    /// For a Declare: declared "global", so an existing value of the same type is kept.
    bool global = false;
    std::string op;
    std::unique_ptr<Expression> index;
    std::unique_ptr<Expression> column;
    std::unique_ptr<Expression> expression;
    std::vector<std::unique_ptr<Statement>> body;
    std::shared_ptr<Procedure> procedure;
};

} // namespace vex::host::command
