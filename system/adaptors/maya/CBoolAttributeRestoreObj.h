#pragma once

#include "system/adaptors/maya/CValueRestoreObj.h"

#include <maya/MDagPath.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

/// A boolean attribute of a DAG node around an edit (visibility, display flags).
class CBoolAttributeRestoreObj : public CValueRestoreObj<bool> {
public:
    CBoolAttributeRestoreObj(const MDagPath& node, const MString& attribute, bool before, bool after)
        : CValueRestoreObj(before, after), node_(node), attribute_(attribute) {}

protected:
    void Apply(const bool& value) override;

private:
    MDagPath node_;
    MString attribute_;
};

} // namespace vex::orb::adaptor::maya
