#pragma once

#include <string>
#include <vector>

namespace vex::host {

/// The result a command hands back to whoever executed it: empty, one value or an array, of integers,
/// numbers or strings. Values are kept as text and converted when read in another type.
class CommandResult {
public:
    /// The type the command set.
    enum class Type { Empty, Int, Double, String };

    /// Replaces the result with one value (or an array when `array` is set).
    void set(Type type, std::vector<std::string> values, bool array);
    /// Appends one value, turning the result into an array of the value's type.
    void append(Type type, std::string value);
    /// Empties the result.
    void clear();

    Type type() const { return type_; }
    bool isArray() const { return array_; }
    const std::vector<std::string>& values() const { return values_; }
    /// The result as one text: the value, or the array's values separated by spaces.
    std::string asText() const;
    /// The first value as a number; false when the result is empty or that value is not a number.
    bool asDouble(double& value) const;
    /// The first value as an integer; false when the result is empty or that value is not a number.
    bool asInt(int& value) const;
    /// Every value as a number; false when any value is not a number.
    bool asDoubles(std::vector<double>& values) const;

    /// Writes a number so that reading it back gives the same value.
    static std::string format(double value);

private:
    Type type_ = Type::Empty;
    bool array_ = false;
    std::vector<std::string> values_;
};

} // namespace vex::host
