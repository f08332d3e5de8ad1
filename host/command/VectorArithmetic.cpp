#include "host/command/VectorArithmetic.h"

namespace vex::host::command {
namespace {

using Type = Value::Type;

bool Refuse(const std::string& op, const Value& a, const Value& b, std::string& error) {
    error = "Cannot use \"" + op + "\" on values of type " + a.TypeName() + " and " + b.TypeName() + ".";
    return false;
}

// The vector of a vector, or a number standing for all three components.
Value AsVector(const Value& v) {
    return Value::Vector(v.Component(0), v.Component(1), v.Component(2));
}

bool CombineMatrices(const std::string& op, const Value& a, const Value& b, Value& out, std::string& error) {
    const bool bothMatrices = a.GetType() == Type::kMatrix && b.GetType() == Type::kMatrix;
    if (op == "==" || op == "!=") {
        out = Value::Int((a == b) == (op == "=="));
        return true;
    }
    if (op == "*" && bothMatrices) {
        if (a.Columns() != b.Rows()) {
            error = "Cannot multiply a " + std::to_string(a.Rows()) + " by " + std::to_string(a.Columns()) +
                    " matrix by a " + std::to_string(b.Rows()) + " by " + std::to_string(b.Columns()) +
                    " one.";
            return false;
        }
        out = Value::Matrix(a.Rows(), b.Columns());
        for (size_t r = 0; r < a.Rows(); ++r)
            for (size_t c = 0; c < b.Columns(); ++c) {
                double sum = 0.0;
                for (size_t k = 0; k < a.Columns(); ++k) sum += a.Element(r, k) * b.Element(k, c);
                out.SetElement(r, c, sum);
            }
        return true;
    }
    if ((op == "+" || op == "-") && bothMatrices) {
        if (a.Rows() != b.Rows() || a.Columns() != b.Columns()) {
            error = "Cannot use \"" + op + "\" on matrices of different sizes.";
            return false;
        }
        out = a;
        for (size_t r = 0; r < a.Rows(); ++r)
            for (size_t c = 0; c < a.Columns(); ++c)
                out.SetElement(
                    r, c, op == "+" ? a.Element(r, c) + b.Element(r, c) : a.Element(r, c) - b.Element(r, c));
        return true;
    }
    // A matrix times a number, or divided by one.
    const Value& matrix = a.GetType() == Type::kMatrix ? a : b;
    const Value& number = a.GetType() == Type::kMatrix ? b : a;
    if (!number.IsNumber() || !(op == "*" || (op == "/" && &matrix == &a))) return Refuse(op, a, b, error);
    out = matrix;
    const double factor = number.AsDouble();
    for (size_t r = 0; r < matrix.Rows(); ++r)
        for (size_t c = 0; c < matrix.Columns(); ++c)
            out.SetElement(r, c, op == "*" ? matrix.Element(r, c) * factor : matrix.Element(r, c) / factor);
    return true;
}

} // namespace

bool IsVectorOrMatrix(const Value& v) {
    return v.GetType() == Type::kVector || v.GetType() == Type::kMatrix;
}

bool CombineVectors(const std::string& op, const Value& a, const Value& b, Value& out, std::string& error) {
    if (a.GetType() == Type::kMatrix || b.GetType() == Type::kMatrix)
        return CombineMatrices(op, a, b, out, error);
    const bool bothVectors = a.GetType() == Type::kVector && b.GetType() == Type::kVector;
    const Value u = AsVector(a), v = AsVector(b);
    const double ux = u.Component(0), uy = u.Component(1), uz = u.Component(2);
    const double vx = v.Component(0), vy = v.Component(1), vz = v.Component(2);
    if (op == "+") {
        out = Value::Vector(ux + vx, uy + vy, uz + vz);
    } else if (op == "-") {
        out = Value::Vector(ux - vx, uy - vy, uz - vz);
    } else if (op == "*") {
        if (bothVectors)
            out = Value::Float(ux * vx + uy * vy + uz * vz);
        else
            out = Value::Vector(ux * vx, uy * vy, uz * vz);
    } else if (op == "/" && b.IsNumber()) {
        out = Value::Vector(ux / vx, uy / vy, uz / vz);
    } else if (op == "^" && bothVectors) {
        out = Value::Vector(uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx);
    } else if ((op == "==" || op == "!=") && bothVectors) {
        out = Value::Int((a == b) == (op == "=="));
    } else {
        return Refuse(op, a, b, error);
    }
    return true;
}

} // namespace vex::host::command
