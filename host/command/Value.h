#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vex::host::command {

/// A value of the command language: a whole number, a floating-point number, a string, an array of
/// one of them, a vector of three floats or a matrix of floats. Conversions follow the language:
/// numbers print in their shortest exact form, strings that do not start with a number read as 0,
/// arrays and vectors print their elements separated by blanks, a vector read as a number is its
/// length.
class Value {
public:
    enum class Type { kInt, kFloat, kString, kIntArray, kFloatArray, kStringArray, kVector, kMatrix };

    /// The empty string.
    Value() = default;
    static Value Int(int64_t v);
    static Value Float(double v);
    static Value String(std::string v);
    static Value IntArray(std::vector<int64_t> v = {});
    static Value FloatArray(std::vector<double> v = {});
    static Value StringArray(std::vector<std::string> v = {});
    static Value Vector(double x, double y, double z);
    /// A matrix of `rows` by `columns` values given row by row; missing values are 0.
    static Value Matrix(size_t rows, size_t columns, std::vector<double> values = {});
    /// An empty value of `type`.
    static Value OfType(Type type);

    Type GetType() const { return type_; }
    bool IsArray() const {
        return type_ == Type::kIntArray || type_ == Type::kFloatArray || type_ == Type::kStringArray;
    }
    bool IsNumber() const { return type_ == Type::kInt || type_ == Type::kFloat; }
    /// The language's name of the value's own type.
    const char* TypeName() const { return TypeName(type_); }
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

    /// Component `i` (0 to 2) of a vector; a number stands for a vector with that value three times.
    double Component(size_t i) const;
    /// The size of a matrix (0 for any other value).
    size_t Rows() const { return type_ == Type::kMatrix ? rows_ : 0; }
    size_t Columns() const { return type_ == Type::kMatrix ? columns_ : 0; }
    /// The element of a matrix at `row`, `column` (both inside its size).
    double Element(size_t row, size_t column) const { return floats_[row * columns_ + column]; }
    void SetElement(size_t row, size_t column, double v) { floats_[row * columns_ + column] = v; }

    /// Same type and same contents.
    bool operator==(const Value& other) const;

    /// Shortest text that reads back as exactly `v`.
    static std::string FormatDouble(double v);

private:
    /// The vector a text such as "1 2 3" holds.
    static Value FromText(const std::string& text);

    Type type_ = Type::kString;
    int64_t int_ = 0;
    double float_ = 0.0;
    std::string string_;
    std::vector<int64_t> ints_;
    std::vector<double> floats_;
    std::vector<std::string> strings_;
    size_t rows_ = 0;    // of a matrix; its values are in floats_, row by row
    size_t columns_ = 0; // of a matrix
};

} // namespace vex::host::command
