#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vex::host {

/// The host's script output: displayed commands, results, information, warnings and errors, in the
/// order they were written. Lines are kept for whoever reads them (tests, the host program) and are
/// also echoed to a stream when one is set. Warnings and errors go to the reporter when one is set,
/// else to the echo stream, else to standard error. The host's error output (MStatus::perror) is
/// routed here once the script output exists. While a capture is open, errors are held by it instead:
/// the engine gathers what a command reports while it runs and reports it once, with the command.
class ScriptEditor {
public:
    /// What a line reports.
    enum class Kind { kCommand, kResult, kInfo, kWarning, kError };
    /// One line of output.
    struct Line {
        Kind kind;
        std::string text; ///< the text as given, without decoration
        /// The text as the script editor shows it ("// Error: ... //" and so on).
        std::string Shown() const;
    };

    /// Receives every warning and error as it is written (the text without decoration).
    using Reporter = std::function<void(Kind kind, const std::string& text)>;

    /// The one script output of the process.
    static ScriptEditor& get();

    /// Writes one line.
    void Write(Kind kind, const std::string& text);
    /// Every line written since the last clear.
    const std::vector<Line>& Lines() const { return lines_; }
    /// The last line of the given kind, or an empty text.
    std::string Last(Kind kind) const;
    /// Forgets the lines.
    void clear() { lines_.clear(); }
    /// Echoes every further line, as shown, to `out` (null stops the echo).
    void SetEcho(std::ostream* out) { echo_ = out; }
    /// Sends every further warning and error to `reporter` (an empty function stops it).
    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

    /// Holds the errors written from now on, until the matching endCapture; captures nest.
    void BeginCapture() { captures_.emplace_back(); }
    /// Closes the innermost capture and answers the errors it held, in order; none were written.
    std::vector<std::string> EndCapture();

private:
    ScriptEditor();

    std::vector<Line> lines_;
    std::ostream* echo_ = nullptr;
    Reporter reporter_;
    std::vector<std::vector<std::string>> captures_;
};

} // namespace vex::host
