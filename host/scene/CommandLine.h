#pragma once

#include <string>
#include <vector>

namespace vex::host {

/// Splits command text into statements: "name arg arg ...;" with arguments separated by white space,
/// double-quoted strings (with \" \\ \n \t escapes) kept whole, ";" ending a statement outside quotes and
/// "//" starting a comment to the end of the line.
class CommandLine {
public:
    /// One statement.
    struct Statement {
        std::string text;              ///< the statement as written, trimmed, without its ";"
        std::string name;              ///< the command name
        std::vector<std::string> args; ///< the arguments, quotes removed and escapes resolved
    };

    /// Parses `text`; on a syntax error returns false and describes it in `error`. Empty statements
    /// are dropped.
    static bool parse(const std::string& text, std::vector<Statement>& statements, std::string& error);
};

} // namespace vex::host
