#include "host/api/ComputeBlock.h"
#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MDGContext.h>
#include <maya/MDataBlock.h>
#include <maya/MPlug.h>

using vex::host::DataSlot;

namespace {

MStatus noSuchAttribute() {
    return vex::host::convert::failure("the node has no such attribute", MStatus::kInvalidParameter);
}

// The slot of an attribute for reading or writing, reporting an attribute the node has not.
DataSlot* slotOf(vex::host::ComputeBlock& block, const MObject& attribute, bool read, MStatus* ReturnStatus) {
    const vex::host::AttributePtr definition = vex::host::ObjectAccess::Attribute(attribute);
    DataSlot* slot = read ? block.Input(definition) : block.Output(definition);
    vex::host::convert::report(ReturnStatus, slot ? MStatus(MStatus::kSuccess) : noSuchAttribute());
    return slot;
}

} // namespace

MDataHandle MDataBlock::inputValue(const MPlug& plug, MStatus* ReturnStatus) {
    return inputValue(plug.attribute(), ReturnStatus);
}

MDataHandle MDataBlock::inputValue(const MObject& attribute, MStatus* ReturnStatus) {
    return MDataHandle(slotOf(*block_, attribute, true, ReturnStatus));
}

MDataHandle MDataBlock::outputValue(const MPlug& plug, MStatus* ReturnStatus) {
    return outputValue(plug.attribute(), ReturnStatus);
}

MDataHandle MDataBlock::outputValue(const MObject& attribute, MStatus* ReturnStatus) {
    return MDataHandle(slotOf(*block_, attribute, false, ReturnStatus));
}

MStatus MDataBlock::setClean(const MPlug& plug) {
    return setClean(plug.attribute());
}

MStatus MDataBlock::setClean(const MObject& attribute) {
    MStatus status;
    DataSlot* slot = slotOf(*block_, attribute, false, &status);
    if (slot) slot->clean = true;
    return status;
}

bool MDataBlock::isClean(const MObject& attribute, MStatus* ReturnStatus) {
    const vex::host::AttributePtr definition = vex::host::ObjectAccess::Attribute(attribute);
    const DataSlot* slot = definition ? block_->Find(*definition) : nullptr;
    vex::host::convert::report(ReturnStatus, definition ? MStatus(MStatus::kSuccess) : noSuchAttribute());
    return slot && slot->clean;
}

bool MDataBlock::isClean(const MPlug& plug) {
    return isClean(plug.attribute());
}

MDGContext MDataBlock::context(MStatus* ReturnStatus) {
    vex::host::convert::report(ReturnStatus, MStatus::kSuccess);
    return MDGContext(MTime(block_->time(), MTime::kSeconds));
}
