#pragma once

#include <maya/MDataHandle.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

class MDGContext;
class MPlug;

namespace vex::host {
class ComputeBlock;
}

/// The values of one node's attributes while the node computes (the second argument of
/// MPxNode::compute). inputValue reads an attribute as the graph gives it (through its connection or
/// its own compute); outputValue gives a writable handle for a value being computed.
class MDataBlock {
public:
    /// A handle to the attribute's value for reading; kInvalidParameter for an attribute the node has not.
    MDataHandle inputValue(const MPlug& plug, MStatus* ReturnStatus = nullptr);
    MDataHandle inputValue(const MObject& attribute, MStatus* ReturnStatus = nullptr);
    /// A handle for writing the attribute's new value; kInvalidParameter as above.
    MDataHandle outputValue(const MPlug& plug, MStatus* ReturnStatus = nullptr);
    MDataHandle outputValue(const MObject& attribute, MStatus* ReturnStatus = nullptr);
    /// Marks the value written to the plug's attribute as up to date (see MDataHandle::setClean).
    MStatus setClean(const MPlug& plug);
    MStatus setClean(const MObject& attribute);
    /// True once the attribute's value has been marked up to date in this block.
    bool isClean(const MObject& attribute, MStatus* ReturnStatus = nullptr);
    bool isClean(const MPlug& plug);
    /// The context the values are read in (the current time on this host).
    MDGContext context(MStatus* ReturnStatus = nullptr);

private:
    friend class vex::host::ComputeBlock;
    explicit MDataBlock(vex::host::ComputeBlock& block) : block_(&block) {}
    vex::host::ComputeBlock* block_;
};
