#pragma once

// The command line of the example programs: at most one operand, "--help"/"-h" for the usage, and
// any other argument starting with "-" refused, so an option is never taken for a file or folder.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace vex::examples {

class ProgramArguments {
public:
    // Reads argv; `usage` is printed as it is, to standard output for help and to standard error
    // after a refused argument.
    ProgramArguments(int argc, char** argv, std::string_view usage) {
        for (int i = 1; i < argc && !exitCode_; ++i) {
            const std::string_view argument = argv[i];
            if (argument == "--help" || argument == "-h") {
                std::fwrite(usage.data(), 1, usage.size(), stdout);
                exitCode_ = 0;
            } else if (argument.starts_with('-') && argument != "-") {
                Refuse("unknown option", argument, usage);
            } else if (operand_) {
                Refuse("unexpected argument", argument, usage);
            } else {
                operand_ = std::string(argument);
            }
        }
    }

    // Set when the program should end at once with this status (0 after help, 2 after a refusal).
    std::optional<int> ExitCode() const { return exitCode_; }

    std::string OperandOr(std::string fallback) const { return operand_ ? *operand_ : std::move(fallback); }

private:
    void Refuse(const char* what, std::string_view argument, std::string_view usage) {
        std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(argument.size()), argument.data());
        std::fwrite(usage.data(), 1, usage.size(), stderr);
        exitCode_ = 2;
    }

    std::optional<std::string> operand_;
    std::optional<int> exitCode_;
};

} // namespace vex::examples
