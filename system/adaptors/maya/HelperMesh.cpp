#include "system/adaptors/maya/HelperMesh.h"

#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MDagModifier.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MIntArray.h>
#include <maya/MPlug.h>

#include <string>

namespace vex::orb::adaptor::maya {

void HelperMesh::ToArrays(const util::CMesh& mesh, const util::Matrix<double>& conversion,
                          MFloatPointArray& points, MIntArray& counts, MIntArray& connects) {
    for (const util::Vector3<double>& v : mesh.vertices) {
        const util::Vector3<double> p = util::TransformPoint(conversion, v);
        points.append(MFloatPoint(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)));
    }
    const size_t triangles = mesh.GetTriangleCount();
    for (size_t i = 0; i < triangles; ++i) {
        counts.append(3);
        for (size_t k = 0; k < 3; ++k) connects.append(mesh.faces[3 * i + k]);
    }
}

bool HelperMesh::Create(const util::CMesh& mesh, const MObject& transform,
                        const util::Matrix<double>& conversion, const std::string& name, MDagPath& shape) {
    MFloatPointArray points;
    MIntArray counts;
    MIntArray connects;
    ToArrays(mesh, conversion, points, counts, connects);
    const int triangles = static_cast<int>(counts.length());
    MStatus status;
    MFnMesh fn;
    const MObject created =
        fn.create(static_cast<int>(points.length()), triangles, points, counts, connects, transform, &status);
    if (!status || created.isNull()) return false;

    MDGModifier rename;
    rename.renameNode(created, MString(name.c_str()));
    rename.doIt();
    MFnDependencyNode node(created);
    for (const auto& [attribute, value] : {std::pair<const char*, bool>{"castsShadows", false},
                                           {"receiveShadows", false},
                                           {"motionBlur", false},
                                           {"primaryVisibility", true},
                                           {"smoothShading", false},
                                           {"visibleInReflections", false},
                                           {"visibleInRefractions", false},
                                           {"doubleSided", false}})
        node.findPlug(attribute).setValue(value);
    MDagPath::getAPathTo(created, shape);
    MayaAdaptorInterface::Run(MString(("polySoftEdge -a 0 -ch 0 " + std::string(node.name().asChar()) +
                                       ".f[0:" + std::to_string(triangles) + "];")
                                          .c_str()));
    return true;
}

} // namespace vex::orb::adaptor::maya
