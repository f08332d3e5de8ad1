#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::maya {

class CMayaNode;

/// A Maya camera's lens at the snapshot's time: the tools' horizontal field of view over the
/// camera's focal length "fl", and its focus distance "fd" in the linear UI unit.
class CMayaSnapshot_Lens : public core::CoreNode::Snapshot_Lens {
public:
    explicit CMayaSnapshot_Lens(CMayaNode& node) : node_(node) {}

    /// Turned into a focal length over the camera's "horizontalFilmAperture".
    void WriteFieldOfView(double degrees) override;
    double getFieldOfView() override;
    /// In the linear UI unit, not converted to metres.
    void WriteFocusDistance(double distance) override;
    double getFocusDistance() override;
    double getTime() override { return time; }
    CNode* getNode() override;

private:
    // The camera's horizontal film aperture in inches.
    float Aperture() const;

    CMayaNode& node_;
};

} // namespace vex::orb::adaptor::maya
