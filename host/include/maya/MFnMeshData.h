#pragma once

#include <maya/MFnData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

/// Function set for mesh data objects: creates an empty one, which MFnMesh::create can fill and a
/// plug or modifier can then take as a mesh shape's new geometry.
class MFnMeshData : public MFnData {
public:
    MFnMeshData() = default;
    explicit MFnMeshData(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kMeshData; }
    /// A new, empty mesh data object (the function set attaches to it).
    MObject create(MStatus* ReturnStatus = nullptr);
};
