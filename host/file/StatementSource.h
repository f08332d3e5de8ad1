#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vex::host::file {

/// The text of each statement of a scene file, found by the line it starts on, so that a statement the
/// host keeps rather than interprets is written back exactly as the file has it (its indentation, its
/// numbers, its strings over several lines). Strings and comments are skipped while looking for the
/// ";" that ends a statement. A line that starts two statements gives neither.
class StatementSource {
public:
    /// Finds the statements of `text`.
    explicit StatementSource(std::string_view text);

    /// The statement that starts on `line` (counted from 1), from the start of that line when only
    /// blanks stand before it, up to and with its ";"; none when no single statement starts there.
    std::optional<std::string> Find(int line) const;

private:
    std::map<int, std::string> statements_; // an empty text marks a line of two statements
};

} // namespace vex::host::file
