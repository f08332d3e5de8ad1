#include "host/api/GeometryAccess.h"
#include "host/scene/MeshData.h"

#include <maya/MFnMesh.h>

#include <vector>

using namespace vex::host;
using convert::failure;
using convert::report;
using Access = GeometryAccess<MeshData>;

namespace {

std::vector<MPoint> toPoints(const MFloatPointArray& points) {
    return {points.begin(), points.end()};
}

// A mesh from the API's arrays, or null when they do not describe one.
std::shared_ptr<MeshData> makeMesh(int numVertices, int numPolygons, std::vector<MPoint> points,
                                   const MIntArray& counts, const MIntArray& connects, std::string& error) {
    if (numVertices != static_cast<int>(points.size()) || numPolygons != static_cast<int>(counts.length())) {
        error = "the vertex or polygon count does not match the arrays";
        return nullptr;
    }
    auto mesh = std::make_shared<MeshData>();
    if (!mesh->set(std::move(points), counts.values(), connects.values())) {
        error = "the polygon counts and vertex indices do not describe a mesh";
        return nullptr;
    }
    return mesh;
}

} // namespace

MFnMesh::MFnMesh(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MFnMesh::MFnMesh(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(path));
}

MStatus MFnMesh::setObject(const MObject& object) {
    if (!Access::accepts(object, MFn::kMesh)) {
        object_ = MObject();
        return failure("the object is neither a mesh nor mesh data", MStatus::kInvalidParameter);
    }
    object_ = object;
    return MStatus::kSuccess;
}

MObject MFnMesh::create(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                        const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                        MObject parentOrOwner, MStatus* ReturnStatus) {
    return create(numVertices, numPolygons, MPointArray(toPoints(vertexArray).data(), vertexArray.length()),
                  polygonCounts, polygonConnects, parentOrOwner, ReturnStatus);
}

MObject MFnMesh::create(int numVertices, int numPolygons, const MPointArray& vertexArray,
                        const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                        MObject parentOrOwner, MStatus* ReturnStatus) {
    std::string error;
    auto mesh =
        makeMesh(numVertices, numPolygons, vertexArray.values(), polygonCounts, polygonConnects, error);
    if (!mesh) return report(ReturnStatus, failure(error, MStatus::kInvalidParameter)), MObject();
    if (ObjectAccess::as<MeshData>(parentOrOwner)) {
        object_ = parentOrOwner;
        report(ReturnStatus, Access::write(*this, mesh));
        return parentOrOwner;
    }
    MStatus status;
    const MObject answer = MFnDagNode::create("mesh", parentOrOwner, &status);
    if (!status) return report(ReturnStatus, status), MObject();
    report(ReturnStatus, Access::write(*this, mesh));
    return answer;
}

MStatus MFnMesh::createInPlace(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                               const MIntArray& polygonCounts, const MIntArray& polygonConnects) {
    const std::vector<MPoint> points = toPoints(vertexArray);
    return createInPlace(numVertices, numPolygons, MPointArray(points.data(), vertexArray.length()),
                         polygonCounts, polygonConnects);
}

MStatus MFnMesh::createInPlace(int numVertices, int numPolygons, const MPointArray& vertexArray,
                               const MIntArray& polygonCounts, const MIntArray& polygonConnects) {
    std::string error;
    auto mesh =
        makeMesh(numVertices, numPolygons, vertexArray.values(), polygonCounts, polygonConnects, error);
    if (!mesh) return failure(error, MStatus::kInvalidParameter);
    return Access::write(*this, mesh);
}

int MFnMesh::numVertices(MStatus* ReturnStatus) const {
    auto mesh = Access::read(*this, ReturnStatus);
    return mesh ? mesh->NumVertices() : 0;
}

int MFnMesh::numPolygons(MStatus* ReturnStatus) const {
    auto mesh = Access::read(*this, ReturnStatus);
    return mesh ? mesh->numPolygons() : 0;
}

int MFnMesh::numFaceVertices(MStatus* ReturnStatus) const {
    auto mesh = Access::read(*this, ReturnStatus);
    return mesh ? mesh->NumFaceVertices() : 0;
}

MStatus MFnMesh::getPoints(MPointArray& vertexArray, MSpace::Space space) const {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    const MMatrix m = Access::toSpace(*this, space);
    vertexArray.clear();
    for (const MPoint& p : mesh->Points()) vertexArray.append(p * m);
    return MStatus::kSuccess;
}

MStatus MFnMesh::getPoints(MFloatPointArray& vertexArray, MSpace::Space space) const {
    MPointArray points;
    const MStatus status = getPoints(points, space);
    vertexArray.clear();
    for (const MPoint& p : points) vertexArray.append(MFloatPoint(p));
    return status;
}

MStatus MFnMesh::getPoint(int vertexId, MPoint& position, MSpace::Space space) const {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    if (vertexId < 0 || vertexId >= mesh->NumVertices())
        return failure("no such vertex", MStatus::kInvalidParameter);
    position = mesh->Points()[vertexId] * Access::toSpace(*this, space);
    return MStatus::kSuccess;
}

MStatus MFnMesh::setPoint(int vertexId, const MPoint& position, MSpace::Space space) {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    if (vertexId < 0 || vertexId >= mesh->NumVertices())
        return failure("no such vertex", MStatus::kInvalidParameter);
    auto edited = std::make_shared<MeshData>(*mesh);
    edited->SetPoint(vertexId, position * Access::toSpace(*this, space).inverse());
    return Access::write(*this, edited);
}

MStatus MFnMesh::setPoints(const MPointArray& vertexArray, MSpace::Space space) {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    if (static_cast<int>(vertexArray.length()) != mesh->NumVertices())
        return failure("the number of points differs from the number of vertices",
                       MStatus::kInvalidParameter);
    const MMatrix toObject = Access::toSpace(*this, space).inverse();
    auto edited = std::make_shared<MeshData>(*mesh);
    for (unsigned int i = 0; i < vertexArray.length(); ++i)
        edited->SetPoint(static_cast<int>(i), vertexArray[i] * toObject);
    return Access::write(*this, edited);
}

MStatus MFnMesh::getPolygonVertices(int polygonId, MIntArray& vertexList) const {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    if (polygonId < 0 || polygonId >= mesh->numPolygons())
        return failure("no such polygon", MStatus::kInvalidParameter);
    const std::vector<int> vertices = mesh->PolygonVertices(polygonId);
    vertexList = MIntArray(vertices.data(), static_cast<unsigned int>(vertices.size()));
    return MStatus::kSuccess;
}

int MFnMesh::polygonVertexCount(int polygonId, MStatus* ReturnStatus) const {
    MIntArray vertices;
    report(ReturnStatus, getPolygonVertices(polygonId, vertices));
    return static_cast<int>(vertices.length());
}

MStatus MFnMesh::getVertices(MIntArray& vertexCount, MIntArray& vertexList) const {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    vertexCount = MIntArray(mesh->Counts().data(), static_cast<unsigned int>(mesh->Counts().size()));
    vertexList = MIntArray(mesh->Connects().data(), static_cast<unsigned int>(mesh->Connects().size()));
    return MStatus::kSuccess;
}

MStatus MFnMesh::getPolygonNormal(int polygonId, MVector& normal, MSpace::Space space) const {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    if (polygonId < 0 || polygonId >= mesh->numPolygons())
        return failure("no such polygon", MStatus::kInvalidParameter);
    normal = mesh->PolygonNormal(polygonId).transformAsNormal(Access::toSpace(*this, space));
    return MStatus::kSuccess;
}

bool MFnMesh::closestIntersection(const MFloatPoint& raySource, const MFloatVector& rayDirection,
                                  const MIntArray* faceIds, const MIntArray*, bool, MSpace::Space space,
                                  float maxParam, bool testBothDirections, MMeshIsectAccelParams*,
                                  MFloatPoint& hitPoint, float* hitRayParam, int* hitFace, int* hitTriangle,
                                  float* hitBary1, float* hitBary2, float, MStatus* ReturnStatus) {
    auto mesh = Access::read(*this, ReturnStatus);
    if (!mesh) return false;
    std::vector<bool> mask;
    if (faceIds) {
        mask.assign(static_cast<std::size_t>(mesh->numPolygons()), false);
        for (int face : *faceIds)
            if (face >= 0 && face < mesh->numPolygons()) mask[face] = true;
    }
    // The ray in object space; a linear map keeps the ray parameter of every point.
    const MMatrix toSpace = Access::toSpace(*this, space);
    const MMatrix toObject = toSpace.inverse();
    const auto hit = mesh->closestIntersection(MPoint(raySource) * toObject, MVector(rayDirection) * toObject,
                                               maxParam, testBothDirections, faceIds ? &mask : nullptr);
    if (!hit) return false;
    hitPoint = MFloatPoint(hit->point * toSpace);
    if (hitRayParam) *hitRayParam = static_cast<float>(hit->param);
    if (hitFace) *hitFace = hit->polygon;
    if (hitTriangle) *hitTriangle = hit->triangle;
    if (hitBary1) *hitBary1 = static_cast<float>(hit->bary1);
    if (hitBary2) *hitBary2 = static_cast<float>(hit->bary2);
    return true;
}

MStatus MFnMesh::getClosestPoint(const MPoint& toThisPoint, MPoint& theClosestPoint, MSpace::Space space,
                                 int* closestPolygon, MMeshIsectAccelParams*) const {
    MStatus status;
    auto mesh = Access::read(*this, &status);
    if (!mesh) return status;
    const MMatrix toSpace = Access::toSpace(*this, space);
    const auto closest = mesh->ClosestPoint(toThisPoint * toSpace.inverse());
    if (!closest) return failure("the mesh has no polygons", MStatus::kInvalidParameter);
    theClosestPoint = closest->first * toSpace;
    if (closestPolygon) *closestPolygon = closest->second;
    return MStatus::kSuccess;
}

MStatus MFnMesh::getClosestNormal(const MPoint& toThisPoint, MVector& theNormal, MSpace::Space space,
                                  int* closestPolygon, MMeshIsectAccelParams* accelParams) const {
    MPoint closest;
    int polygon = -1;
    const MStatus status = getClosestPoint(toThisPoint, closest, space, &polygon, accelParams);
    if (!status) return status;
    if (closestPolygon) *closestPolygon = polygon;
    return getPolygonNormal(polygon, theNormal, space);
}
