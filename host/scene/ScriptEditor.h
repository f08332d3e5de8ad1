#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vex::host {

/// The host's script output: displayed commands, results, information, warnings and errors, in the
/// order they were written. Lines are kept for whoever reads them (tests, the host program) and are
/// also echoed to a stream when one is set; without one, warnings and errors go to standard error.
/// The host's error output (MStatus::perror) is routed here once the script output exists.
class ScriptEditor {
public:
    /// What a line reports.
    enum class Kind { Command, Result, Info, Warning, Error };
    /// One line of output.
    struct Line {
        Kind kind;
        std::string text; ///< the text as given, without decoration
        /// The text as the script editor shows it ("// Error: ... //" and so on).
        std::string shown() const;
    };

    /// The one script output of the process.
    static ScriptEditor& get();

    /// Writes one line.
    void write(Kind kind, const std::string& text);
    /// Every line written since the last clear.
    const std::vector<Line>& lines() const { return lines_; }
    /// The last line of the given kind, or an empty text.
    std::string last(Kind kind) const;
    /// Forgets the lines.
    void clear() { lines_.clear(); }
    /// Echoes every further line, as shown, to `out` (null stops the echo).
    void setEcho(std::ostream* out) { echo_ = out; }

private:
    ScriptEditor();

    std::vector<Line> lines_;
    std::ostream* echo_ = nullptr;
};

} // namespace vex::host
