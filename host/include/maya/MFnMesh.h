#pragma once

#include <maya/MFloatPoint.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFloatVector.h>
#include <maya/MFnDagNode.h>
#include <maya/MIntArray.h>
#include <maya/MMeshIsectAccelParams.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MSpace.h>
#include <maya/MVector.h>

/// Function set for polygon meshes: a mesh shape node, or a mesh data object (MFnMeshData). Polygons
/// are given as vertex counts and a flat list of vertex indices; a polygon is taken as convex (its fan
/// of triangles from the first vertex) for intersections.
class MFnMesh : public MFnDagNode {
public:
    MFnMesh() = default;
    explicit MFnMesh(const MObject& object, MStatus* ReturnStatus = nullptr);
    explicit MFnMesh(const MDagPath& path, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kMesh; }
    using MFnDagNode::setObject;
    /// Attaches to a mesh shape or a mesh data object.
    MStatus setObject(const MObject& object) override;

    /// Creates a mesh. Without a parent a new transform with the mesh shape below it is made and the
    /// transform answered; under a transform the new shape is answered; given a mesh data object the
    /// data is filled and answered. The function set attaches to the shape (or the data).
    MObject create(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                   const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                   MObject parentOrOwner = MObject::kNullObj, MStatus* ReturnStatus = nullptr);
    MObject create(int numVertices, int numPolygons, const MPointArray& vertexArray,
                   const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                   MObject parentOrOwner = MObject::kNullObj, MStatus* ReturnStatus = nullptr);
    /// Replaces the attached mesh's geometry.
    MStatus createInPlace(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                          const MIntArray& polygonCounts, const MIntArray& polygonConnects);
    MStatus createInPlace(int numVertices, int numPolygons, const MPointArray& vertexArray,
                          const MIntArray& polygonCounts, const MIntArray& polygonConnects);

    int numVertices(MStatus* ReturnStatus = nullptr) const;
    int numPolygons(MStatus* ReturnStatus = nullptr) const;
    int numFaceVertices(MStatus* ReturnStatus = nullptr) const;
    /// Vertex positions in the given space (kWorld: through the shape's world matrix).
    MStatus getPoints(MPointArray& vertexArray, MSpace::Space space = MSpace::kObject) const;
    MStatus getPoints(MFloatPointArray& vertexArray, MSpace::Space space = MSpace::kObject) const;
    MStatus getPoint(int vertexId, MPoint& position, MSpace::Space space = MSpace::kObject) const;
    MStatus setPoint(int vertexId, const MPoint& position, MSpace::Space space = MSpace::kObject);
    MStatus setPoints(const MPointArray& vertexArray, MSpace::Space space = MSpace::kObject);
    /// Vertex indices of one polygon.
    MStatus getPolygonVertices(int polygonId, MIntArray& vertexList) const;
    int polygonVertexCount(int polygonId, MStatus* ReturnStatus = nullptr) const;
    /// The polygon counts and the flat vertex index list.
    MStatus getVertices(MIntArray& vertexCount, MIntArray& vertexList) const;
    MStatus getPolygonNormal(int polygonId, MVector& normal, MSpace::Space space = MSpace::kObject) const;

    /// The hit of a ray nearest to its source among the faces (all when faceIds is null), with ray
    /// parameter in [0, maxParam] (and [-maxParam, 0) when testBothDirections). Answers false on a
    /// miss. The ray and the hit are in the given space; triIds, idsSorted, accelParams and tolerance
    /// change nothing here.
    bool closestIntersection(const MFloatPoint& raySource, const MFloatVector& rayDirection,
                             const MIntArray* faceIds, const MIntArray* triIds, bool idsSorted,
                             MSpace::Space space, float maxParam, bool testBothDirections,
                             MMeshIsectAccelParams* accelParams, MFloatPoint& hitPoint, float* hitRayParam,
                             int* hitFace, int* hitTriangle, float* hitBary1, float* hitBary2,
                             float tolerance = 1e-6f, MStatus* ReturnStatus = nullptr);
    /// The point of the mesh nearest to a point, and the polygon it lies on.
    MStatus getClosestPoint(const MPoint& toThisPoint, MPoint& theClosestPoint,
                            MSpace::Space space = MSpace::kObject, int* closestPolygon = nullptr,
                            MMeshIsectAccelParams* accelParams = nullptr) const;
    /// The normal of the polygon nearest to a point.
    MStatus getClosestNormal(const MPoint& toThisPoint, MVector& theNormal,
                             MSpace::Space space = MSpace::kObject, int* closestPolygon = nullptr,
                             MMeshIsectAccelParams* accelParams = nullptr) const;
    /// Tells the host the mesh changed; reads always see the current geometry here.
    MStatus updateSurface() { return MStatus::kSuccess; }

    /// Acceleration settings (accepted, no effect).
    static MMeshIsectAccelParams autoUniformGridParams() { return {}; }
    static MMeshIsectAccelParams uniformGridParams(int xDivs, int yDivs, int zDivs) {
        return {xDivs, yDivs, zDivs};
    }
};
