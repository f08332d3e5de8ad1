#pragma once

#include "interface/CExtendable.h"
#include "interface/CMesh.h"

namespace vex::orb {

/// The look of a helper object the system created: its geometry and colour.
class CSnapshot_Helper : public CExtendable {
public:
    /// Replaces the helper's geometry.
    virtual void setMesh(const util::CMesh& mesh) = 0;
    /// Sets the helper's colour (components 0 to 1).
    virtual void setColor(float r, float g, float b) = 0;
    /// Passes a display flag to the host (hosts may ignore it).
    virtual void setDisplayFlag(int flag) { (void)flag; }
    /// Reserved; does nothing.
    virtual void Reserved() {}
    virtual ~CSnapshot_Helper() = default;
};

} // namespace vex::orb
