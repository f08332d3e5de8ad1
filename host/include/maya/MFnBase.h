#pragma once

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

/// Base of the function sets: a function set is attached to one object and works on it. Attaching an
/// object of a type the function set does not support fails and leaves the function set empty.
class MFnBase {
public:
    MFnBase() = default;
    virtual ~MFnBase() = default;

    /// The type constant of this function set.
    virtual MFn::Type type() const { return MFn::kBase; }

    /// True when the attached object supports the given type.
    bool hasObj(MFn::Type type) const { return object_.hasFn(type); }
    /// True when this function set can work on the object.
    bool hasObj(const MObject& object) const { return object.hasFn(type()); }

    /// The attached object.
    MObject object(MStatus* ReturnStatus = nullptr) const;

    /// Attaches an object. Fails (kInvalidParameter) for an object this function set cannot work on.
    virtual MStatus setObject(const MObject& object);

protected:
    MObject object_;
};
