#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vex::host::command {

/// A value of the command language: a whole number, a floating-point number, a string, or an array
/// of one of them. Conversions follow the language: numbers print in their shortest exact form,
/// strings that do not start with a number read as 0, arrays print their elements separated by blanks.
class Value {
public:
    enum class Type { kInt, kFloat, kString, kIntArray, kFloatArray, kStringArray };

    /// The empty string.
    Value() = default;
    static Value Int(int64_t v);
    static Value Float(double v);
    static Value String(std::string v);
    static Value IntArray(std::vector<int64_t> v = {});
    static Value FloatArray(std::vector<double> v = {});
    static Value StringArray(std::vector<std::string> v = {});
    /// An empty value of `type`.
    static Value OfType(Type type);

    Type GetType() const { return type_; }
    bool IsArray() const {
        return type_ == Type::kIntArray || type_ == Type::kFloatArray || type_ == Type::kStringArray;
    }
    bool IsNumber() const { return type_ == Type::kInt || type_ == Type::kFloat; }
    /// The element type of an array type, the type itself otherwise; and the array type of a scalar.
    static Type ElementType(Type type);
    static Type ArrayType(Type type);
    /// The language's name of a type: "int", "float", "string", "int[]", ...
    static const char* TypeName(Type type);

    /// The text form; arrays join their elements with a blank.
    std::string AsString() const;
    /// The number; a string is read from its start ("12abc" is 12, "abc" is 0); an array is 0.
    double AsDouble() const;
    int64_t AsInt() const;
    /// Whether a condition holds: a non-zero number, a non-empty string or array.
    bool IsTrue() const;
    /// The value converted to `type`, as an assignment to a variable of that type converts it.
    Value ConvertTo(Type type) const;

    /// Number of elements of an array; 1 for a scalar.
    size_t Size() const;
    /// Element `i` of an array (the empty value of the element type when out of range).
    Value At(size_t i) const;
    /// Sets element `i` of an array, growing it with empty elements as needed.
    void SetAt(size_t i, const Value& element);
    /// The elements as strings.
    std::vector<std::string> AsStrings() const;

    /// Same type and same contents.
    bool operator==(const Value& other) const;

    /// Shortest text that reads back as exactly `v`.
    static std::string FormatDouble(double v);

private:
    Type type_ = Type::kString;
    int64_t int_ = 0;
    double float_ = 0.0;
    std::string string_;
    std::vector<int64_t> ints_;
    std::vector<double> floats_;
    std::vector<std::string> strings_;
};

} // namespace vex::host::command
