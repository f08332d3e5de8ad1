#pragma once

#include <maya/MFnAttribute.h>

/// Function set for compound attributes: an attribute made of child attributes, each read and written
/// through its own plug (MPlug::child).
class MFnCompoundAttribute : public MFnAttribute {
public:
    MFnCompoundAttribute() = default;
    explicit MFnCompoundAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override { return MFn::kCompoundAttribute; }

    /// Creates a new compound without children and attaches to it.
    MObject create(const MString& fullName, const MString& briefName, MStatus* ReturnStatus = nullptr);
    /// Adds a child attribute; kInvalidParameter when it already has a parent or its name is taken
    /// among the children.
    MStatus addChild(const MObject& child);
    /// Number of children.
    unsigned int numChildren(MStatus* ReturnStatus = nullptr) const;
    /// Child `index`; kInvalidParameter past the last child.
    MObject child(unsigned int index, MStatus* ReturnStatus = nullptr) const;
};
