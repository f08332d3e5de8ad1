#pragma once

#include <maya/MFn.h>

#include <memory>

namespace vex::host {
class Object;
class ObjectAccess;
} // namespace vex::host

/// A handle to a host object: a node, an attribute or a data value. Copies refer to the same object.
/// A handle to a deleted node stays non-null; function sets on it answer failure.
class MObject {
public:
    /// The null object.
    MObject();

    /// True when the handle refers to nothing.
    bool isNull() const;
    /// The object's type constant (MFn::kInvalid for the null object).
    MFn::Type apiType() const;
    /// True when a function set of the given type works on the object.
    bool hasFn(MFn::Type type) const;
    /// The name of apiType() ("kTransform", ...).
    const char* apiTypeStr() const;

    /// True when both handles refer to the same object.
    bool operator==(const MObject& other) const { return object_ == other.object_; }
    bool operator!=(const MObject& other) const { return object_ != other.object_; }

    /// The null object.
    static const MObject kNullObj;

private:
    friend class vex::host::ObjectAccess;
    std::shared_ptr<vex::host::Object> object_;
};
