#pragma once

#include "host/builtins/CommandContext.h"
#include "host/builtins/PlugName.h"
#include "host/scene/Node.h"

#include <string>
#include <vector>

namespace vex::host::builtins {

/// The list forms of setAttr that scene files write meshes and anim curve keys with:
///   setAttr -s 8 ".vt[0:7]" x y z ...                     vertex positions (centimetres)
///   setAttr -s 12 ".ed[0:11]" a b hard ...                edges: two vertices and a hard-edge flag
///   setAttr -s 6 ".fc[0:5]" -type "polyFaces" f 4 0 1 2 3 ...   faces as edge loops (edge -1-e runs
///                                                          edge e backwards)
///   setAttr -s 4 ".ktv[0:3]" t v t v ...                  keys: time in UI frames, value in UI units
/// Vertices are stored at once (a mesh of points until its faces arrive); edges are kept aside for the
/// faces, which complete the mesh. Vertices written after the faces move them.
class MeshForms {
public:
    /// Whether the attribute name is one of the forms above.
    static bool Handles(const std::string& attribute);
    /// Applies one form to the node; fails with a reason when the values do not fit it.
    static bool Apply(CommandContext& context, const NodePtr& node, const PlugName& plug,
                      const std::vector<std::string>& values);
    /// Forgets the lists kept aside for meshes whose faces have not come (a scene file that ended
    /// before them): for a new scene, once those meshes are gone.
    static void ForgetDrafts();
};

} // namespace vex::host::builtins
