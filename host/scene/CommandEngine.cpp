#include "host/scene/CommandEngine.h"

#include "host/builtins/Install.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/MessageHub.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MString.h>

#include <cctype>
#include <memory>

namespace vex::host {

namespace {

// A value as it must be written to read back as the same word: strings with blanks, quotes or
// characters the language reads specially are quoted.
std::string WordText(const command::Value& value) {
    const std::string text = value.AsString();
    if (value.GetType() != command::Value::Type::kString) return text;
    bool plain = !text.empty();
    for (char c : text)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '|' || c == ':' || c == '.' ||
              c == '*' || c == '[' || c == ']'))
            plain = false;
    if (plain) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

CommandEngine& CommandEngine::get() {
    static CommandEngine engine;
    return engine;
}

CommandEngine::CommandEngine() : results_(1) {
    interpreter_.SetFallback([this](const command::CommandCall& call, command::Value& result,
                                    std::string& error) { return RunRegistered(call, result, error); });
    interpreter_.SetOutput(
        [](const std::string& text) { ScriptEditor::get().Write(ScriptEditor::Kind::kInfo, text); });
    // A script's warnings and the errors its catch statements stop belong to the script output too.
    interpreter_.SetDiagnostics([](bool warning, const std::string& text) {
        ScriptEditor::get().Write(warning ? ScriptEditor::Kind::kWarning : ScriptEditor::Kind::kError, text);
    });
    builtins::Install(interpreter_); // the host's built-in script commands (host/builtins)
}

std::string CommandEngine::FailureReason(const std::vector<std::string>& reported, const MStatus& status) {
    // "(kFailure): text" without its code.
    std::string own = status.errorString().str();
    const size_t end = own.find("): ");
    if (own.rfind("(k", 0) == 0 && end != std::string::npos) own.erase(0, end + 3);
    const bool plain = status.errorString().str() == MStatus(status.statusCode()).errorString().str();
    std::string reason;
    for (const std::string& line : reported) reason += (reason.empty() ? "" : "; ") + line;
    if (reason.empty()) return own;
    if (!plain && reason.find(own) == std::string::npos) reason += "; " + own;
    return reason;
}

std::string CommandEngine::CallText(const command::CommandCall& call) {
    std::string text = call.name;
    for (const command::Argument& arg : call.args)
        text += " " + (arg.isFlag ? arg.value.AsString() : WordText(arg.value));
    return text + ";";
}

MStatus CommandEngine::Execute(const std::string& text, bool display, bool undoable, command::Value* result) {
    if (display) ScriptEditor::get().Write(ScriptEditor::Kind::kCommand, text);
    undoEnabled_.push_back(undoable);
    command::Value value;
    command::ScriptError error;
    const bool ok = interpreter_.Run(text, value, error);
    undoEnabled_.pop_back();
    if (result) *result = value;
    if (!ok) {
        ScriptEditor::get().Write(ScriptEditor::Kind::kError, error.Format());
        return MStatus(MStatus::kFailure, MString(error.Format()));
    }
    if (display && !(value.GetType() == command::Value::Type::kString && value.AsString().empty()))
        ScriptEditor::get().Write(ScriptEditor::Kind::kResult, value.AsString());
    return MStatus::kSuccess;
}

bool CommandEngine::RunRegistered(const command::CommandCall& call, command::Value& result,
                                  std::string& error) {
    const CommandRegistry& registry = CommandRegistry::get();
    const CommandRegistry::Creator creator = registry.Find(call.name);
    if (!creator) return false; // the interpreter reports the unknown name
    // A call that does not fit the command's syntax stops here, before anything runs.
    if (const CommandSyntax* syntax = registry.Syntax(call.name))
        if (auto reason = syntax->Check(call)) {
            error = *reason;
            return false;
        }

    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(creator()));
    if (!command) {
        error = "The command object could not be created.";
        return false;
    }
    const std::string text = CallText(call);
    command->setCommandString(MString(text));
    MArgList args;
    // An array argument stands for its elements, one argument each, as in the host's language.
    for (const command::Argument& arg : call.args) {
        if (!arg.value.IsArray()) {
            args.addArg(MString(arg.value.AsString()));
            continue;
        }
        for (size_t i = 0; i < arg.value.Size(); ++i) args.addArg(MString(arg.value.At(i).AsString()));
    }

    results_.emplace_back();
    ScriptEditor& editor = ScriptEditor::get();
    editor.BeginCapture();
    const MStatus status = command->doIt(args);
    const std::vector<std::string> reported = editor.EndCapture();
    result = results_.back();
    results_.pop_back();

    const bool undoEnabled = !undoEnabled_.empty() && undoEnabled_.back();
    if (status && undoEnabled && command->isUndoable()) UndoQueue::get().Push(std::move(command), text);
    // A command not handed to the queue is destroyed before the command callbacks run.
    command.reset();
    MessageHub::get().FireCommand(text);
    if (!status) {
        // The script's error names the command and line itself.
        error = FailureReason(reported, status);
    } else {
        for (const std::string& line : reported)
            editor.Write(ScriptEditor::Kind::kError,
                         command::ScriptError{call.name, call.line, line}.Format());
    }
    return static_cast<bool>(status);
}

} // namespace vex::host
