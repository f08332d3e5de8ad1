#include "host/command/MathFunctions.h"

#include "host/command/FunctionArguments.h"
#include "host/command/Interpreter.h"
#include "host/command/VectorArithmetic.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <random>

namespace vex::host::command {
namespace {

// A function of one number answering a float.
void DefineUnary(Interpreter& interpreter, const char* name, double (*function)(double)) {
    interpreter.RegisterCommand(name, [function](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, 1, 1, error);
        const double x = args.Number(0);
        if (!args.Ok()) return false;
        result = Value::Float(function(x));
        return true;
    });
}

// A function of two numbers answering a float.
void DefineBinary(Interpreter& interpreter, const char* name, double (*function)(double, double)) {
    interpreter.RegisterCommand(name, [function](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, 2, 2, error);
        const double x = args.Number(0), y = args.Number(1);
        if (!args.Ok()) return false;
        result = Value::Float(function(x, y));
        return true;
    });
}

// min and max: ints give an int, any float a float, vectors compare by component.
void DefineExtreme(Interpreter& interpreter, const char* name, bool least) {
    interpreter.RegisterCommand(name, [least](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, 2, 2, error);
        if (!args.Ok()) return false;
        const Value& a = args.Raw(0);
        const Value& b = args.Raw(1);
        const auto pick = [least](double x, double y) { return least ? std::min(x, y) : std::max(x, y); };
        if (a.GetType() == Value::Type::kVector || b.GetType() == Value::Type::kVector) {
            const Value u = args.Vector(0), v = args.Vector(1);
            if (!args.Ok()) return false;
            result = Value::Vector(pick(u.Component(0), v.Component(0)), pick(u.Component(1), v.Component(1)),
                                   pick(u.Component(2), v.Component(2)));
            return true;
        }
        const double x = args.Number(0), y = args.Number(1);
        if (!args.Ok()) return false;
        const bool ints = a.GetType() == Value::Type::kInt && b.GetType() == Value::Type::kInt;
        result = ints ? Value::Int(static_cast<int64_t>(pick(x, y))) : Value::Float(pick(x, y));
        return true;
    });
}

// A function of one vector answering what `function` makes of it.
void DefineVector(Interpreter& interpreter, const char* name, Value (*function)(const Value& v)) {
    interpreter.RegisterCommand(name, [function](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, 1, 1, error);
        const Value v = args.Vector(0);
        if (!args.Ok()) return false;
        result = function(v);
        return true;
    });
}

// dot and cross: `op` of two vectors.
void DefineVectorProduct(Interpreter& interpreter, const char* name, const char* op) {
    interpreter.RegisterCommand(name, [op](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, 2, 2, error);
        const Value u = args.Vector(0), v = args.Vector(1);
        return args.Ok() && CombineVectors(op, u, v, result, error);
    });
}

// A random number in [0, 1) from the top 53 bits of the generator: the same on every platform.
double Uniform(std::mt19937_64& generator) {
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

} // namespace

void InstallMathFunctions(Interpreter& interpreter) {
    const std::pair<const char*, double (*)(double)> unary[] = {
        {"floor", [](double x) { return std::floor(x); }},
        {"ceil", [](double x) { return std::ceil(x); }},
        {"trunc", [](double x) { return std::trunc(x); }},
        {"sqrt", [](double x) { return std::sqrt(x); }},
        {"exp", [](double x) { return std::exp(x); }},
        {"log", [](double x) { return std::log(x); }},
        {"sin", [](double x) { return std::sin(x); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"tan", [](double x) { return std::tan(x); }},
        {"asin", [](double x) { return std::asin(x); }},
        {"acos", [](double x) { return std::acos(x); }},
        {"atan", [](double x) { return std::atan(x); }},
        {"deg_to_rad", [](double x) { return x * std::numbers::pi / 180.0; }},
        {"rad_to_deg", [](double x) { return x * 180.0 / std::numbers::pi; }}};
    for (const auto& [name, function] : unary) DefineUnary(interpreter, name, function);
    DefineBinary(interpreter, "pow", [](double x, double y) { return std::pow(x, y); });
    DefineBinary(interpreter, "atan2", [](double y, double x) { return std::atan2(y, x); });
    DefineExtreme(interpreter, "min", true);
    DefineExtreme(interpreter, "max", false);

    // abs keeps the type it is given: an int, a float or a vector.
    interpreter.RegisterCommand("abs", [](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, 1, 1, error);
        if (!args.Ok()) return false;
        const Value& v = args.Raw(0);
        if (v.GetType() == Value::Type::kVector) {
            result =
                Value::Vector(std::abs(v.Component(0)), std::abs(v.Component(1)), std::abs(v.Component(2)));
            return true;
        }
        const double x = args.Number(0);
        if (!args.Ok()) return false;
        result = v.GetType() == Value::Type::kInt ? Value::Int(v.AsInt() < 0 ? -v.AsInt() : v.AsInt())
                                                  : Value::Float(std::abs(x));
        return true;
    });
    // clamp(low, high, value)
    interpreter.RegisterCommand("clamp", [](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, 3, 3, error);
        const double low = args.Number(0), high = args.Number(1), x = args.Number(2);
        if (!args.Ok()) return false;
        result = Value::Float(x < low ? low : x > high ? high : x);
        return true;
    });

    DefineVector(interpreter, "mag", [](const Value& v) { return Value::Float(v.AsDouble()); });
    DefineVector(interpreter, "unit", [](const Value& v) {
        const double length = v.AsDouble();
        if (length == 0.0) return v;
        return Value::Vector(v.Component(0) / length, v.Component(1) / length, v.Component(2) / length);
    });
    DefineVectorProduct(interpreter, "dot", "*");
    DefineVectorProduct(interpreter, "cross", "^");

    // rand(high) or rand(low, high), and rand(<<vector>>) for one number per component below it;
    // seed(n) restarts the sequence.
    auto generator = std::make_shared<std::mt19937_64>(std::random_device{}());
    interpreter.RegisterCommand(
        "rand", [generator](const CommandCall& call, Value& result, std::string& error) {
            FunctionArguments args(call, 1, 2, error);
            if (!args.Ok()) return false;
            if (args.Count() == 1 && args.Raw(0).GetType() == Value::Type::kVector) {
                const Value& high = args.Raw(0);
                const double x = Uniform(*generator), y = Uniform(*generator), z = Uniform(*generator);
                result = Value::Vector(x * high.Component(0), y * high.Component(1), z * high.Component(2));
                return true;
            }
            const double low = args.Count() == 2 ? args.Number(0) : 0.0;
            const double high = args.Number(args.Count() - 1);
            if (!args.Ok()) return false;
            result = Value::Float(low + (high - low) * Uniform(*generator));
            return true;
        });
    interpreter.RegisterCommand("seed",
                                [generator](const CommandCall& call, Value& result, std::string& error) {
                                    FunctionArguments args(call, 1, 1, error);
                                    const int64_t n = args.Int(0);
                                    if (!args.Ok()) return false;
                                    generator->seed(static_cast<uint64_t>(n));
                                    result = Value::Int(n);
                                    return true;
                                });
}

} // namespace vex::host::command
