#pragma once

#include "interface/CMesh.h"
#include "util/Matrix.h"

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MString.h>
#include <maya/MVector.h>

#include <string>

namespace vex::orb::adaptor::maya {

/// A polygon shape on the Maya API: the helper meshes the system creates (geometry, material,
/// colour) and collision meshes (ray hits, triangles). Edits are recorded in the adaptor's undo list.
class MayaMeshShape {
public:
    /// The mesh shape at `shape`.
    explicit MayaMeshShape(const MDagPath& shape) : shape_(shape) {}

    /// Creates a Lambert material named after the shape ("<shape>_material") with its shading group
    /// and assigns it to the shape, recorded as CCreateShaderObj (after the shape's own creation, so
    /// redo finds the shape).
    void AssignNewMaterial();
    /// Whether the shape is a helper the system created: its material is the one AssignNewMaterial
    /// names after it.
    bool IsSystemHelper() const;

    /// Replaces the geometry with `mesh`, its points multiplied by `conversion`, recorded as
    /// CChangeMeshRestoreObj, then triangulates it (with construction history when `history`),
    /// recorded as CDagModifierRestoreObj.
    bool SetMesh(const util::CMesh& mesh, const util::Matrix<double>& conversion, bool history);
    /// The Lambert material of the shading group the shape is in; null when there is none.
    MObject FindMaterial() const;
    /// Sets the material's colour, recorded as CColorRestoreObj; false without a material.
    bool SetColor(float r, float g, float b);

    /// The hit of the ray (world space, host units) nearest to its origin and the surface normal
    /// there; false on a miss.
    bool IntersectRay(const MPoint& origin, const MVector& direction, MPoint& hit, MVector& normal) const;
    /// The shape's triangles in world space, host units, read from a triangulated copy that is taken
    /// back afterwards (the shape is left as it was); false when it cannot be read.
    bool GetTriangles(util::CMesh& mesh) const;

    const MDagPath& GetPath() const { return shape_; }

private:
    // The name of the material the system gives the shape.
    MString MaterialName() const;
    // The MEL that triangulates the shape.
    std::string TriangulateCommand(bool history) const;

    MDagPath shape_;
};

} // namespace vex::orb::adaptor::maya
