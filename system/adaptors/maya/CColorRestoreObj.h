#pragma once

#include "system/adaptors/maya/CValueRestoreObj.h"

#include <maya/MColor.h>
#include <maya/MDagPath.h>

namespace vex::orb::adaptor::maya {

/// The colour of a helper mesh's material around an edit.
class CColorRestoreObj : public CValueRestoreObj<MColor> {
public:
    CColorRestoreObj(const MDagPath& mesh, const MColor& before, const MColor& after)
        : CValueRestoreObj(before, after), mesh_(mesh) {}

protected:
    void Apply(const MColor& value) override;

private:
    MDagPath mesh_;
};

} // namespace vex::orb::adaptor::maya
