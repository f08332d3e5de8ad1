#include "system/adaptors/maya/CParentAddedRestore.h"

#include <maya/MDagModifier.h>
#include <maya/MFnDagNode.h>

namespace vex::orb::adaptor::maya {

void CParentAddedRestore::redo() {
    if (!child_.isValid()) return;
    MFnDagNode child(child_);
    const MObject current = child.parentCount() > 0 ? child.parent(0) : MObject::kNullObj;
    const bool toWorld = parent_.isNull() || parent_.hasFn(MFn::kWorld);
    if (toWorld ? current.isNull() || current.hasFn(MFn::kWorld) : current == parent_) return;
    MDagModifier link;
    if (link.reparentNode(child_.node(), toWorld ? MObject::kNullObj : parent_)) link.doIt();
}

} // namespace vex::orb::adaptor::maya
