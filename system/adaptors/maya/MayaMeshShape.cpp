#include "system/adaptors/maya/MayaMeshShape.h"

#include "system/adaptors/maya/CChangeMeshRestoreObj.h"
#include "system/adaptors/maya/CColorRestoreObj.h"
#include "system/adaptors/maya/CCreateShaderObj.h"
#include "system/adaptors/maya/CDagModifierRestoreObj.h"
#include "system/adaptors/maya/HelperMesh.h"

#include <maya/MDagModifier.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MFn.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnLambertShader.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MFnSet.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlugArray.h>

namespace vex::orb::adaptor::maya {

namespace {

// Far enough for any ray in a scene.
constexpr float kRayReach = 1.0e9f;

MStatus RunMel(MDagModifier& modifier, const std::string& command) {
    modifier.commandToExecute(MString(command.c_str()));
    return modifier.doIt();
}

} // namespace

MString MayaMeshShape::MaterialName() const {
    return MFnDependencyNode(shape_.node()).name() + "_material";
}

void MayaMeshShape::AssignNewMaterial() {
    UndoManagement::Instance().Record(new CCreateShaderObj(shape_, MaterialName()));
}

bool MayaMeshShape::IsSystemHelper() const {
    const MObject material = FindMaterial();
    return !material.isNull() && MFnDependencyNode(material).name() == MaterialName();
}

std::string MayaMeshShape::TriangulateCommand(bool history) const {
    return std::string("polyTriangulate -ch ") + (history ? "1 " : "0 ") + shape_.partialPathName().asChar() +
           ";";
}

bool MayaMeshShape::SetMesh(const util::CMesh& mesh, const util::Matrix<double>& conversion, bool history) {
    MFloatPointArray points;
    MIntArray counts;
    MIntArray connects;
    HelperMesh::ToArrays(mesh, conversion, points, counts, connects);
    MStatus status;
    MFnMeshData data;
    MObject geometry = data.create(&status);
    if (!status) return false;
    MFnMesh fill;
    fill.create(static_cast<int>(points.length()), static_cast<int>(counts.length()), points, counts,
                connects, geometry, &status);
    if (!status) return false;
    auto* modifier = new MDGModifier();
    modifier->newPlugValue(MFnMesh(shape_).findPlug("outMesh"), geometry);
    if (!modifier->doIt()) {
        delete modifier;
        return false;
    }
    UndoManagement::Instance().Record(new CChangeMeshRestoreObj(modifier, points, connects));
    // Recorded too: with history the triangulation adds a node that undo must take away.
    auto* triangulate = new MDagModifier();
    RunMel(*triangulate, TriangulateCommand(history));
    UndoManagement::Instance().Record(new CDagModifierRestoreObj(triangulate));
    return true;
}

MObject MayaMeshShape::FindMaterial() const {
    for (MItDependencyNodes it(MFn::kShadingEngine); !it.isDone(); it.next()) {
        MFnSet group(it.thisNode());
        if (!group.isMember(shape_)) continue;
        MPlugArray sources;
        group.findPlug("surfaceShader").connectedTo(sources, true, false);
        if (sources.length() > 0 && sources[0].node().hasFn(MFn::kLambert)) return sources[0].node();
    }
    return MObject::kNullObj;
}

bool MayaMeshShape::SetColor(float r, float g, float b) {
    const MObject material = FindMaterial();
    if (material.isNull()) return false;
    MFnLambertShader shader(material);
    const MColor before = shader.color();
    const MColor after(r, g, b);
    if (!shader.setColor(after)) return false;
    UndoManagement::Instance().Record(new CColorRestoreObj(shape_, before, after));
    return true;
}

bool MayaMeshShape::IntersectRay(const MPoint& origin, const MVector& direction, MPoint& hit,
                                 MVector& normal) const {
    MStatus status;
    MFnMesh fn(shape_, &status);
    if (!status) return false;
    MFloatPoint point;
    float param = 0.0f;
    int face = -1;
    int triangle = -1;
    float bary1 = 0.0f;
    float bary2 = 0.0f;
    if (!fn.closestIntersection(MFloatPoint(static_cast<float>(origin.x), static_cast<float>(origin.y),
                                            static_cast<float>(origin.z)),
                                MFloatVector(static_cast<float>(direction.x), static_cast<float>(direction.y),
                                             static_cast<float>(direction.z)),
                                nullptr, nullptr, false, MSpace::kWorld, kRayReach, false, nullptr, point,
                                &param, &face, &triangle, &bary1, &bary2))
        return false;
    hit = MPoint(point.x, point.y, point.z);
    return static_cast<bool>(fn.getClosestNormal(hit, normal, MSpace::kWorld));
}

bool MayaMeshShape::GetTriangles(util::CMesh& mesh) const {
    MDagModifier triangulate;
    if (!RunMel(triangulate, TriangulateCommand(false))) return false;
    MFnMesh fn(shape_);
    const int triangles = fn.numPolygons();
    mesh.vertices.clear();
    mesh.faces.clear();
    MIntArray corners;
    MPoint point;
    for (int i = 0; i < triangles; ++i) {
        fn.getPolygonVertices(i, corners);
        for (unsigned int k = 0; k < corners.length(); ++k) {
            fn.getPoint(corners[k], point, MSpace::kWorld);
            mesh.faces.push_back(static_cast<int32_t>(mesh.vertices.size()));
            mesh.vertices.push_back({point.x, point.y, point.z});
        }
    }
    triangulate.undoIt();
    return true;
}

} // namespace vex::orb::adaptor::maya
