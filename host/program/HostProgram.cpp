#include "host/program/HostProgram.h"

#include "host/command/Interpreter.h"
#include "host/command/Lexer.h"
#include "host/command/Parser.h"
#include "host/gui/HostWindow.h"
#include "host/gui/WindowCommands.h"
#include "host/program/ProgramCommands.h"
#include "host/program/QuitCommand.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/MessageHub.h"
#include "host/scene/PluginManager.h"
#include "host/scene/ScriptEditor.h"
#include "platform/win32/Registry.h"
#include "platform/win32/TimerQueue.h"
#include "util/AtomicFile.h"

#include <QApplication>
#include <maya/MSceneMessage.h>
#include <maya/MString.h>

#include <cstdlib>
#include <istream>
#include <memory>
#include <ostream>

#ifndef TORVA_VERSION
#define TORVA_VERSION "unknown"
#endif

namespace vex::host::program {

namespace {

// Where the batch clock starts: any count works; this one keeps the first minute clear of 0.
constexpr platform::win32::DWORD kBatchClockStart = 100000;

// What a line of input starts with, for an if that an else on a later line may still continue.
enum class Opening { kBlank, kElse, kOther };

Opening OpeningOf(const std::string& line) {
    std::vector<command::Token> tokens;
    command::ScriptError error;
    if (!command::Lexer::Tokenize(line, tokens, error)) return Opening::kOther;
    if (tokens.size() < 2) return Opening::kBlank; // only the end: blanks and comments
    return tokens.front().Is(command::TokenKind::kWord, "else") ? Opening::kElse : Opening::kOther;
}

} // namespace

void HostProgram::Usage(std::ostream& out) const {
    out << "Usage: torva-host [options] [script ...]\n"
           "       torva-host --gui [options] [script ...] [scene.ma]\n"
           "Runs scripts of the host's command language in the embedded host.\n\n"
           "  -c COMMANDS        run COMMANDS (in order with the scripts)\n"
           "  -                  run the commands read from standard input, each statement as soon as\n"
           "                     it is complete (also what runs when no script is given)\n"
           "  --plugin PATH      load the plug-in library at PATH before any script runs\n"
           "  --data-root DIR    use DIR as the user's documents folder\n"
           "  --batch-clock      run real-time loops (takes, re-simulations) as fast as the machine\n"
           "                     allows, on a clock that jumps to each timer (default: wall-clock time)\n"
           "  --gui              open the host's window (3D viewport, outliner, attributes, timeline,\n"
           "                     script output and command line) with the scene file named last in it,\n"
           "                     run the scripts there, and wait until the window is closed or a script\n"
           "                     runs quit. Without any argument the window opens when a display is present\n"
           "  --help             show this text\n"
           "  --version          show the version\n";
}

bool HostProgram::Parse(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "-c" || arg == "--plugin" || arg == "--data-root";
        if (takesValue && i + 1 >= args.size()) {
            err_ << "Error: " << arg << " needs a value.\n";
            return false;
        }
        if (arg == "-c") {
            steps_.push_back({true, args[++i]});
        } else if (arg == "--plugin") {
            plugins_.push_back(args[++i]);
        } else if (arg == "--data-root") {
            dataRoot_ = args[++i];
        } else if (arg == "--help" || arg == "-h") {
            help_ = true;
        } else if (arg == "--batch-clock") {
            batchClock_ = true;
        } else if (arg == "--gui") {
            gui_ = true;
        } else if (arg == "--version") {
            version_ = true;
        } else if (arg == "-") {
            steps_.push_back({false, arg});
        } else if (arg.size() > 1 && arg[0] == '-') {
            err_ << "Error: unknown option " << arg << ".\n";
            return false;
        } else {
            steps_.push_back({false, arg});
        }
    }
    // Without a script (and without the window) the commands come from standard input.
    if (steps_.empty() && !gui_ && !help_ && !version_) steps_.push_back({false, "-"});
    // With the window, a scene file named last is the scene to open in it, not a script to run.
    if (gui_ && !steps_.empty() && !steps_.back().isInline && steps_.back().text.size() > 3 &&
        steps_.back().text.ends_with(".ma")) {
        scene_ = steps_.back().text;
        steps_.pop_back();
    }
    return true;
}

void HostProgram::Report(const std::string& text, bool warning) const {
    // The interpreter locates its messages ("file: a.mel line 3: ..."), as the host's batch mode shows them.
    err_ << "// " << (warning ? "Warning: " : "Error: ") << text << " //\n";
}

bool HostProgram::RunStep(const Step& step) {
    command::Interpreter& interpreter = CommandEngine::get().Interpreter();
    const bool fromInput = !step.isInline && step.text == "-";
    interpreter.SetScriptName(step.isInline || fromInput ? std::string() : step.text);
    if (fromInput) return RunInput();
    std::string text = step.text;
    if (!step.isInline && !util::ReadWholeFile(step.text, text)) {
        Report("Cannot read the script \"" + step.text + "\".");
        return false;
    }
    // The engine reports the error that stops the script, through the reporter.
    return static_cast<bool>(CommandEngine::get().Execute(text, false, true));
}

bool HostProgram::RunInput() {
    // Each statement runs as soon as its last line arrives; an error stops that statement only, as in
    // the script editor. Line numbers count from the start of the input.
    bool failed = false;
    std::string pending, line;
    int lines = 0, pendingStart = 1;
    const auto runPending = [&] {
        const std::string text = std::string(static_cast<std::size_t>(pendingStart - 1), '\n') + pending;
        if (!CommandEngine::get().Execute(text, false, true)) failed = true;
        pending.clear();
        out_.flush();
    };
    // A complete if without an else waits for the next line that is not blank: an else there joins it.
    bool awaitingElse = false;
    while (!QuitCommand::Requested() && std::getline(in_, line)) {
        if (awaitingElse) {
            const Opening opening = OpeningOf(line);
            if (opening == Opening::kOther) runPending();
            if (QuitCommand::Requested()) break;
            awaitingElse = opening == Opening::kBlank;
        }
        if (pending.empty()) pendingStart = lines + 1;
        ++lines;
        pending += line + "\n";
        if (awaitingElse || !command::Parser::IsComplete(pending)) continue;
        awaitingElse = command::Parser::MayTakeElse(pending);
        if (!awaitingElse) runPending();
    }
    if (!QuitCommand::Requested() && pending.find_first_not_of(" \t\r\n") != std::string::npos) runPending();
    // A person at a terminal saw each error as it came; a piped script that failed fails the run.
    return !failed || inputIsTerminal_;
}

bool HostProgram::LoadPlugin(const std::string& path) {
    ScriptEditor& editor = ScriptEditor::get();
    editor.BeginCapture();
    const MStatus loaded = PluginManager::get().Load(path);
    const std::vector<std::string> reported = editor.EndCapture();
    if (!loaded) {
        Report(CommandEngine::FailureReason(reported, loaded));
        return false;
    }
    for (const std::string& line : reported) Report(line);
    return true;
}

int HostProgram::Run(const std::vector<std::string>& args) {
    if (!Parse(args)) {
        Usage(err_);
        return 2;
    }
    if (help_ || version_) {
        if (version_) out_ << "torva-host " << TORVA_VERSION << "\n";
        if (help_) Usage(out_);
        return 0;
    }
    if (!dataRoot_.empty())
        platform::win32::RegistrySetValue(
            platform::win32::HKEY_CURRENT_USER,
            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal", dataRoot_);

    if (batchClock_) platform::win32::TimerQueue::StartBatchClock(kBatchClockStart);
    InstallProgramCommands();
    // The window's commands are known without a window too, so that "help" tells their flags.
    gui::InstallWindowCommands();

    ScriptEditor& editor = ScriptEditor::get();
    editor.SetEcho(&out_);
    // Warnings and errors go to standard error, each once, with the file and line they come from.
    editor.SetReporter([this](ScriptEditor::Kind kind, const std::string& text) {
        Report(text, kind == ScriptEditor::Kind::kWarning);
    });
    command::Interpreter& interpreter = CommandEngine::get().Interpreter();
    interpreter.SetResultSink([&editor](const command::CommandCall&, const command::Value& result) {
        const bool empty = result.GetType() == command::Value::Type::kString && result.AsString().empty();
        if (!empty) editor.Write(ScriptEditor::Kind::kResult, result.AsString());
    });
    // In batch, print writes its text as it is, without a line end of its own; the window's script
    // output shows it as a line.
    command::Interpreter::Output scriptOutput;
    if (!gui_) scriptOutput = interpreter.SetOutput([this](const std::string& text) { out_ << text; });

    int status = 0;
    QuitCommand::Reset();
    // With --gui the window opens first, with the scene in it, so the scripts run in a session the
    // user sees (and can drive its viewport with lookThru).
    std::unique_ptr<gui::HostWindow> window;
    if (gui_) {
        window = std::make_unique<gui::HostWindow>();
        window->resize(1200, 800);
        window->show();
        QuitCommand::SetConfirm([&window] { return window->ConfirmDiscard(); });
        if (!scene_.empty() && !window->OpenScene(QString::fromStdString(scene_))) {
            Report(scene_ + ": the scene cannot be opened.");
            status = 1;
        }
    }
    for (std::size_t i = 0; status == 0 && i < plugins_.size(); ++i)
        if (!LoadPlugin(plugins_[i])) status = 1;
    for (std::size_t i = 0; status == 0 && i < steps_.size() && !QuitCommand::Requested(); ++i)
        if (!RunStep(steps_[i])) status = 1;
    if (status == 0 && QuitCommand::Requested()) status = QuitCommand::ExitCode();

    interpreter.SetResultSink(nullptr);
    interpreter.SetScriptName({});
    if (!gui_) interpreter.SetOutput(std::move(scriptOutput));
    editor.SetReporter(nullptr);
    editor.SetEcho(nullptr);
    out_.flush();
    if (status == 0 && window && !QuitCommand::Requested()) {
        out_.flush();
        status = QApplication::exec();
    }
    QuitCommand::SetConfirm(nullptr);
    // Plug-ins hear that the host quits while their windows can still go with the application's.
    MessageHub::get().FireScene(MSceneMessage::kMayaExiting);
    window.reset();
    if (batchClock_) platform::win32::TimerQueue::StopBatchClock();
    return status;
}

} // namespace vex::host::program
