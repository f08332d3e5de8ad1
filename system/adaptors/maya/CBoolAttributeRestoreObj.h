#pragma once

#include "system/adaptors/maya/CPlugRestoreObj.h"

#include <maya/MDagPath.h>

namespace vex::orb::adaptor::maya {

/// A boolean attribute of a DAG node around an edit (visibility, display flags).
class CBoolAttributeRestoreObj : public CPlugRestoreObj<bool> {
public:
    CBoolAttributeRestoreObj(const MDagPath& node, const MString& attribute, bool before, bool after)
        : CPlugRestoreObj(node.node(), attribute, before, after) {}
};

} // namespace vex::orb::adaptor::maya
