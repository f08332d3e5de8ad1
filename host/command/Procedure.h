#pragma once

#include "host/command/Statement.h"
#include "host/command/Value.h"

#include <memory>
#include <string>
#include <vector>

namespace vex::host::command {

/// A procedure of the script: proc [return type] name(type $arg, ...) { body }. Shared by the script
/// that defined it and the interpreter, which keeps it callable after the script ends.
struct Procedure {
    /// One argument: its type and name (without "$").
    struct Parameter {
        Value::Type type = Value::Type::kString;
        std::string name;
    };

    std::string name;
    /// Whether it answers a value, and of which type.
    bool returnsValue = false;
    Value::Type returnType = Value::Type::kString;
    std::vector<Parameter> parameters;
    std::vector<std::unique_ptr<Statement>> body;
    bool global = false;
    /// The file it was read from (empty for text that is not a file) and the line it starts on.
    std::string file;
    int line = 1;
};

} // namespace vex::host::command
