#pragma once

#include <maya/MFn.h>

namespace vex::host {

/// Anything an MObject handle can refer to: nodes, attributes, data values and plug-in records.
class Object {
public:
    virtual ~Object() = default;

    /// The most derived type constant of this object.
    virtual MFn::Type ApiType() const = 0;

    /// True when a function set for the given type can work on this object.
    virtual bool HasFn(MFn::Type type) const { return type == ApiType() || type == MFn::kBase; }
};

} // namespace vex::host
