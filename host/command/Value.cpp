#include "host/command/Value.h"

#include "util/NumberText.h"

#include <charconv>

namespace vex::host::command {

Value Value::Int(int64_t v) {
    Value r;
    r.type_ = Type::kInt;
    r.int_ = v;
    return r;
}

Value Value::Float(double v) {
    Value r;
    r.type_ = Type::kFloat;
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
    r.type_ = Type::kIntArray;
    r.ints_ = std::move(v);
    return r;
}

Value Value::FloatArray(std::vector<double> v) {
    Value r;
    r.type_ = Type::kFloatArray;
    r.floats_ = std::move(v);
    return r;
}

Value Value::StringArray(std::vector<std::string> v) {
    Value r;
    r.type_ = Type::kStringArray;
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
    case Type::kIntArray:
        return Type::kInt;
    case Type::kFloatArray:
        return Type::kFloat;
    case Type::kStringArray:
        return Type::kString;
    default:
        return type;
    }
}

Value::Type Value::ArrayType(Type type) {
    switch (type) {
    case Type::kInt:
        return Type::kIntArray;
    case Type::kFloat:
        return Type::kFloatArray;
    case Type::kString:
        return Type::kStringArray;
    default:
        return type;
    }
}

const char* Value::TypeName(Type type) {
    switch (type) {
    case Type::kInt:
        return "int";
    case Type::kFloat:
        return "float";
    case Type::kString:
        return "string";
    case Type::kIntArray:
        return "int[]";
    case Type::kFloatArray:
        return "float[]";
    case Type::kStringArray:
        return "string[]";
    }
    return "";
}

std::string Value::FormatDouble(double v) {
    return util::FormatNumber(v);
}

std::string Value::AsString() const {
    switch (type_) {
    case Type::kInt:
        return std::to_string(int_);
    case Type::kFloat:
        return FormatDouble(float_);
    case Type::kString:
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
    case Type::kInt:
        return static_cast<double>(int_);
    case Type::kFloat:
        return float_;
    case Type::kString: {
        return util::ParseLeadingNumber(string_);
    }
    default:
        return 0.0;
    }
}

int64_t Value::AsInt() const {
    if (type_ == Type::kInt) return int_;
    const double v = AsDouble();
    if (!(v == v)) return 0; // NaN
    if (v >= 9.2e18) return INT64_MAX;
    if (v <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(v);
}

bool Value::IsTrue() const {
    switch (type_) {
    case Type::kInt:
        return int_ != 0;
    case Type::kFloat:
        return float_ != 0.0;
    case Type::kString:
        return !string_.empty();
    default:
        return Size() > 0;
    }
}

Value Value::ConvertTo(Type type) const {
    if (type == type_) return *this;
    switch (type) {
    case Type::kInt:
        return Int(AsInt());
    case Type::kFloat:
        return Float(AsDouble());
    case Type::kString:
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
    case Type::kIntArray:
        return ints_.size();
    case Type::kFloatArray:
        return floats_.size();
    case Type::kStringArray:
        return strings_.size();
    default:
        return 1;
    }
}

Value Value::At(size_t i) const {
    switch (type_) {
    case Type::kIntArray:
        return Int(i < ints_.size() ? ints_[i] : 0);
    case Type::kFloatArray:
        return Float(i < floats_.size() ? floats_[i] : 0.0);
    case Type::kStringArray:
        return String(i < strings_.size() ? strings_[i] : std::string());
    default:
        return i == 0 ? *this : OfType(type_);
    }
}

void Value::SetAt(size_t i, const Value& element) {
    switch (type_) {
    case Type::kIntArray:
        if (ints_.size() <= i) ints_.resize(i + 1, 0);
        ints_[i] = element.AsInt();
        break;
    case Type::kFloatArray:
        if (floats_.size() <= i) floats_.resize(i + 1, 0.0);
        floats_[i] = element.AsDouble();
        break;
    case Type::kStringArray:
        if (strings_.size() <= i) strings_.resize(i + 1);
        strings_[i] = element.AsString();
        break;
    default:
        if (i == 0) *this = element.ConvertTo(type_);
        break;
    }
}

std::vector<std::string> Value::AsStrings() const {
    if (type_ == Type::kStringArray) return strings_;
    std::vector<std::string> out;
    for (size_t i = 0; i < Size(); ++i) out.push_back(At(i).AsString());
    return out;
}

bool Value::operator==(const Value& other) const {
    if (type_ != other.type_) return false;
    switch (type_) {
    case Type::kInt:
        return int_ == other.int_;
    case Type::kFloat:
        return float_ == other.float_;
    case Type::kString:
        return string_ == other.string_;
    case Type::kIntArray:
        return ints_ == other.ints_;
    case Type::kFloatArray:
        return floats_ == other.floats_;
    case Type::kStringArray:
        return strings_ == other.strings_;
    }
    return false;
}

} // namespace vex::host::command
