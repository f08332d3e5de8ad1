#pragma once

#include "host/command/Value.h"

#include <string>

namespace vex::host::command {

/// Whether `v` is a vector or a matrix.
bool IsVectorOrMatrix(const Value& v);

/// `a op b` where one side is a vector or a matrix and the other a number, vector or matrix:
/// + and - by component, * scales (and between two vectors is their dot product, between matrices
/// their product), / divides by a number, ^ is the cross product, == and != compare. On operands that
/// do not fit the operator, answers false with the reason.
bool CombineVectors(const std::string& op, const Value& a, const Value& b, Value& out, std::string& error);

} // namespace vex::host::command
