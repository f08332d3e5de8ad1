#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vex::host::program {

/// The torva-host program: runs scripts of the host's command language in the embedded host, the way
/// a batch session of the host does.
///   torva-host [--data-root DIR] [--batch-clock] [--plugin PATH]... [-c "commands" | script | -]...
/// Plug-ins load first, then the scripts, -c commands and standard input ("-", or nothing given) run
/// in command-line order, their commands undoable as in the script editor. Every statement's result
/// is printed as "// Result: ... //" and printed text goes to standard output as it is. Warnings and
/// errors go to standard error, each once: "// Error: file: <file> line <n>: <command>: <reason> //"
/// (without the file part for -c and standard input). In a script or -c the first error stops the
/// run with exit status 1 (2 for bad options); standard input runs each statement as it is complete
/// and goes on after an error, ending with status 1 when one occurred unless it is a terminal.
/// Besides the host's commands the scripts have "processEvents", "virtualJoystick", "pathPlot" and
/// "quit" (and "lookThru" with --gui).
class HostProgram {
public:
    HostProgram(std::istream& in, std::ostream& out, std::ostream& err) : in_(in), out_(out), err_(err) {}

    /// Runs with the program's arguments (without the program name); answers the exit status.
    int Run(const std::vector<std::string>& args);
    /// Tells that standard input is a terminal: errors in what is typed there are shown but do not
    /// make the exit status 1.
    void SetInputIsTerminal(bool terminal) { inputIsTerminal_ = terminal; }

private:
    /// One script file or one -c text, in command-line order.
    struct Step {
        bool isInline = false; ///< a -c text rather than a file
        std::string text;      ///< the commands, or the file's path
    };

    /// Reads the options; false (after writing why) when they are not usable.
    bool Parse(const std::vector<std::string>& args);
    /// Runs one step; false after the error was reported.
    bool RunStep(const Step& step);
    /// Runs standard input statement by statement; false when one failed (and it is not a terminal).
    bool RunInput();
    /// Loads one plug-in; false after the error was reported.
    bool LoadPlugin(const std::string& path);
    /// Writes one warning or error as the host's batch mode shows it.
    void Report(const std::string& text, bool warning = false) const;
    void Usage(std::ostream& out) const;

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    std::vector<Step> steps_;
    std::vector<std::string> plugins_;
    std::string dataRoot_;
    std::string scene_; ///< the scene file the window opens (--gui scene.ma)
    bool inputIsTerminal_ = false;
    bool help_ = false;
    bool batchClock_ = false;
    bool gui_ = false;
    bool version_ = false;
};

} // namespace vex::host::program
