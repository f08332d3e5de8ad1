#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vex::host::program {

/// The torva-host program: runs scripts of the host's command language in the embedded host, the way
/// a batch session of the host does.
///   torva-host [--data-root DIR] [--plugin PATH]... [-c "commands" | script]...
/// Plug-ins load first, then the scripts and -c commands run in command-line order, their commands
/// undoable as in the script editor. Every command result is printed as "// Result: ... //"; the
/// script output (print, warnings, errors) goes to standard output. The first error stops the run:
/// "Error: <file>:<line>: <command>: <reason>" on standard error and exit status 1 (2 for bad options).
class HostProgram {
public:
    HostProgram(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    /// Runs with the program's arguments (without the program name); answers the exit status.
    int run(const std::vector<std::string>& args);

private:
    /// One script file or one -c text, in command-line order.
    struct Step {
        bool inline_ = false; ///< a -c text rather than a file
        std::string text;     ///< the commands, or the file's path
    };

    /// Reads the options; false (after writing why) when they are not usable.
    bool parse(const std::vector<std::string>& args);
    /// Runs one step; false after writing the error.
    bool runStep(const Step& step);
    void usage(std::ostream& out) const;

    std::ostream& m_out;
    std::ostream& m_err;
    std::vector<Step> m_steps;
    std::vector<std::string> m_plugins;
    std::string m_dataRoot;
    bool m_help = false;
    bool m_version = false;
};

} // namespace vex::host::program
