#pragma once

#include "system/adaptors/maya/CModifierUnit.h"

#include <maya/MDGModifier.h>
#include <maya/MFloatPointArray.h>
#include <maya/MIntArray.h>

namespace vex::orb::adaptor::maya {

/// A mesh whose geometry a modifier replaced: undo puts the old geometry back, redo the new one.
/// It keeps the new vertices and triangle indices the mesh was given.
class CChangeMeshRestoreObj : public CModifierUnit<MDGModifier> {
public:
    /// Takes ownership of `modifier`, on which doIt has run.
    CChangeMeshRestoreObj(MDGModifier* modifier, const MFloatPointArray& vertices, const MIntArray& faces)
        : CModifierUnit(modifier), vertices_(vertices), faces_(faces) {}

    void undo() override { modifier_->undoIt(); }
    void redo() override { modifier_->doIt(); }

    /// The mesh's new vertices (host units) and vertex indices, three per triangle.
    const MFloatPointArray& GetVertices() const { return vertices_; }
    const MIntArray& GetFaces() const { return faces_; }

private:
    MFloatPointArray vertices_;
    MIntArray faces_;
};

} // namespace vex::orb::adaptor::maya
