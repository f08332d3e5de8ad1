#pragma once

#include "host/scene/AnimCurveData.h"

#include <optional>

namespace vex::host::file {

/// The numbers scene files give key tangent types in the ".kit" (in) and ".kot" (out) lists, and their
/// translation to and from the curve's own tangent types.
class TangentCodes {
public:
    /// The file number of a tangent type.
    static int ToFile(AnimCurveData::Tangent tangent);
    /// The tangent type of a file number; none for a number no tangent type has.
    static std::optional<AnimCurveData::Tangent> FromFile(int code);
};

} // namespace vex::host::file
