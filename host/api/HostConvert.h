#pragma once

#include "host/scene/Value.h"

#include <maya/MMatrix.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

/// Conversions between the scene's values and the API's value types, shared by the function sets.
namespace vex::host::convert {

inline MMatrix toMMatrix(const Matrix& m) {
    MMatrix result;
    for (unsigned r = 0; r < 4; ++r)
        for (unsigned c = 0; c < 4; ++c) result(r, c) = m[r * 4 + c];
    return result;
}

inline Matrix fromMMatrix(const MMatrix& m) {
    Matrix result{};
    for (unsigned r = 0; r < 4; ++r)
        for (unsigned c = 0; c < 4; ++c) result[r * 4 + c] = m(r, c);
    return result;
}

/// Sets the optional status argument and answers the status.
inline MStatus report(MStatus* out, MStatus status) {
    if (out) *out = status;
    return status;
}

/// A failure with a message of the host's own.
inline MStatus failure(const std::string& message, MStatus::MStatusCode code = MStatus::kFailure) {
    return MStatus(code, MString(message));
}

} // namespace vex::host::convert
