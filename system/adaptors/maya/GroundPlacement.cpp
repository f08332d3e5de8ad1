#include "system/adaptors/maya/GroundPlacement.h"

#include "core/CoreNode.h"
#include "system/adaptors/maya/CMatrixRestoreObj.h"
#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MFn.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MPointArray.h>
#include <maya/MSelectionList.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace vex::orb::adaptor::maya {
namespace {

// `path` extended to its first mesh shape that is not an intermediate object; false when it has none.
bool ExtendToMesh(MDagPath& path) {
    if (path.apiType() == MFn::kMesh) return !MFnDagNode(path).isIntermediateObject();
    unsigned int shapes = 0;
    if (!path.numberOfShapesDirectlyBelow(shapes)) return false;
    for (unsigned int i = 0; i < shapes; ++i) {
        MDagPath shape = path;
        if (!shape.extendToShapeDirectlyBelow(i) || shape.apiType() != MFn::kMesh) continue;
        if (MFnDagNode(shape).isIntermediateObject()) continue;
        path = shape;
        return true;
    }
    return false;
}

// The instance's nodes by their transforms, with the registered node each belongs to.
std::vector<CMayaNode*> NodesOf(MayaAdaptorInterface& adaptor, core::NodeOwner* owner) {
    std::vector<core::CoreNode*> all;
    core::NodeList list(&all);
    adaptor.getNodesOf(owner, list);
    std::vector<CMayaNode*> nodes;
    for (core::CoreNode* node : all)
        if (auto* own = dynamic_cast<CMayaNode*>(node); own != nullptr && own->GetTransformPath().isValid())
            nodes.push_back(own);
    return nodes;
}

// The node of `nodes` created under `name`, or null.
CMayaNode* Named(const std::vector<CMayaNode*>& nodes, const char* name) {
    for (CMayaNode* node : nodes)
        if (node->GetCreationName() == name) return node;
    return nullptr;
}

} // namespace

bool GroundPlacement::FindSelectedGround(MayaAdaptorInterface& adaptor, MDagPath& mesh) {
    MSelectionList selection;
    MGlobal::getActiveSelectionList(selection);
    for (unsigned int i = 0; i < selection.length(); ++i) {
        MDagPath path;
        if (!selection.getDagPath(i, path) || !ExtendToMesh(path)) continue;
        // A helper mesh of another tool is no ground a user means to drive on.
        if (adaptor.FindRegisteredNode(path) != nullptr) continue;
        mesh = path;
        return true;
    }
    return false;
}

bool GroundPlacement::StandingPoint(const MDagPath& mesh, MPoint& point) {
    MStatus status;
    MFnMesh fn(mesh, &status);
    MPointArray points;
    if (!status || !fn.getPoints(points, MSpace::kWorld)) return false;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    MPoint low(kInfinity, kInfinity, kInfinity), high(-kInfinity, -kInfinity, -kInfinity);
    bool any = false;
    for (unsigned int i = 0; i < points.length(); ++i) {
        const MPoint& p = points[i];
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) continue;
        low = MPoint(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high = MPoint(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
        any = true;
    }
    if (!any) return false;
    const MPoint centre((low.x + high.x) / 2.0, (low.y + high.y) / 2.0, (low.z + high.z) / 2.0);
    // Straight down from above the highest point, so the top of the surface is found.
    const double height = high.y - low.y;
    const double clearance = 1.0 + 0.01 * height;
    const MFloatPoint source(static_cast<float>(centre.x), static_cast<float>(high.y + clearance),
                             static_cast<float>(centre.z));
    MFloatPoint hit;
    float parameter = 0.0f;
    int face = -1, triangle = -1;
    float bary1 = 0.0f, bary2 = 0.0f;
    if (fn.closestIntersection(source, MFloatVector(0.0f, -1.0f, 0.0f), nullptr, nullptr, false,
                               MSpace::kWorld, static_cast<float>(height + 2.0 * clearance), false, nullptr,
                               hit, &parameter, &face, &triangle, &bary1, &bary2)) {
        point = MPoint(hit.x, hit.y, hit.z);
        return true;
    }
    return static_cast<bool>(fn.getClosestPoint(centre, point, MSpace::kWorld));
}

bool GroundPlacement::WantsGround(MayaAdaptorInterface& adaptor, core::NodeOwner* owner) {
    return Named(NodesOf(adaptor, owner), kGravityNode) != nullptr;
}

GroundPlacement::Placed GroundPlacement::Place(MayaAdaptorInterface& adaptor, core::NodeOwner* owner,
                                               const MDagPath& mesh) {
    const std::vector<CMayaNode*> nodes = NodesOf(adaptor, owner);
    CMayaNode* gravity = Named(nodes, kGravityNode);
    if (gravity == nullptr) return Placed::kNoGround;
    CMayaNode* standing = Named(nodes, kBaseNode);
    if (standing == nullptr) standing = gravity;
    MPoint point;
    if (!StandingPoint(mesh, point)) return Placed::kNoStandingPoint;

    const MVector offset =
        point - MPoint(MFnTransform(standing->GetTransformPath()).getTranslation(MSpace::kWorld));
    for (CMayaNode* node : nodes) {
        const MDagPath transform = node->GetTransformPath();
        if (transform.length() != 1) continue; // only the world-root nodes: their children move with them
        MFnTransform fn(transform);
        const MTransformationMatrix before = fn.transformation();
        fn.setTranslation(fn.getTranslation(MSpace::kTransform) + offset, MSpace::kTransform);
        adaptor.addUndoUnit(new CMatrixRestoreObj(transform, before, fn.transformation()));
    }
    CMayaNode ground(adaptor, mesh, nullptr, MFnDagNode(mesh).name().asChar(), true);
    return gravity->setParent(&ground) ? Placed::kPlaced : Placed::kNotParented;
}

} // namespace vex::orb::adaptor::maya
