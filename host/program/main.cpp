// torva-host: runs scripts in the embedded host (see HostProgram).
#include "host/program/HostProgram.h"
#include "platform/qt/OffscreenSession.h"

#include <QApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // A batch session opens no window: plug-ins that start Qt get the offscreen platform (unless the
    // user chose one) and its notices about the missing windowing system stay out of the output. A
    // session with the host's window uses the display.
    std::vector<std::string> args(argv + 1, argv + argc);
    // With nothing to run and a display to show it on, the host opens its window: that is what a user
    // who starts it from a desktop expects.
    const auto hasDisplay = [] {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
            if (const char* value = std::getenv(name); value != nullptr && *value != '\0') return true;
        return false;
    };
    // Commands piped or redirected in are run instead, as with "-".
    struct stat input {};
    const bool inputIsData =
        fstat(STDIN_FILENO, &input) == 0 && (S_ISFIFO(input.st_mode) || S_ISREG(input.st_mode));
    if (args.empty() && hasDisplay() && !inputIsData) args.emplace_back("--gui");
    if (std::find(args.begin(), args.end(), "--gui") == args.end())
        vex::platform::qt::BeginOffscreenSession();
    // The plug-ins' windows and timers need a widget application with its event loop. It gets the
    // program's name only: Qt would take options such as --plugin for its own.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    vex::host::program::HostProgram program(std::cin, std::cout, std::cerr);
    program.SetInputIsTerminal(isatty(STDIN_FILENO) != 0);
    return program.Run(args);
}
