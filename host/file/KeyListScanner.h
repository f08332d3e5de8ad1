#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vex::host::file {

/// The fast way through a scene file's key lists. Most of a recorded scene's text is its curves'
/// keys, `setAttr -s N ".ktv[a:b]" t v t v ...;`, one pair per frame; running each number through
/// the command language costs far more than reading it. The scanner reads those statements' numbers
/// straight from the text and puts a short call in their place (the same count of lines, so errors
/// still name the file's own lines); the reader applies the numbers to the node made last. Any
/// statement that does not fit the form exactly is left to the language.
class KeyListScanner {
public:
    /// The name of the call that stands for a key list, with the list's index as its argument.
    static constexpr const char* kCallName = "__keyList";

    /// The scene text with the key lists taken out, and their numbers (time, value, time, ...).
    struct Result {
        std::string text;
        std::vector<std::vector<double>> keyLists;
    };

    /// Scans `text`, skipping strings and comments.
    static Result Scan(std::string_view text);
};

} // namespace vex::host::file
