#include "host/command/Interpreter.h"

#include "host/command/Parser.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace vex::host::command {

Interpreter::Interpreter() {
    // The language's own commands; the host registers the rest.
    RegisterCommand("print", [this](const CommandCall& call, Value&, std::string&) {
        std::string text;
        for (const Argument& a : call.args)
            text += a.value.IsArray() ? a.value.AsString() + "\n" : a.value.AsString();
        Print(text);
        return true;
    });
    RegisterCommand("size", [](const CommandCall& call, Value& result, std::string& error) {
        if (call.args.size() != 1) {
            error = "expects one argument";
            return false;
        }
        const Value& v = call.args[0].value;
        result = Value::Int(static_cast<int64_t>(v.IsArray() ? v.Size() : v.AsString().size()));
        return true;
    });
    // "error text": stops the script with `text` as its error.
    RegisterCommand("error", [](const CommandCall& call, Value&, std::string& error) {
        for (const Argument& a : call.args) error += a.value.AsString();
        if (error.empty()) error = "error";
        return false;
    });
    // The language's arithmetic functions of one number, answering a float.
    const std::pair<const char*, double (*)(double)> functions[] = {
        {"sin", [](double x) { return std::sin(x); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"abs", [](double x) { return std::abs(x); }},
        {"sqrt", [](double x) { return std::sqrt(x); }},
        {"floor", [](double x) { return std::floor(x); }}};
    for (const auto& entry : functions) {
        const auto function = entry.second;
        RegisterCommand(entry.first, [function](const CommandCall& call, Value& result, std::string& error) {
            if (call.args.size() != 1 || call.args[0].value.IsArray()) {
                error = "expects one number";
                return false;
            }
            result = Value::Float(function(call.args[0].value.AsDouble()));
            return true;
        });
    }
}

void Interpreter::RegisterCommand(const std::string& name, Command command) {
    commands_[name] = std::move(command);
}

bool Interpreter::UnregisterCommand(const std::string& name) {
    return commands_.erase(name) > 0;
}

bool Interpreter::HasCommand(const std::string& name) const {
    return commands_.count(name) > 0;
}

void Interpreter::Print(const std::string& text) const {
    if (output_) {
        output_(text);
    } else {
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    }
}

const Value* Interpreter::FindVariable(const std::string& name) const {
    const auto it = variables_.find(name);
    return it == variables_.end() ? nullptr : &it->second;
}

bool Interpreter::Fail(int line, const std::string& reason, const std::string& command) {
    if (error_ != nullptr && !error_->IsSet()) {
        error_->line = line;
        error_->reason = reason;
        error_->command = command;
    }
    return false;
}

bool Interpreter::Run(std::string_view script, Value& result, ScriptError& error) {
    error = ScriptError();
    result = Value();
    std::vector<std::unique_ptr<Statement>> statements;
    if (!Parser::Parse(script, statements, error)) return false;
    ScriptError* outer = error_;
    error_ = &error;
    const bool topLevel = depth_ == 0;
    if (topLevel) steps_ = 0;
    ++depth_;
    const Flow flow = ExecuteAll(statements, result, topLevel);
    --depth_;
    error_ = outer;
    if (flow == Flow::kError) return false;
    if (flow != Flow::kNormal) {
        error.line = statements.empty() ? 1 : statements.back()->line;
        error.reason = "\"break\" or \"continue\" outside a loop";
        return false;
    }
    return true;
}

bool Interpreter::Call(const CommandCall& call, Value& result, ScriptError& error) {
    error = ScriptError();
    result = Value();
    std::string reason;
    auto it = commands_.find(call.name);
    bool ok = false;
    if (it != commands_.end()) {
        ok = it->second(call, result, reason);
    } else if (fallback_) {
        ok = fallback_(call, result, reason);
        if (!ok && reason.empty()) reason = "Cannot find procedure \"" + call.name + "\".";
    } else {
        reason = "Cannot find procedure \"" + call.name + "\".";
    }
    if (ok) return true;
    error.line = call.line;
    error.command = call.name;
    error.reason = reason.empty() ? "failed" : reason;
    return false;
}

Interpreter::Flow Interpreter::ExecuteAll(const std::vector<std::unique_ptr<Statement>>& body, Value& last,
                                          bool topLevel) {
    for (const auto& s : body) {
        const Flow flow = Execute(*s, last, topLevel);
        if (flow != Flow::kNormal) return flow;
    }
    return Flow::kNormal;
}

Interpreter::Flow Interpreter::Execute(const Statement& s, Value& last, bool topLevel) {
    switch (s.kind) {
    case Statement::Kind::kExpression: {
        if (s.expression->kind == Expression::Kind::kCommand) {
            CommandCall call;
            if (!RunCommand(*s.expression, last, &call)) return Flow::kError;
            if (topLevel && resultSink_ && !(last == Value())) resultSink_(call, last);
            return Flow::kNormal;
        }
        return Evaluate(*s.expression, last) ? Flow::kNormal : Flow::kError;
    }
    case Statement::Kind::kDeclare: {
        const auto existing = variables_.find(s.name);
        if (s.global && !s.expression && existing != variables_.end() &&
            existing->second.GetType() == s.declaredType)
            return Flow::kNormal;
        Value initial = Value::OfType(s.declaredType);
        if (s.expression) {
            Value v;
            if (!Evaluate(*s.expression, v)) return Flow::kError;
            if (v.IsArray() != Value::OfType(s.declaredType).IsArray()) {
                Fail(s.line, std::string("Cannot convert data of type ") + Value::TypeName(v.GetType()) +
                                 " to type " + Value::TypeName(s.declaredType) + ".");
                return Flow::kError;
            }
            initial = v.ConvertTo(s.declaredType);
        }
        variables_[s.name] = initial;
        return Flow::kNormal;
    }
    case Statement::Kind::kAssign:
        return Assign(s) ? Flow::kNormal : Flow::kError;
    case Statement::Kind::kIf: {
        Value cond;
        if (!Evaluate(*s.expression, cond)) return Flow::kError;
        if (cond.IsTrue()) return Execute(*s.body[0], last, false);
        if (s.body.size() > 1) return Execute(*s.body[1], last, false);
        return Flow::kNormal;
    }
    case Statement::Kind::kWhile:
    case Statement::Kind::kFor: {
        if (s.kind == Statement::Kind::kFor && Execute(*s.body[0], last, false) == Flow::kError)
            return Flow::kError;
        const Statement& loopBody = s.kind == Statement::Kind::kFor ? *s.body[2] : *s.body[0];
        while (true) {
            if (!CountStep(s.line)) return Flow::kError;
            Value cond;
            if (!Evaluate(*s.expression, cond)) return Flow::kError;
            if (!cond.IsTrue()) break;
            const Flow flow = Execute(loopBody, last, false);
            if (flow == Flow::kError) return flow;
            if (flow == Flow::kBreak) break;
            if (s.kind == Statement::Kind::kFor && Execute(*s.body[1], last, false) == Flow::kError)
                return Flow::kError;
        }
        return Flow::kNormal;
    }
    case Statement::Kind::kForIn: {
        Value list;
        if (!Evaluate(*s.expression, list)) return Flow::kError;
        for (size_t i = 0; i < list.Size(); ++i) {
            if (!CountStep(s.line)) return Flow::kError;
            variables_[s.name] = list.At(i);
            const Flow flow = Execute(*s.body[0], last, false);
            if (flow == Flow::kError) return flow;
            if (flow == Flow::kBreak) break;
        }
        return Flow::kNormal;
    }
    case Statement::Kind::kBlock:
        return ExecuteAll(s.body, last, false);
    case Statement::Kind::kBreak:
        return Flow::kBreak;
    case Statement::Kind::kContinue:
        return Flow::kContinue;
    }
    return Flow::kNormal;
}

bool Interpreter::CountStep(int line) {
    if (stepLimit_ == 0 || ++steps_ <= stepLimit_) return true;
    return Fail(line,
                "The script ran more than " + std::to_string(stepLimit_) + " loop steps and was stopped.");
}

bool Interpreter::Assign(const Statement& s) {
    Value v;
    if (!Evaluate(*s.expression, v)) return false;
    auto it = variables_.find(s.name);
    if (s.index) {
        Value index;
        if (!Evaluate(*s.index, index)) return false;
        if (it == variables_.end()) return Fail(s.line, "\"$" + s.name + "\" is an undeclared variable.");
        if (!it->second.IsArray()) return Fail(s.line, "\"$" + s.name + "\" is not an array.");
        const int64_t i = index.AsInt();
        // Arrays grow by assignment one past their end; a huge index would only exhaust memory.
        if (i < 0 || static_cast<size_t>(i) > it->second.Size() + 1000000)
            return Fail(s.line, "Array index " + std::to_string(i) + " is out of range.");
        Value element = v;
        if (s.op != "=" &&
            !Combine(s.op.substr(0, 1), it->second.At(static_cast<size_t>(i)), v, element, s.line))
            return false;
        it->second.SetAt(static_cast<size_t>(i), element);
        return true;
    }
    if (s.op != "=") {
        if (it == variables_.end()) return Fail(s.line, "\"$" + s.name + "\" is an undeclared variable.");
        Value combined;
        if (!Combine(s.op.substr(0, 1), it->second, v, combined, s.line)) return false;
        v = combined;
    }
    if (it == variables_.end()) {
        // An assignment to a new variable declares it with the value's type.
        variables_[s.name] = v;
    } else {
        if (it->second.IsArray() != v.IsArray())
            return Fail(s.line, std::string("Cannot convert data of type ") + Value::TypeName(v.GetType()) +
                                    " to type " + Value::TypeName(it->second.GetType()) + ".");
        it->second = v.ConvertTo(it->second.GetType());
    }
    return true;
}

bool Interpreter::RunCommand(const Expression& e, Value& out, CommandCall* called) {
    CommandCall call;
    call.name = e.text;
    call.line = e.line;
    for (const auto& operand : e.operands) {
        Argument a;
        if (operand->kind == Expression::Kind::kFlag) {
            a.isFlag = true;
            a.value = Value::String(operand->text);
        } else if (!Evaluate(*operand, a.value)) {
            return false;
        }
        call.args.push_back(std::move(a));
    }
    ScriptError error;
    const bool ok = Call(call, out, error);
    if (!ok && error_ != nullptr && !error_->IsSet()) *error_ = error;
    if (called != nullptr) *called = std::move(call);
    return ok;
}

bool Interpreter::Evaluate(const Expression& e, Value& out) {
    switch (e.kind) {
    case Expression::Kind::kLiteral:
        out = e.value;
        return true;
    case Expression::Kind::kFlag:
        out = Value::String(e.text);
        return true;
    case Expression::Kind::kVariable: {
        const Value* v = FindVariable(e.text);
        if (v == nullptr) return Fail(e.line, "\"$" + e.text + "\" is an undeclared variable.");
        if (e.operands.empty()) {
            out = *v;
            return true;
        }
        Value index;
        if (!Evaluate(*e.operands[0], index)) return false;
        if (!v->IsArray()) return Fail(e.line, "\"$" + e.text + "\" is not an array.");
        const int64_t i = index.AsInt();
        out = i < 0 ? Value::OfType(Value::ElementType(v->GetType())) : v->At(static_cast<size_t>(i));
        return true;
    }
    case Expression::Kind::kUnary: {
        Value v;
        if (!Evaluate(*e.operands[0], v)) return false;
        if (e.text == "!") {
            out = Value::Int(v.IsTrue() ? 0 : 1);
        } else if (v.GetType() == Value::Type::kInt) {
            out = Value::Int(-v.AsInt());
        } else {
            out = Value::Float(-v.AsDouble());
        }
        return true;
    }
    case Expression::Kind::kBinary:
        return EvaluateBinary(e, out);
    case Expression::Kind::kArray: {
        std::vector<Value> elements;
        Value::Type type = Value::Type::kInt;
        for (const auto& operand : e.operands) {
            Value v;
            if (!Evaluate(*operand, v)) return false;
            if (v.GetType() == Value::Type::kString)
                type = Value::Type::kString;
            else if (v.GetType() == Value::Type::kFloat && type == Value::Type::kInt)
                type = Value::Type::kFloat;
            elements.push_back(std::move(v));
        }
        out = Value::OfType(Value::ArrayType(type));
        for (size_t i = 0; i < elements.size(); ++i) out.SetAt(i, elements[i]);
        return true;
    }
    case Expression::Kind::kCommand:
        return RunCommand(e, out);
    }
    return false;
}

bool Interpreter::EvaluateBinary(const Expression& e, Value& out) {
    Value a;
    if (!Evaluate(*e.operands[0], a)) return false;
    const std::string& op = e.text;
    // && and || look at the right side only when they need it.
    if (op == "&&" || op == "||") {
        if ((op == "&&") != a.IsTrue()) {
            out = Value::Int(a.IsTrue() ? 1 : 0);
            return true;
        }
        Value b;
        if (!Evaluate(*e.operands[1], b)) return false;
        out = Value::Int(b.IsTrue() ? 1 : 0);
        return true;
    }
    Value b;
    if (!Evaluate(*e.operands[1], b)) return false;
    return Combine(op, a, b, out, e.line);
}

bool Interpreter::Combine(const std::string& op, const Value& a, const Value& b, Value& out, int line) {
    const bool strings = a.GetType() == Value::Type::kString || b.GetType() == Value::Type::kString;
    if (op == "+" && (strings || a.IsArray() || b.IsArray())) {
        out = Value::String(a.AsString() + b.AsString());
        return true;
    }
    if (op == "==" || op == "!=" || op == "<" || op == ">" || op == "<=" || op == ">=") {
        int order;
        if (strings) {
            const int c = a.AsString().compare(b.AsString());
            order = c < 0 ? -1 : (c > 0 ? 1 : 0);
        } else {
            const double x = a.AsDouble(), y = b.AsDouble();
            order = x < y ? -1 : (x > y ? 1 : 0);
        }
        const bool r = op == "=="   ? order == 0
                       : op == "!=" ? order != 0
                       : op == "<"  ? order < 0
                       : op == ">"  ? order > 0
                       : op == "<=" ? order <= 0
                                    : order >= 0;
        out = Value::Int(r ? 1 : 0);
        return true;
    }
    if (strings || a.IsArray() || b.IsArray())
        return Fail(line, "Cannot use \"" + op + "\" on values of type " + Value::TypeName(a.GetType()) +
                              " and " + Value::TypeName(b.GetType()) + ".");
    if (a.GetType() == Value::Type::kInt && b.GetType() == Value::Type::kInt) {
        const int64_t x = a.AsInt(), y = b.AsInt();
        if ((op == "/" || op == "%") && y == 0) return Fail(line, "Division by zero.");
        // Whole-number arithmetic wraps, as the machine's does; computed unsigned to stay defined.
        const auto ux = static_cast<uint64_t>(x), uy = static_cast<uint64_t>(y);
        if (op == "+")
            out = Value::Int(static_cast<int64_t>(ux + uy));
        else if (op == "-")
            out = Value::Int(static_cast<int64_t>(ux - uy));
        else if (op == "*")
            out = Value::Int(static_cast<int64_t>(ux * uy));
        else if (x == INT64_MIN && y == -1)
            out = Value::Int(op == "/" ? x : 0);
        else
            out = Value::Int(op == "/" ? x / y : x % y);
        return true;
    }
    const double x = a.AsDouble(), y = b.AsDouble();
    if (op == "+")
        out = Value::Float(x + y);
    else if (op == "-")
        out = Value::Float(x - y);
    else if (op == "*")
        out = Value::Float(x * y);
    else if (op == "/")
        out = Value::Float(x / y);
    else
        out = Value::Float(std::fmod(x, y));
    return true;
}

} // namespace vex::host::command
