#pragma once

#include "interface/CExtendable.h"

namespace vex::orb {

class CNode;

/// A camera's lens at one point in time.
class CSnapshot_Lens : public CExtendable {
public:
    /// Sets the horizontal field of view in degrees (keyed at the snapshot's time while recording).
    virtual void setFieldOfView(double degrees) = 0;
    /// The horizontal field of view in degrees.
    virtual double getFieldOfView() = 0;
    /// Reserved; answers 0.
    virtual int Reserved0() { return 0; }
    /// Reserved; does nothing.
    virtual void Reserved1() {}
    /// Sets the focus distance, in the host's linear display unit.
    virtual void setFocusDistance(double distance) = 0;
    /// The focus distance, in the host's linear display unit.
    virtual double getFocusDistance() = 0;
    /// The time in seconds the snapshot was taken for.
    virtual double getTime() = 0;
    /// The camera node.
    virtual CNode* getNode() = 0;
    virtual ~CSnapshot_Lens() = default;
};

} // namespace vex::orb
