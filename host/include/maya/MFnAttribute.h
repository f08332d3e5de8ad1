#pragma once

#include <maya/MFnBase.h>
#include <maya/MString.h>

/// Function set for attributes: names and flags. An attribute of a node type is shared by all its nodes,
/// so changing its flags changes them for all of them.
class MFnAttribute : public MFnBase {
public:
    MFnAttribute() = default;
    explicit MFnAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kAttribute; }

    MString name(MStatus* ReturnStatus = nullptr) const;
    MString shortName(MStatus* ReturnStatus = nullptr) const;
    /// The compound this attribute is a child of (null object for top-level attributes).
    MObject parent(MStatus* ReturnStatus = nullptr) const;

    bool isStorable(MStatus* ReturnStatus = nullptr) const;
    MStatus setStorable(bool state);
    bool isHidden(MStatus* ReturnStatus = nullptr) const;
    MStatus setHidden(bool state);
    bool isKeyable(MStatus* ReturnStatus = nullptr) const;
    MStatus setKeyable(bool state);
    bool isReadable(MStatus* ReturnStatus = nullptr) const;
    MStatus setReadable(bool state);
    bool isWritable(MStatus* ReturnStatus = nullptr) const;
    MStatus setWritable(bool state);
    bool isConnectable(MStatus* ReturnStatus = nullptr) const;
    MStatus setConnectable(bool state);
    bool isUsedAsColor(MStatus* ReturnStatus = nullptr) const;
    MStatus setUsedAsColor(bool state);
    /// Array attributes are not offered by this host: false, and setArray(true) fails.
    bool isArray(MStatus* ReturnStatus = nullptr) const;
    MStatus setArray(bool state);
};
