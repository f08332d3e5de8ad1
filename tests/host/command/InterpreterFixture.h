#pragma once

#include "host/command/Interpreter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex::host::command {

// An interpreter with a recording command "rec" that keeps every call, answers its first
// positional argument, and fails when given the flag -fail.
class InterpreterTest : public ::testing::Test {
protected:
    void SetUp() override {
        interp_.SetOutput([this](const std::string& text) { printed_ += text; });
        interp_.SetDiagnostics([this](bool warning, const std::string& text) {
            diagnostics_.push_back((warning ? "warning: " : "error: ") + text);
        });
        interp_.RegisterCommand("rec", [this](const CommandCall& call, Value& result, std::string& error) {
            calls_.push_back(call);
            if (call.HasFlag("-fail")) {
                error = "asked to fail";
                return false;
            }
            const auto positional = call.Positional();
            if (!positional.empty()) result = positional.front();
            return true;
        });
        interp_.RegisterCommand("ls", [](const CommandCall&, Value& result, std::string&) {
            result = Value::StringArray({"ball", "box"});
            return true;
        });
    }

    bool Run(const std::string& script) { return interp_.Run(script, result_, error_); }
    // The value `script` answers (its last statement's), or the error that stopped it.
    std::string Answer(const std::string& script) {
        return Run(script) ? result_.AsString() : "error: " + error_.Format();
    }
    std::string Var(const std::string& name) {
        const Value* v = interp_.FindVariable(name);
        return v != nullptr ? v->AsString() : "<undeclared>";
    }

    Interpreter interp_;
    std::vector<CommandCall> calls_;
    std::string printed_;
    std::vector<std::string> diagnostics_;
    Value result_;
    ScriptError error_;
};

} // namespace vex::host::command
