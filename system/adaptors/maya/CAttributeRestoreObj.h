#pragma once

#include "system/adaptors/maya/CValueRestoreObj.h"

#include <maya/MObject.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

/// A numeric attribute of a node around an edit (a camera's lens values, a clipping plane).
class CAttributeRestoreObj : public CValueRestoreObj<double> {
public:
    CAttributeRestoreObj(const MObject& node, const MString& attribute, double before, double after)
        : CValueRestoreObj(before, after), node_(node), attribute_(attribute) {}

protected:
    void Apply(const double& value) override;

private:
    MObject node_;
    MString attribute_;
};

} // namespace vex::orb::adaptor::maya
