#include "host/command/Value.h"

#include "util/NumberText.h"

#include <charconv>

namespace vex::host::command {

Value Value::Int(int64_t v) {
    Value r;
    r.type_ = Type::Int;
    r.int_ = v;
    return r;
}

Value Value::Float(double v) {
    Value r;
    r.type_ = Type::Float;
    r.float_ = v;
    return r;
}

Value Value::String(std::string v) {
    Value r;
    r.string_ = std::move(v);
    return r;
}

Value Value::IntArray(std::vector<int64_t> v) {
    Value r;
    r.type_ = Type::IntArray;
    r.ints_ = std::move(v);
    return r;
}

Value Value::FloatArray(std::vector<double> v) {
    Value r;
    r.type_ = Type::FloatArray;
    r.floats_ = std::move(v);
    return r;
}

Value Value::StringArray(std::vector<std::string> v) {
    Value r;
    r.type_ = Type::StringArray;
    r.strings_ = std::move(v);
    return r;
}

Value Value::OfType(Type type) {
    Value r;
    r.type_ = type;
    return r;
}

Value::Type Value::ElementType(Type type) {
    switch (type) {
    case Type::IntArray:
        return Type::Int;
    case Type::FloatArray:
        return Type::Float;
    case Type::StringArray:
        return Type::String;
    default:
        return type;
    }
}

Value::Type Value::ArrayType(Type type) {
    switch (type) {
    case Type::Int:
        return Type::IntArray;
    case Type::Float:
        return Type::FloatArray;
    case Type::String:
        return Type::StringArray;
    default:
        return type;
    }
}

const char* Value::TypeName(Type type) {
    switch (type) {
    case Type::Int:
        return "int";
    case Type::Float:
        return "float";
    case Type::String:
        return "string";
    case Type::IntArray:
        return "int[]";
    case Type::FloatArray:
        return "float[]";
    case Type::StringArray:
        return "string[]";
    }
    return "";
}

std::string Value::FormatDouble(double v) {
    return util::FormatNumber(v);
}

std::string Value::AsString() const {
    switch (type_) {
    case Type::Int:
        return std::to_string(int_);
    case Type::Float:
        return FormatDouble(float_);
    case Type::String:
        return string_;
    default:
        break;
    }
    std::string text;
    for (size_t i = 0; i < Size(); ++i) {
        if (i > 0) text += ' ';
        text += At(i).AsString();
    }
    return text;
}

double Value::AsDouble() const {
    switch (type_) {
    case Type::Int:
        return static_cast<double>(int_);
    case Type::Float:
        return float_;
    case Type::String: {
        return util::ParseLeadingNumber(string_);
    }
    default:
        return 0.0;
    }
}

int64_t Value::AsInt() const {
    if (type_ == Type::Int) return int_;
    const double v = AsDouble();
    if (!(v == v)) return 0; // NaN
    if (v >= 9.2e18) return INT64_MAX;
    if (v <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(v);
}

bool Value::IsTrue() const {
    switch (type_) {
    case Type::Int:
        return int_ != 0;
    case Type::Float:
        return float_ != 0.0;
    case Type::String:
        return !string_.empty();
    default:
        return Size() > 0;
    }
}

Value Value::ConvertTo(Type type) const {
    if (type == type_) return *this;
    switch (type) {
    case Type::Int:
        return Int(AsInt());
    case Type::Float:
        return Float(AsDouble());
    case Type::String:
        return String(AsString());
    default:
        break;
    }
    Value result = OfType(type);
    const Type element = ElementType(type);
    if (!IsArray()) {
        result.SetAt(0, ConvertTo(element));
        return result;
    }
    for (size_t i = 0; i < Size(); ++i) result.SetAt(i, At(i).ConvertTo(element));
    return result;
}

size_t Value::Size() const {
    switch (type_) {
    case Type::IntArray:
        return ints_.size();
    case Type::FloatArray:
        return floats_.size();
    case Type::StringArray:
        return strings_.size();
    default:
        return 1;
    }
}

Value Value::At(size_t i) const {
    switch (type_) {
    case Type::IntArray:
        return Int(i < ints_.size() ? ints_[i] : 0);
    case Type::FloatArray:
        return Float(i < floats_.size() ? floats_[i] : 0.0);
    case Type::StringArray:
        return String(i < strings_.size() ? strings_[i] : std::string());
    default:
        return i == 0 ? *this : OfType(type_);
    }
}

void Value::SetAt(size_t i, const Value& element) {
    switch (type_) {
    case Type::IntArray:
        if (ints_.size() <= i) ints_.resize(i + 1, 0);
        ints_[i] = element.AsInt();
        break;
    case Type::FloatArray:
        if (floats_.size() <= i) floats_.resize(i + 1, 0.0);
        floats_[i] = element.AsDouble();
        break;
    case Type::StringArray:
        if (strings_.size() <= i) strings_.resize(i + 1);
        strings_[i] = element.AsString();
        break;
    default:
        if (i == 0) *this = element.ConvertTo(type_);
        break;
    }
}

std::vector<std::string> Value::AsStrings() const {
    if (type_ == Type::StringArray) return strings_;
    std::vector<std::string> out;
    for (size_t i = 0; i < Size(); ++i) out.push_back(At(i).AsString());
    return out;
}

bool Value::operator==(const Value& other) const {
    if (type_ != other.type_) return false;
    switch (type_) {
    case Type::Int:
        return int_ == other.int_;
    case Type::Float:
        return float_ == other.float_;
    case Type::String:
        return string_ == other.string_;
    case Type::IntArray:
        return ints_ == other.ints_;
    case Type::FloatArray:
        return floats_ == other.floats_;
    case Type::StringArray:
        return strings_ == other.strings_;
    }
    return false;
}

} // namespace vex::host::command
