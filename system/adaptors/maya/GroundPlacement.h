#pragma once

#include <maya/MDagPath.h>
#include <maya/MPoint.h>

namespace vex::orb::core {
class NodeOwner;
}

namespace vex::orb::adaptor::maya {

class MayaAdaptorInterface;

/// Stands a newly created vehicle rig on the ground the user selected before creating it: the rig's
/// nodes at the world root move by one offset so that its base stands on the ground's surface, and the
/// GravityDirectionMesh goes under the ground (keeping its world placement), which makes that mesh the
/// vehicle's ground. Every edit is recorded in the undo group that is open.
class GroundPlacement {
public:
    /// The node whose parent the vehicle's ground is, by the name it was created under.
    static constexpr const char* kGravityNode = "GravityDirectionMesh";
    /// The node that stands on the ground (absent in some rigs: then the GravityDirectionMesh stands).
    static constexpr const char* kBaseNode = "CarBodyBaseMesh";

    /// The first selected polygon mesh that is not one of the system's own nodes (a transform is taken
    /// at its first mesh shape); false when nothing of that kind is selected.
    static bool FindSelectedGround(MayaAdaptorInterface& adaptor, MDagPath& mesh);

    /// Where a vehicle stands on `mesh`, in world space: the surface straight below the centre of its
    /// world bounds, or the surface point nearest that centre when the ray there finds none. False for a
    /// mesh without a finite point.
    static bool StandingPoint(const MDagPath& mesh, MPoint& point);

    /// Whether `owner` (an instance) has a GravityDirectionMesh, i.e. drives on a ground.
    static bool WantsGround(MayaAdaptorInterface& adaptor, core::NodeOwner* owner);

    /// What Place did.
    enum class Placed { kNoGround, kPlaced, kNoStandingPoint, kNotParented };

    /// Moves the instance's root nodes onto `mesh` and parents its GravityDirectionMesh to the mesh's
    /// transform. The scene stays untouched when the instance has no GravityDirectionMesh (kNoGround)
    /// or the mesh has no standing point (kNoStandingPoint); kNotParented when the host refused the
    /// parenting after the move.
    static Placed Place(MayaAdaptorInterface& adaptor, core::NodeOwner* owner, const MDagPath& mesh);
};

} // namespace vex::orb::adaptor::maya
