#pragma once

#include <maya/MStatus.h>
#include <maya/MTime.h>

/// The context in which a plug is evaluated: the normal context (the scene's current time) or a
/// specific time, at which animated plugs are read from their curves.
class MDGContext {
public:
    /// The normal context.
    MDGContext() = default;
    /// Evaluation at the given time.
    MDGContext(const MTime& when) : timed_(true), time_(when) {}

    /// True for the normal context.
    bool isNormal(MStatus* status = nullptr) const;
    /// The context's time; kFailure (time untouched) for the normal context.
    MStatus getTime(MTime& when) const;

    /// The shared normal context (the default argument of plug reads).
    static MDGContext fsNormal;

private:
    bool timed_ = false;
    MTime time_;
};
