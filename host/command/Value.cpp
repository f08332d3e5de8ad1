#include "host/command/Value.h"

#include "util/NumberText.h"

#include <charconv>
#include <cmath>

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

Value Value::Vector(double x, double y, double z) {
    Value r;
    r.type_ = Type::kVector;
    r.floats_ = {x, y, z};
    return r;
}

Value Value::Matrix(size_t rows, size_t columns, std::vector<double> values) {
    Value r;
    r.type_ = Type::kMatrix;
    r.rows_ = rows;
    r.columns_ = columns;
    r.floats_ = std::move(values);
    r.floats_.resize(rows * columns, 0.0);
    return r;
}

Value Value::OfType(Type type) {
    if (type == Type::kVector) return Vector(0.0, 0.0, 0.0);
    Value r;
    r.type_ = type;
    return r;
}

double Value::Component(size_t i) const {
    if (type_ == Type::kVector) return floats_[i];
    if (IsArray()) return i < Size() ? At(i).AsDouble() : 0.0;
    return AsDouble();
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
    case Type::kVector:
        return "vector";
    case Type::kMatrix:
        return "matrix";
    }
    return "";
}

Value Value::FromText(const std::string& text) {
    // "1 2 3" or "<<1, 2, 3>>": up to three numbers, separated by blanks or commas.
    double xyz[3] = {0.0, 0.0, 0.0};
    const char* p = text.data();
    const char* end = p + text.size();
    for (double& v : xyz) {
        while (p < end && (*p == ' ' || *p == ',' || *p == '<' || *p == '\t')) ++p;
        const char* next = util::ReadNumber(p, end, v);
        if (next == p) break;
        p = next;
    }
    return Vector(xyz[0], xyz[1], xyz[2]);
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
    case Type::kVector:
        return FormatDouble(floats_[0]) + " " + FormatDouble(floats_[1]) + " " + FormatDouble(floats_[2]);
    case Type::kMatrix: {
        std::string text = "<<";
        for (size_t r = 0; r < rows_; ++r)
            for (size_t c = 0; c < columns_; ++c)
                text += (c > 0 ? ", " : r > 0 ? "; " : "") + FormatDouble(Element(r, c));
        return text + ">>";
    }
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
    case Type::kVector:
        return std::sqrt(floats_[0] * floats_[0] + floats_[1] * floats_[1] + floats_[2] * floats_[2]);
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
    case Type::kVector:
        return AsDouble() != 0.0;
    case Type::kMatrix:
        return !floats_.empty();
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
    case Type::kVector:
        if (type_ == Type::kString) return FromText(string_);
        return Vector(Component(0), Component(1), Component(2));
    case Type::kMatrix:
        return Matrix(0, 0);
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
    case Type::kVector:
        return floats_ == other.floats_;
    case Type::kMatrix:
        return rows_ == other.rows_ && floats_ == other.floats_;
    }
    return false;
}

} // namespace vex::host::command
