#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

/// A helper mesh's own Lambert material and the shading group ("<material>SG") that assigns it:
/// undo disconnects and deletes both, redo makes them again and assigns them to the mesh.
class CCreateShaderObj : public UndoManagement::UndoUnit {
public:
    /// Creates the material `material` with its shading group and assigns it to `mesh`.
    CCreateShaderObj(const MDagPath& mesh, const MString& material);

    void undo() override;
    void redo() override;

    /// The material and the shading group (null objects while undone or after a failure).
    const MObject& GetMaterial() const { return material_; }
    const MObject& GetGroup() const { return group_; }

private:
    // Makes the material and the group, connects them and adds the mesh to the group.
    void Build();

    MDagPath mesh_;
    MString name_;
    MObject material_;
    MObject group_;
};

} // namespace vex::orb::adaptor::maya
