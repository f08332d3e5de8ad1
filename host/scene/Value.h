#pragma once

#include "host/scene/Data.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace vex::host {

/// A 4x4 matrix, row major, row-vector convention (translation in elements 12, 13, 14).
using Matrix = std::array<double, 16>;

/// Three doubles: the value of a compound of three numeric children (translate, rotate, scale, colour).
using Double3 = std::array<double, 3>;

using StringList = std::vector<std::string>;

/// The identity matrix.
constexpr Matrix IdentityMatrix() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

/// The value of one attribute of one node. std::monostate is "no value" (message attributes, unset data).
using Value =
    std::variant<std::monostate, bool, int, double, Double3, std::string, StringList, Matrix, DataPtr>;

/// Reads a numeric value as a double (bool and int convert; anything else gives 0).
double ToDouble(const Value& value);

/// Reads a numeric value as an int (doubles round towards zero as Maya's asInt does).
int ToInt(const Value& value);

/// Reads a numeric value as a bool (non-zero is true).
bool ToBool(const Value& value);

/// Text of a value for scene dumps and messages ("1.5", "\"text\"", "[1 0 0 ...]", "<data>").
std::string ToText(const Value& value);

} // namespace vex::host
