#include "host/command/FunctionArguments.h"

namespace vex::host::command {

FunctionArguments::FunctionArguments(const CommandCall& call, size_t least, size_t most, std::string& error)
    : call_(call), error_(error) {
    const size_t n = call.args.size();
    if (n >= least && n <= most) return;
    ok_ = false;
    const std::string wanted =
        least == most ? std::to_string(least) : std::to_string(least) + " to " + std::to_string(most);
    error_ = "Wrong number of arguments: expects " + wanted + (most == 1 ? " argument" : " arguments") +
             ", got " + std::to_string(n) + ".";
}

bool FunctionArguments::Refuse(size_t i, const char* expected) {
    if (ok_)
        error_ = "Argument " + std::to_string(i + 1) + " must be " + expected + ", not a value of type " +
                 call_.args[i].value.TypeName() + ".";
    ok_ = false;
    return false;
}

double FunctionArguments::Number(size_t i) {
    if (!ok_ || i >= Count()) return 0.0;
    const Value& v = call_.args[i].value;
    if (!v.IsNumber()) return Refuse(i, "a number"), 0.0;
    return v.AsDouble();
}

int64_t FunctionArguments::Int(size_t i) {
    if (!ok_ || i >= Count()) return 0;
    const Value& v = call_.args[i].value;
    if (!v.IsNumber()) return Refuse(i, "a number"), 0;
    return v.AsInt();
}

std::string FunctionArguments::String(size_t i) {
    if (!ok_ || i >= Count()) return {};
    const Value& v = call_.args[i].value;
    if (v.IsArray() || v.GetType() == Value::Type::kMatrix) return Refuse(i, "a string"), std::string();
    return v.AsString();
}

std::vector<std::string> FunctionArguments::StringArray(size_t i) {
    if (!ok_ || i >= Count()) return {};
    const Value& v = call_.args[i].value;
    if (!v.IsArray()) return Refuse(i, "an array"), std::vector<std::string>();
    return v.AsStrings();
}

Value FunctionArguments::Vector(size_t i) {
    if (!ok_ || i >= Count()) return Value::Vector(0, 0, 0);
    const Value& v = call_.args[i].value;
    if (v.GetType() != Value::Type::kVector && !v.IsNumber())
        return Refuse(i, "a vector"), Value::Vector(0, 0, 0);
    return Value::Vector(v.Component(0), v.Component(1), v.Component(2));
}

} // namespace vex::host::command
