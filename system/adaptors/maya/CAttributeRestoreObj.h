#pragma once

#include "system/adaptors/maya/CPlugRestoreObj.h"

namespace vex::orb::adaptor::maya {

/// A numeric attribute of a node around an edit (a camera's lens values, a clipping plane).
class CAttributeRestoreObj : public CPlugRestoreObj<double> {
public:
    using CPlugRestoreObj::CPlugRestoreObj;
};

} // namespace vex::orb::adaptor::maya
