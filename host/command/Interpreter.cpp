#include "host/command/Interpreter.h"

#include "host/command/MathFunctions.h"
#include "host/command/Parser.h"
#include "host/command/Procedure.h"
#include "host/command/StringFunctions.h"
#include "host/command/VectorArithmetic.h"
#include "util/AtomicFile.h"
#include "util/StackGuard.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vex::host::command {

namespace {

// Deeper procedure calls than this stop the script rather than the host's stack.
constexpr int kMaxCallDepth = 400;

std::string ConvertError(Value::Type from, Value::Type to) {
    return std::string("Cannot convert data of type ") + Value::TypeName(from) + " to type " +
           Value::TypeName(to) + ".";
}

// Whether a value of type `from` may be given where `to` is expected: arrays only to arrays.
bool Convertible(Value::Type from, Value::Type to) {
    const bool fromArray = Value::OfType(from).IsArray(), toArray = Value::OfType(to).IsArray();
    if (fromArray != toArray) return false;
    // A matrix is only ever a matrix.
    return (from == Value::Type::kMatrix) == (to == Value::Type::kMatrix);
}

} // namespace

Interpreter::Interpreter() {
    // The language's own commands; the host registers the rest.
    RegisterCommand("print", [this](const CommandCall& call, Value&, std::string&) {
        // An array prints one element a line.
        std::string text;
        for (const Argument& a : call.args) {
            if (!a.value.IsArray()) {
                text += a.value.AsString();
                continue;
            }
            for (size_t i = 0; i < a.value.Size(); ++i) text += a.value.At(i).AsString() + "\n";
        }
        Print(text);
        return true;
    });
    // "error text": stops the script with `text` as its error.
    RegisterCommand("error", [](const CommandCall& call, Value&, std::string& error) {
        for (const Argument& a : call.args) error += a.value.AsString();
        if (error.empty()) error = "error";
        return false;
    });
    // "warning text": tells `text`, located, and goes on.
    RegisterCommand("warning", [this](const CommandCall& call, Value&, std::string&) {
        std::string text;
        for (const Argument& a : call.args) text += a.value.AsString();
        Report(true, ScriptError{"", call.line, text, file_}.Format());
        return true;
    });
    // "eval text...": runs the text as a script and answers its last value.
    RegisterCommand("eval", [this](const CommandCall& call, Value& result, std::string& error) {
        std::string text;
        for (const Argument& a : call.args) text += (text.empty() ? "" : " ") + a.value.AsString();
        return RunNested(text, "", result, error);
    });
    RegisterCommand("source", [this](const CommandCall& call, Value& result, std::string& error) {
        return Source(call, result, error);
    });
    InstallStringFunctions(*this);
    InstallMathFunctions(*this);
}

Interpreter::Output Interpreter::SetOutput(Output output) {
    return std::exchange(output_, std::move(output));
}

void Interpreter::RegisterWritingCommand(const std::string& name, WritingCommand command) {
    writingCommands_[name] = std::move(command);
}

void Interpreter::Report(bool warning, const std::string& text) const {
    if (diagnostics_)
        diagnostics_(warning, text);
    else
        std::fprintf(stderr, "// %s: %s //\n", warning ? "Warning" : "Error", text.c_str());
}

void Interpreter::RegisterCommand(const std::string& name, Command command) {
    commands_[name] = std::move(command);
}

bool Interpreter::UnregisterCommand(const std::string& name) {
    return commands_.erase(name) + writingCommands_.erase(name) > 0;
}

bool Interpreter::HasCommand(const std::string& name) const {
    return commands_.count(name) > 0 || writingCommands_.count(name) > 0;
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

Value* Interpreter::Lookup(const std::string& name) {
    Frame* frame = Current();
    if (frame != nullptr && (frame->topLevel || frame->globals.count(name) == 0)) {
        const auto it = frame->locals.find(name);
        if (it != frame->locals.end()) return &it->second;
        // A procedure sees only its own; the top level sees the globals past its blocks' variables.
        if (!frame->topLevel) return nullptr;
    }
    const auto it = variables_.find(name);
    return it == variables_.end() ? nullptr : &it->second;
}

Value& Interpreter::Slot(const std::string& name) {
    if (Value* existing = Lookup(name)) return *existing;
    return Place(name);
}

Value& Interpreter::Place(const std::string& name) {
    Frame* frame = Current();
    if (frame == nullptr || (frame->topLevel && frame->blocks == 0)) return variables_[name];
    const bool wasGlobal = frame->globals.erase(name) > 0;
    auto [it, added] = frame->locals.try_emplace(name);
    if (frame->blocks > 0) {
        Hidden& hidden = frame->declared.emplace_back();
        hidden.name = name;
        if (!added) hidden.previous = std::move(it->second); // the caller gives the new one its value
        hidden.wasGlobal = wasGlobal;
    }
    return it->second;
}

std::size_t Interpreter::OpenBlock() {
    Frame* frame = Current();
    if (frame == nullptr) return 0;
    ++frame->blocks;
    return frame->declared.size();
}

void Interpreter::CloseBlock(std::size_t mark) {
    Frame* frame = Current();
    if (frame == nullptr) return;
    --frame->blocks;
    // The innermost declaration first, so that a name declared twice gets back what it first hid.
    while (frame->declared.size() > mark) {
        Hidden& hidden = frame->declared.back();
        if (hidden.previous) {
            frame->locals[hidden.name] = std::move(*hidden.previous);
        } else {
            frame->locals.erase(hidden.name);
        }
        if (hidden.wasGlobal) frame->globals.insert(hidden.name);
        frame->declared.pop_back();
    }
}

bool Interpreter::Fail(int line, const std::string& reason, const std::string& command) {
    if (error_ != nullptr && !error_->IsSet()) {
        error_->line = line;
        error_->reason = reason;
        error_->command = command;
        error_->file = file_;
    }
    return false;
}

bool Interpreter::Run(std::string_view script, Value& result, ScriptError& error) {
    error = ScriptError();
    result = Value();
    const bool topLevel = depth_ == 0;
    // Text run from inside a command (a plug-in's executeCommand) is not the script's own file.
    const std::string file = topLevel ? scriptName_ : std::string();
    std::vector<std::unique_ptr<Statement>> statements;
    if (!Parser::Parse(script, statements, error)) {
        error.file = file;
        return false;
    }
    ScriptError* outer = error_;
    error_ = &error;
    if (topLevel) steps_ = 0;
    ++depth_;
    Frame top;
    top.topLevel = true;
    frames_.push_back(&top);
    std::string outerFile = std::exchange(file_, file);
    const Flow flow = ExecuteAll(statements, result, topLevel);
    file_ = std::move(outerFile);
    frames_.pop_back();
    --depth_;
    error_ = outer;
    if (flow == Flow::kError) return false;
    if (flow != Flow::kNormal) {
        error.line = statements.empty() ? 1 : statements.back()->line;
        error.reason = "\"break\" or \"continue\" outside a loop";
        error.file = file;
        return false;
    }
    return true;
}

bool Interpreter::RunNested(std::string_view script, const std::string& file, Value& result,
                            std::string& reason) {
    ScriptError inner;
    std::vector<std::unique_ptr<Statement>> statements;
    bool ok = Parser::Parse(script, statements, inner);
    inner.file = file;
    if (ok) {
        ScriptError* outer = error_;
        error_ = &inner;
        std::string outerFile = std::exchange(file_, file);
        Frame top;
        top.topLevel = true;
        frames_.push_back(&top);
        const Flow flow = ExecuteAll(statements, result, false);
        frames_.pop_back();
        file_ = std::move(outerFile);
        error_ = outer;
        if (flow == Flow::kBreak || flow == Flow::kContinue) {
            inner.line = statements.back()->line;
            inner.reason = "\"break\" or \"continue\" outside a loop";
        }
        ok = flow == Flow::kNormal;
    }
    if (ok) return true;
    // The error is the script's own, located where it happened rather than at the call.
    if (error_ != nullptr && !error_->IsSet()) *error_ = inner;
    reason = inner.Format();
    return false;
}

bool Interpreter::Source(const CommandCall& call, Value& result, std::string& reason) {
    if (call.args.size() != 1 || call.args[0].value.IsArray()) {
        reason = "expects one file name";
        return false;
    }
    std::string name = call.args[0].value.AsString();
    std::vector<std::string> candidates = {name};
    if (!name.empty() && name[0] != '/') {
        // Relative names are looked for on MAYA_SCRIPT_PATH too, with ".mel" added when it is left out.
        std::vector<std::string> names = {name};
        if (!name.ends_with(".mel")) names.push_back(name + ".mel");
        candidates = names;
        const char* path = std::getenv("MAYA_SCRIPT_PATH");
        std::string_view folders = path != nullptr ? path : "";
        while (!folders.empty()) {
            const size_t colon = folders.find(':');
            const std::string folder(folders.substr(0, colon));
            folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
            if (folder.empty()) continue;
            for (const std::string& n : names) candidates.push_back(folder + "/" + n);
        }
    }
    for (const std::string& candidate : candidates) {
        std::string text;
        // Sourcing defines and runs; it answers nothing itself.
        Value ignored;
        result = Value();
        if (util::ReadWholeFile(candidate, text)) return RunNested(text, candidate, ignored, reason);
    }
    reason = "Cannot find file \"" + name + "\" for source statement.";
    return false;
}

bool Interpreter::Call(const CommandCall& call, Value& result, ScriptError& error) {
    return Dispatch(call, result, error, nullptr);
}

bool Interpreter::Dispatch(const CommandCall& call, Value& result, ScriptError& error,
                           std::vector<Value>* arguments) {
    error = ScriptError();
    result = Value();
    if (const auto procedure = procedures_.find(call.name); procedure != procedures_.end()) {
        // Keep the procedure alive while it runs, even if it redefines itself.
        const std::shared_ptr<Procedure> running = procedure->second;
        ScriptError* outer = error_;
        error_ = &error;
        const bool ok = CallProcedure(*running, call, result, arguments);
        error_ = outer;
        return ok;
    }
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
    // "error" states the script's own message, and a name nobody knows says so itself; every other
    // command is named with its reason.
    const bool unknown = it == commands_.end() && reason.rfind("Cannot find procedure", 0) == 0;
    if (call.name != "error" && !unknown) error.command = call.name;
    error.reason = reason.empty() ? "failed" : reason;
    error.file = file_;
    return false;
}

bool Interpreter::CallProcedure(const Procedure& procedure, const CommandCall& call, Value& result,
                                std::vector<Value>* arguments) {
    if (call.args.size() != procedure.parameters.size())
        return Fail(call.line, "Wrong number of arguments on call to " + procedure.name + ": it takes " +
                                   std::to_string(procedure.parameters.size()) + ", not " +
                                   std::to_string(call.args.size()) + ".");
    if (calls_ >= kMaxCallDepth)
        return Fail(call.line, "Procedure calls are nested more than " + std::to_string(kMaxCallDepth) +
                                   " deep in " + procedure.name + ".");
    if (util::StackGuard::Low())
        return Fail(call.line,
                    "Procedure calls are nested more than the stack can hold in " + procedure.name + ".");
    Frame frame;
    for (size_t i = 0; i < call.args.size(); ++i) {
        const Procedure::Parameter& parameter = procedure.parameters[i];
        const Value& v = call.args[i].value;
        if (!Convertible(v.GetType(), parameter.type))
            return Fail(call.line, "Argument " + std::to_string(i + 1) + " of " + procedure.name + ": " +
                                       ConvertError(v.GetType(), parameter.type));
        frame.locals[parameter.name] = v.ConvertTo(parameter.type);
    }
    frames_.push_back(&frame);
    const Procedure* outerProcedure = std::exchange(procedure_, &procedure);
    std::string outerFile = std::exchange(file_, procedure.file);
    ++calls_;
    returned_ = Value();
    Value last;
    const Flow flow = ExecuteAll(procedure.body, last, false);
    --calls_;
    file_ = std::move(outerFile);
    procedure_ = outerProcedure;
    frames_.pop_back();
    if (arguments != nullptr)
        for (const Procedure::Parameter& parameter : procedure.parameters)
            arguments->push_back(std::move(frame.locals[parameter.name]));
    if (flow == Flow::kError) return false;
    if (flow == Flow::kBreak || flow == Flow::kContinue)
        return Fail(call.line, "\"break\" or \"continue\" outside a loop in " + procedure.name + ".");
    if (!procedure.returnsValue) {
        result = Value();
        return true;
    }
    result = flow == Flow::kReturn ? std::exchange(returned_, Value()) : Value::OfType(procedure.returnType);
    return true;
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
        CommandCall call;
        const bool isCommand = s.expression->kind == Expression::Kind::kCommand;
        if (!(isCommand ? RunCommand(*s.expression, last, &call) : Evaluate(*s.expression, last)))
            return Flow::kError;
        // The script editor shows what a statement answers; a bare "$i++" answers nothing worth it.
        const bool shown = s.expression->kind != Expression::Kind::kIncrement;
        if (topLevel && shown && resultSink_ && !(last == Value())) resultSink_(call, last);
        return Flow::kNormal;
    }
    case Statement::Kind::kDeclare:
        return Declare(s);
    case Statement::Kind::kAssign: {
        Value v;
        if (!Evaluate(*s.expression, v)) return Flow::kError;
        return Store(s.name, s.index.get(), s.column.get(), s.op, v, s.line) ? Flow::kNormal : Flow::kError;
    }
    case Statement::Kind::kIf: {
        Value cond;
        if (!Evaluate(*s.expression, cond)) return Flow::kError;
        if (cond.IsTrue()) return Execute(*s.body[0], last, false);
        if (s.body.size() > 1) return Execute(*s.body[1], last, false);
        return Flow::kNormal;
    }
    case Statement::Kind::kWhile:
    case Statement::Kind::kDoWhile:
    case Statement::Kind::kFor:
    case Statement::Kind::kForIn:
        return ExecuteLoop(s, last);
    case Statement::Kind::kSwitch:
        return ExecuteSwitch(s, last);
    case Statement::Kind::kCase:
    case Statement::Kind::kDeclarations:
        return ExecuteAll(s.body, last, false);
    case Statement::Kind::kBlock: {
        const std::size_t mark = OpenBlock();
        const Flow flow = ExecuteAll(s.body, last, false);
        CloseBlock(mark);
        return flow;
    }
    case Statement::Kind::kBreak:
        return Flow::kBreak;
    case Statement::Kind::kContinue:
        return Flow::kContinue;
    case Statement::Kind::kReturn: {
        returned_ = Value();
        if (!s.expression) return Flow::kReturn;
        Value v;
        if (!Evaluate(*s.expression, v)) return Flow::kError;
        if (!Convertible(v.GetType(), procedure_->returnType)) {
            Fail(s.line, procedure_->name + " returns " + Value::TypeName(procedure_->returnType) + ": " +
                             ConvertError(v.GetType(), procedure_->returnType));
            return Flow::kError;
        }
        returned_ = v.ConvertTo(procedure_->returnType);
        return Flow::kReturn;
    }
    case Statement::Kind::kProcedure:
        s.procedure->file = file_;
        procedures_[s.name] = s.procedure;
        return Flow::kNormal;
    }
    return Flow::kNormal;
}

Interpreter::Flow Interpreter::Declare(const Statement& s) {
    Frame* frame = Current();
    if (s.global && frame != nullptr && !frame->topLevel) {
        // From here on the procedure's $name is the global one.
        frame->globals.insert(s.name);
        frame->locals.erase(s.name);
    }
    const auto existing = variables_.find(s.name);
    if (s.global && !s.expression && existing != variables_.end() &&
        existing->second.GetType() == s.declaredType)
        return Flow::kNormal;
    Value initial = Value::OfType(s.declaredType);
    if (s.declaredType == Value::Type::kMatrix) {
        Value rows, columns;
        if (!Evaluate(*s.index, rows) || !Evaluate(*s.column, columns)) return Flow::kError;
        if (rows.AsInt() < 1 || columns.AsInt() < 1 || rows.AsInt() * columns.AsInt() > 1000000) {
            Fail(s.line, "A matrix needs a size of at least 1 by 1, not " + rows.AsString() + " by " +
                             columns.AsString() + ".");
            return Flow::kError;
        }
        initial = Value::Matrix(static_cast<size_t>(rows.AsInt()), static_cast<size_t>(columns.AsInt()));
    }
    if (s.expression) {
        Value v;
        if (!Evaluate(*s.expression, v)) return Flow::kError;
        if (!Convertible(v.GetType(), s.declaredType)) {
            Fail(s.line, ConvertError(v.GetType(), s.declaredType));
            return Flow::kError;
        }
        if (s.declaredType == Value::Type::kMatrix &&
            (v.Rows() != initial.Rows() || v.Columns() != initial.Columns())) {
            Fail(s.line, "The matrix is declared " + std::to_string(initial.Rows()) + " by " +
                             std::to_string(initial.Columns()) + " but given " + std::to_string(v.Rows()) +
                             " by " + std::to_string(v.Columns()) + ".");
            return Flow::kError;
        }
        initial = v.ConvertTo(s.declaredType);
    }
    (s.global ? variables_[s.name] : Place(s.name)) = std::move(initial);
    return Flow::kNormal;
}

Interpreter::Flow Interpreter::ExecuteLoop(const Statement& s, Value& last) {
    const bool isFor = s.kind == Statement::Kind::kFor;
    if (isFor && Execute(*s.body[0], last, false) == Flow::kError) return Flow::kError;
    Value list;
    if (s.kind == Statement::Kind::kForIn && !Evaluate(*s.expression, list)) return Flow::kError;
    const Statement& loopBody = isFor ? *s.body[2] : *s.body[0];
    for (size_t i = 0;; ++i) {
        if (!CountStep(s.line)) return Flow::kError;
        if (s.kind == Statement::Kind::kForIn) {
            if (i >= list.Size()) break;
            Slot(s.name) = list.At(i);
        } else if (s.kind != Statement::Kind::kDoWhile || i > 0) {
            Value cond;
            if (!Evaluate(*s.expression, cond)) return Flow::kError;
            if (!cond.IsTrue()) break;
        }
        const Flow flow = Execute(loopBody, last, false);
        if (flow == Flow::kError || flow == Flow::kReturn) return flow;
        if (flow == Flow::kBreak) break;
        if (isFor && Execute(*s.body[1], last, false) == Flow::kError) return Flow::kError;
    }
    return Flow::kNormal;
}

Interpreter::Flow Interpreter::ExecuteSwitch(const Statement& s, Value& last) {
    Value subject;
    if (!Evaluate(*s.expression, subject)) return Flow::kError;
    // The first case equal to the value, else "default"; from there on every case runs until a break.
    size_t start = s.body.size();
    for (size_t i = 0; i < s.body.size() && start == s.body.size(); ++i) {
        if (!s.body[i]->expression) continue;
        Value label, same;
        if (!Evaluate(*s.body[i]->expression, label) || !Combine("==", subject, label, same, s.body[i]->line))
            return Flow::kError;
        if (same.IsTrue()) start = i;
    }
    for (size_t i = 0; i < s.body.size() && start == s.body.size(); ++i)
        if (!s.body[i]->expression) start = i;
    // The cases share one block: what one declares, those after it see, until the switch ends.
    const std::size_t mark = OpenBlock();
    Flow flow = Flow::kNormal;
    for (size_t i = start; i < s.body.size() && flow == Flow::kNormal; ++i)
        flow = ExecuteAll(s.body[i]->body, last, false);
    CloseBlock(mark);
    return flow == Flow::kBreak ? Flow::kNormal : flow;
}

bool Interpreter::CountStep(int line) {
    if (stepLimit_ == 0 || ++steps_ <= stepLimit_) return true;
    return Fail(line,
                "The script ran more than " + std::to_string(stepLimit_) + " loop steps and was stopped.");
}

bool Interpreter::Store(const std::string& name, const Expression* index, const Expression* column,
                        const std::string& op, const Value& v, int line) {
    const std::string combining = op.substr(0, 1); // "+=" combines with "+"
    Value* slot = Lookup(name);
    if (index != nullptr) {
        Value i, j;
        if (!Evaluate(*index, i) || (column != nullptr && !Evaluate(*column, j))) return false;
        slot = Lookup(name); // the indexes may have declared variables
        if (slot == nullptr) return Fail(line, "\"$" + name + "\" is an undeclared variable.");
        if (slot->GetType() == Value::Type::kMatrix) {
            if (column == nullptr)
                return Fail(line, "A matrix element needs two indexes: $" + name + "[row][column].");
            const int64_t r = i.AsInt(), c = j.AsInt();
            if (r < 0 || c < 0 || static_cast<size_t>(r) >= slot->Rows() ||
                static_cast<size_t>(c) >= slot->Columns())
                return Fail(line, "Matrix index [" + std::to_string(r) + "][" + std::to_string(c) +
                                      "] is out of range for $" + name + ".");
            Value element = v;
            if (op != "=" && !Combine(combining, Value::Float(slot->Element(r, c)), v, element, line))
                return false;
            if (!element.IsNumber()) return Fail(line, ConvertError(element.GetType(), Value::Type::kFloat));
            slot->SetElement(static_cast<size_t>(r), static_cast<size_t>(c), element.AsDouble());
            return true;
        }
        if (column != nullptr) return Fail(line, "\"$" + name + "\" is not a matrix.");
        if (!slot->IsArray()) return Fail(line, "\"$" + name + "\" is not an array.");
        const int64_t k = i.AsInt();
        // Arrays grow by assignment one past their end; a huge index would only exhaust memory.
        if (k < 0 || static_cast<size_t>(k) > slot->Size() + 1000000)
            return Fail(line, "Array index " + std::to_string(k) + " is out of range.");
        Value element = v;
        if (op != "=" && !Combine(combining, slot->At(static_cast<size_t>(k)), v, element, line))
            return false;
        if (element.IsArray() || element.GetType() == Value::Type::kMatrix)
            return Fail(line, ConvertError(element.GetType(), Value::ElementType(slot->GetType())));
        slot->SetAt(static_cast<size_t>(k), element);
        return true;
    }
    Value combined = v;
    if (op != "=") {
        if (slot == nullptr) return Fail(line, "\"$" + name + "\" is an undeclared variable.");
        if (!Combine(combining, *slot, v, combined, line)) return false;
    }
    if (slot == nullptr) {
        // An assignment to a new variable declares it with the value's type.
        Slot(name) = combined;
        return true;
    }
    if (!Convertible(combined.GetType(), slot->GetType()))
        return Fail(line, ConvertError(combined.GetType(), slot->GetType()));
    *slot = combined.ConvertTo(slot->GetType());
    return true;
}

bool Interpreter::RunCommand(const Expression& e, Value& out, CommandCall* called) {
    if (e.text == "catch" || e.text == "catchQuiet") return Catch(e, out);
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
    bool ok = false;
    const auto writing = writingCommands_.find(call.name);
    if (writing != writingCommands_.end() && procedures_.count(call.name) == 0) {
        // The last argument names the variable the command writes.
        const Expression* target = e.operands.empty() ? nullptr : e.operands.back().get();
        if (target == nullptr || target->kind != Expression::Kind::kVariable || !target->operands.empty())
            return Fail(e.line, "The last argument must be a variable to write the result to.", call.name);
        Value written;
        std::string reason;
        ok = writing->second(call, out, written, reason);
        if (ok) return Store(target->text, nullptr, nullptr, "=", written, e.line);
        error = ScriptError{call.name, call.line, reason, file_};
    } else {
        std::vector<Value> arguments;
        ok = Dispatch(call, out, error, &arguments);
        // Arrays go to procedures by reference: the caller's array variable ends as the procedure left it.
        for (size_t i = 0; ok && i < arguments.size() && i < e.operands.size(); ++i) {
            const Expression& operand = *e.operands[i];
            if (arguments[i].IsArray() && operand.kind == Expression::Kind::kVariable &&
                operand.operands.empty())
                ok = Store(operand.text, nullptr, nullptr, "=", arguments[i], e.line);
        }
    }
    if (!ok && error_ != nullptr && !error_->IsSet()) *error_ = error;
    if (called != nullptr) *called = std::move(call);
    return ok;
}

bool Interpreter::Catch(const Expression& e, Value& out) {
    ScriptError caught;
    ScriptError* outer = error_;
    error_ = &caught;
    bool ok = true;
    for (const auto& operand : e.operands) {
        Value ignored;
        if (!Evaluate(*operand, ignored)) {
            ok = false;
            break;
        }
    }
    error_ = outer;
    // catch tells the error it stopped, once; catchQuiet keeps it to itself.
    if (!ok && e.text == "catch") Report(false, caught.Format());
    out = Value::Int(ok ? 0 : 1);
    return true;
}

bool Interpreter::Evaluate(const Expression& e, Value& out) {
    // Expressions nest inside procedure calls, so their depth alone does not bound the stack.
    if (util::StackGuard::Low()) return Fail(e.line, "Expressions are nested more than the stack can hold.");
    switch (e.kind) {
    case Expression::Kind::kLiteral:
        out = e.value;
        return true;
    case Expression::Kind::kFlag:
        out = Value::String(e.text);
        return true;
    case Expression::Kind::kVariable:
        return EvaluateVariable(e, out);
    case Expression::Kind::kUnary: {
        Value v;
        if (!Evaluate(*e.operands[0], v)) return false;
        if (e.text == "!") {
            out = Value::Int(v.IsTrue() ? 0 : 1);
            return true;
        }
        if (v.GetType() == Value::Type::kInt) {
            out = Value::Int(static_cast<int64_t>(0 - static_cast<uint64_t>(v.AsInt())));
            return true;
        }
        if (v.GetType() == Value::Type::kFloat) {
            out = Value::Float(-v.AsDouble());
            return true;
        }
        return Combine("*", v, Value::Int(-1), out, e.line);
    }
    case Expression::Kind::kBinary:
        return EvaluateBinary(e, out);
    case Expression::Kind::kArray: {
        std::vector<Value> elements;
        Value::Type type = Value::Type::kInt;
        for (const auto& operand : e.operands) {
            Value v;
            if (!Evaluate(*operand, v)) return false;
            if (v.IsArray() || v.GetType() == Value::Type::kVector || v.GetType() == Value::Type::kMatrix)
                return Fail(e.line,
                            std::string("An array cannot hold a value of type ") + v.TypeName() + ".");
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
    case Expression::Kind::kIncrement:
        return Increment(e, out);
    case Expression::Kind::kTernary: {
        Value cond;
        if (!Evaluate(*e.operands[0], cond)) return false;
        return Evaluate(*e.operands[cond.IsTrue() ? 1 : 2], out);
    }
    case Expression::Kind::kVector:
    case Expression::Kind::kMatrix:
        return EvaluateVectorOrMatrix(e, out);
    case Expression::Kind::kComponent: {
        Value v;
        if (!Evaluate(*e.operands[0], v)) return false;
        if (v.GetType() != Value::Type::kVector)
            return Fail(e.line,
                        std::string("Cannot take ." + e.text + " of a value of type ") + v.TypeName() + ".");
        out = Value::Float(v.Component(static_cast<size_t>(e.text[0] - 'x')));
        return true;
    }
    }
    return false;
}

bool Interpreter::EvaluateVariable(const Expression& e, Value& out) {
    Value index, column;
    if (!e.operands.empty() && !Evaluate(*e.operands[0], index)) return false;
    if (e.operands.size() > 1 && !Evaluate(*e.operands[1], column)) return false;
    const Value* v = Lookup(e.text);
    if (v == nullptr) return Fail(e.line, "\"$" + e.text + "\" is an undeclared variable.");
    if (e.operands.empty()) {
        out = *v;
        return true;
    }
    if (v->GetType() == Value::Type::kMatrix) {
        const int64_t r = index.AsInt(), c = column.AsInt();
        if (e.operands.size() < 2)
            return Fail(e.line, "A matrix element needs two indexes: $" + e.text + "[row][column].");
        if (r < 0 || c < 0 || static_cast<size_t>(r) >= v->Rows() || static_cast<size_t>(c) >= v->Columns())
            return Fail(e.line, "Matrix index [" + std::to_string(r) + "][" + std::to_string(c) +
                                    "] is out of range for $" + e.text + ".");
        out = Value::Float(v->Element(static_cast<size_t>(r), static_cast<size_t>(c)));
        return true;
    }
    if (e.operands.size() > 1) return Fail(e.line, "\"$" + e.text + "\" is not a matrix.");
    if (!v->IsArray()) return Fail(e.line, "\"$" + e.text + "\" is not an array.");
    const int64_t i = index.AsInt();
    out = i < 0 ? Value::OfType(Value::ElementType(v->GetType())) : v->At(static_cast<size_t>(i));
    return true;
}

bool Interpreter::EvaluateVectorOrMatrix(const Expression& e, Value& out) {
    std::vector<double> values;
    for (const auto& operand : e.operands) {
        Value v;
        if (!Evaluate(*operand, v)) return false;
        if (!v.IsNumber())
            return Fail(e.line, std::string("The values of a vector or matrix must be numbers, not ") +
                                    v.TypeName() + ".");
        values.push_back(v.AsDouble());
    }
    if (e.kind == Expression::Kind::kVector) {
        out = Value::Vector(values[0], values[1], values[2]);
    } else {
        const size_t rows = values.size() / e.columns;
        out = Value::Matrix(rows, e.columns, std::move(values));
    }
    return true;
}

bool Interpreter::Increment(const Expression& e, Value& out) {
    const Expression& target = *e.operands[0];
    if (target.kind != Expression::Kind::kVariable)
        return Fail(e.line, "\"" + e.text + "\" needs a variable.");
    Value old;
    if (!EvaluateVariable(target, old)) return false;
    if (!old.IsNumber())
        return Fail(e.line, "\"" + e.text + "\" needs a number, not a " + std::string(old.TypeName()) + ".");
    const Expression* index = target.operands.empty() ? nullptr : target.operands[0].get();
    const Expression* column = target.operands.size() > 1 ? target.operands[1].get() : nullptr;
    if (!Store(target.text, index, column, e.text == "++" ? "+=" : "-=", Value::Int(1), e.line)) return false;
    if (!e.prefix) {
        out = old;
        return true;
    }
    return EvaluateVariable(target, out);
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
    if (!strings && !a.IsArray() && !b.IsArray() && (IsVectorOrMatrix(a) || IsVectorOrMatrix(b))) {
        std::string reason;
        return CombineVectors(op, a, b, out, reason) || Fail(line, reason);
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
    if (op == "^") return Fail(line, "\"^\" is the cross product of two vectors.");
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
