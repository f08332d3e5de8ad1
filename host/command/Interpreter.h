#pragma once

#include "host/command/CommandCall.h"
#include "host/command/ScriptError.h"
#include "host/command/Statement.h"
#include "host/command/Value.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vex::host::command {

struct Procedure;

/// Runs scripts of the command language: statements separated by ";", commands with flags and
/// arguments, variables, expressions, if/else, switch, loops, procedures and backquote command
/// substitution. The commands themselves are registered functions; the interpreter owns the
/// variables and procedures, which live as long as it does. Variables of the top level are the
/// global ones; a procedure has its own, and sees a global one only once it declares it "global".
/// A variable declared inside a block ("{ }", the body of an if, a loop or a switch) lives until the
/// block ends, hiding one of the same name outside it meanwhile.
class Interpreter {
public:
    /// A command: reads `call`, leaves its result in `result`; on failure returns false with a
    /// reason in `error` (the interpreter adds the command name and line).
    using Command = std::function<bool(const CommandCall& call, Value& result, std::string& error)>;
    /// A command that also hands back a value for the variable passed as its last argument
    /// (tokenize fills the array it is given).
    using WritingCommand =
        std::function<bool(const CommandCall& call, Value& result, Value& written, std::string& error)>;
    /// Receives every text the script prints, as printed (no line end is added).
    using Output = std::function<void(const std::string& text)>;
    /// Receives the result of every top-level statement that has one (a command's or an expression's).
    using ResultSink = std::function<void(const CommandCall& call, const Value& result)>;
    /// Receives the warnings a script gives and the errors that catch stops, located as
    /// ScriptError::Format locates them.
    using Diagnostics = std::function<void(bool warning, const std::string& text)>;

    Interpreter();

    /// Makes `name` callable. A second registration replaces the first.
    void RegisterCommand(const std::string& name, Command command);
    /// Makes `name` callable as a command that writes into the variable given as its last argument.
    void RegisterWritingCommand(const std::string& name, WritingCommand command);
    /// Removes a command; false when there was none.
    bool UnregisterCommand(const std::string& name);
    /// Whether `name` is a registered command.
    bool HasCommand(const std::string& name) const;
    /// Whether a script has defined the procedure `name`.
    bool HasProcedure(const std::string& name) const { return procedures_.count(name) > 0; }
    /// Asked for names that are not registered (commands that plug-ins add); answers false with an
    /// empty error when it does not know the name either.
    void SetFallback(Command fallback) { fallback_ = std::move(fallback); }
    /// Where "print" writes; stdout when not set. Answers the previous output.
    Output SetOutput(Output output);
    /// Where top-level results go; nowhere when not set.
    void SetResultSink(ResultSink sink) { resultSink_ = std::move(sink); }
    /// Where warnings and caught errors go; standard error, as "// Warning: ... //", when not set.
    void SetDiagnostics(Diagnostics diagnostics) { diagnostics_ = std::move(diagnostics); }
    /// The file the scripts given to Run come from, named in their errors (empty: typed text).
    void SetScriptName(std::string file) { scriptName_ = std::move(file); }
    /// Stops scripts whose loops run more than `steps` iterations in all (0: no limit), so that a
    /// script that never ends cannot hang the host's batch runs.
    void SetStepLimit(uint64_t steps) { stepLimit_ = steps; }
    /// Writes `text` through the output.
    void Print(const std::string& text) const;
    /// Writes a warning or an error that does not stop the script through the diagnostics.
    void Report(bool warning, const std::string& text) const;

    /// Parses and runs `script`. Stops at the first error and describes it in `error`; the effects
    /// of the commands that ran before it stay. `result` is the value of the last statement.
    bool Run(std::string_view script, Value& result, ScriptError& error);
    /// Runs one command with already evaluated arguments, as a script's command statement would.
    bool Call(const CommandCall& call, Value& result, ScriptError& error);

    /// The value of the global variable `name` (without "$"); null when it is not declared.
    const Value* FindVariable(const std::string& name) const;
    /// Declares or overwrites a global variable.
    void SetVariable(const std::string& name, const Value& value) { variables_[name] = value; }

private:
    enum class Flow { kNormal, kBreak, kContinue, kReturn, kError };
    /// A variable an open block declared: what it hid, given back when the block ends.
    struct Hidden {
        std::string name;
        std::optional<Value> previous; ///< the outer variable of that name, if there was one
        bool wasGlobal = false;        ///< the name stood for a global one before
    };
    /// The variables of one procedure call (its own, and the names it declared global) or of one text
    /// run at the top level (there only those of its blocks; the rest are global).
    struct Frame {
        std::map<std::string, Value> locals;
        std::set<std::string> globals;
        std::vector<Hidden> declared; ///< what the open blocks declared, innermost last
        int blocks = 0;               ///< how many blocks are open
        bool topLevel = false;
    };

    Flow Execute(const Statement& s, Value& last, bool topLevel);
    Flow ExecuteAll(const std::vector<std::unique_ptr<Statement>>& body, Value& last, bool topLevel);
    Flow ExecuteLoop(const Statement& s, Value& last);
    Flow ExecuteSwitch(const Statement& s, Value& last);
    Flow Declare(const Statement& s);
    bool Evaluate(const Expression& e, Value& out);
    bool EvaluateBinary(const Expression& e, Value& out);
    bool EvaluateVariable(const Expression& e, Value& out);
    bool EvaluateVectorOrMatrix(const Expression& e, Value& out);
    bool Increment(const Expression& e, Value& out);
    /// `a op b` for the arithmetic, comparison and concatenation operators; `+=` and `-=` use it too.
    bool Combine(const std::string& op, const Value& a, const Value& b, Value& out, int line);
    bool RunCommand(const Expression& e, Value& out, CommandCall* called = nullptr);
    /// catch(expression) and catchQuiet(...): 1 when evaluating the arguments failed, else 0.
    bool Catch(const Expression& e, Value& out);
    /// Runs a procedure; `arguments`, when given, receives the final values of its arguments (an array
    /// passed in a variable is that variable, changed where the procedure changed it).
    bool CallProcedure(const Procedure& procedure, const CommandCall& call, Value& result,
                       std::vector<Value>* arguments);
    /// Call, handing a procedure's final argument values to `arguments`.
    bool Dispatch(const CommandCall& call, Value& result, ScriptError& error, std::vector<Value>* arguments);
    /// Runs `script` at the top level, as if it came from `file`, for eval and source.
    bool RunNested(std::string_view script, const std::string& file, Value& result, std::string& reason);
    /// source "file": runs a file found as given, in the current folder or on MAYA_SCRIPT_PATH.
    bool Source(const CommandCall& call, Value& result, std::string& reason);
    /// Writes `v` (combined by `op` with the value there, for "+=" and the like) into $name, its
    /// element `index` or, for a matrix, its element `index`, `column`.
    bool Store(const std::string& name, const Expression* index, const Expression* column,
               const std::string& op, const Value& v, int line);
    /// The variable `name` as the running code sees it; null when it is not declared.
    Value* Lookup(const std::string& name);
    /// Where a new variable `name` of the running code lives (declaring it when needed).
    Value& Slot(const std::string& name);
    /// Declares `name` in the innermost scope of the running code: a global at the top level outside
    /// any block, else a variable of the frame, undone when the block that declares it ends. The
    /// caller sets its value.
    Value& Place(const std::string& name);
    /// Opens a block of the running code; answers the mark CloseBlock takes.
    std::size_t OpenBlock();
    /// Ends the block opened at `mark`: its variables go and those they hid come back.
    void CloseBlock(std::size_t mark);
    /// The frame of the running code; null outside any run.
    Frame* Current() const { return frames_.empty() ? nullptr : frames_.back(); }
    bool Fail(int line, const std::string& reason, const std::string& command = {});
    bool CountStep(int line);

    std::map<std::string, Command> commands_;
    std::map<std::string, WritingCommand> writingCommands_;
    std::map<std::string, std::shared_ptr<Procedure>> procedures_;
    std::map<std::string, Value> variables_;
    /// One entry per procedure call and per text run at the top level, innermost last.
    std::vector<Frame*> frames_;
    const Procedure* procedure_ = nullptr; // the procedure whose body runs now
    Value returned_;                       // what its last "return" gave
    Command fallback_;
    Output output_;
    ResultSink resultSink_;
    Diagnostics diagnostics_;
    std::string scriptName_;
    std::string file_; // the file of the code running now
    ScriptError* error_ = nullptr;
    int depth_ = 0;
    int calls_ = 0; // procedure calls in progress
    uint64_t stepLimit_ = 0;
    uint64_t steps_ = 0;
};

} // namespace vex::host::command
