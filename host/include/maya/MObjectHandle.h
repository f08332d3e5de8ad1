#pragma once

#include <maya/MObject.h>

/// A handle that tells whether its object is still usable: a deleted node is alive (undo can bring it
/// back) but not valid.
class MObjectHandle {
public:
    MObjectHandle() = default;
    MObjectHandle(const MObject& object) : object_(object) {}

    MObject object() const { return object_; }
    const MObject& objectRef() const { return object_; }

    /// True for a non-null object that is not a deleted node.
    bool isValid() const;
    /// True for a non-null object (deleted nodes included: they can come back by undo).
    bool isAlive() const { return !object_.isNull(); }
    /// A number identifying the object, the same for every handle to it.
    unsigned int hashCode() const;

    bool operator==(const MObject& object) const { return object_ == object; }
    bool operator==(const MObjectHandle& other) const { return object_ == other.object_; }
    bool operator!=(const MObjectHandle& other) const { return !(*this == other); }
    MObjectHandle& operator=(const MObject& object) {
        object_ = object;
        return *this;
    }

private:
    MObject object_;
};
