#pragma once

#include "host/command/CommandCall.h"
#include "host/command/ScriptError.h"
#include "host/command/Statement.h"
#include "host/command/Value.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vex::host::command {

/// Runs scripts of the command language: statements separated by ";", commands with flags and
/// arguments, variables, expressions, if/else, loops and backquote command substitution. The
/// commands themselves are registered functions; the interpreter owns the variables, which live as
/// long as it does (every variable is global, as at the top level of the host's script editor).
class Interpreter {
public:
    /// A command: reads `call`, leaves its result in `result`; on failure returns false with a
    /// reason in `error` (the interpreter adds the command name and line).
    using Command = std::function<bool(const CommandCall& call, Value& result, std::string& error)>;
    /// Receives every line the script prints.
    using Output = std::function<void(const std::string& text)>;
    /// Receives the result of every top-level command statement that has one.
    using ResultSink = std::function<void(const CommandCall& call, const Value& result)>;

    Interpreter();

    /// Makes `name` callable. A second registration replaces the first.
    void RegisterCommand(const std::string& name, Command command);
    /// Removes a command; false when there was none.
    bool UnregisterCommand(const std::string& name);
    /// Whether `name` is a registered command.
    bool HasCommand(const std::string& name) const;
    /// Asked for names that are not registered (commands that plug-ins add); answers false with an
    /// empty error when it does not know the name either.
    void SetFallback(Command fallback) { fallback_ = std::move(fallback); }
    /// Where "print" writes; stdout when not set.
    void SetOutput(Output output) { output_ = std::move(output); }
    /// Where top-level command results go; nowhere when not set.
    void SetResultSink(ResultSink sink) { resultSink_ = std::move(sink); }
    /// Stops scripts whose loops run more than `steps` iterations in all (0: no limit), so that a
    /// script that never ends cannot hang the host's batch runs.
    void SetStepLimit(uint64_t steps) { stepLimit_ = steps; }
    /// Writes `text` through the output.
    void Print(const std::string& text) const;

    /// Parses and runs `script`. Stops at the first error and describes it in `error`; the effects
    /// of the commands that ran before it stay. `result` is the value of the last statement.
    bool Run(std::string_view script, Value& result, ScriptError& error);
    /// Runs one command with already evaluated arguments, as a script's command statement would.
    bool Call(const CommandCall& call, Value& result, ScriptError& error);

    /// The value of the variable `name` (without "$"); null when it is not declared.
    const Value* FindVariable(const std::string& name) const;
    /// Declares or overwrites a variable.
    void SetVariable(const std::string& name, const Value& value) { variables_[name] = value; }

private:
    enum class Flow { kNormal, kBreak, kContinue, kError };

    Flow Execute(const Statement& s, Value& last, bool topLevel);
    Flow ExecuteAll(const std::vector<std::unique_ptr<Statement>>& body, Value& last, bool topLevel);
    bool Evaluate(const Expression& e, Value& out);
    bool EvaluateBinary(const Expression& e, Value& out);
    /// `a op b` for the arithmetic, comparison and concatenation operators; `+=` and `-=` use it too.
    bool Combine(const std::string& op, const Value& a, const Value& b, Value& out, int line);
    bool RunCommand(const Expression& e, Value& out, CommandCall* called = nullptr);
    bool Assign(const Statement& s);
    bool Fail(int line, const std::string& reason, const std::string& command = {});
    bool CountStep(int line);

    std::map<std::string, Command> commands_;
    std::map<std::string, Value> variables_;
    Command fallback_;
    Output output_;
    ResultSink resultSink_;
    ScriptError* error_ = nullptr;
    int depth_ = 0;
    uint64_t stepLimit_ = 0;
    uint64_t steps_ = 0;
};

} // namespace vex::host::command
