#include "system/adaptors/maya/CCreateShaderObj.h"

#include <maya/MDGModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnLambertShader.h>
#include <maya/MFnSet.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

namespace vex::orb::adaptor::maya {

CCreateShaderObj::CCreateShaderObj(const MDagPath& mesh, const MString& material)
    : mesh_(mesh), name_(material) {
    Build();
}

void CCreateShaderObj::Build() {
    MStatus status;
    MFnLambertShader lambert;
    material_ = lambert.create(true, &status);
    if (!status) return;
    MFnSet set;
    group_ = set.create(MSelectionList(), MFnSet::kRenderableOnly, &status);
    if (!status) return;
    MDGModifier edit;
    edit.renameNode(material_, name_);
    edit.renameNode(group_, name_ + "SG");
    edit.connect(lambert.findPlug("outColor"), set.findPlug("surfaceShader"));
    if (!edit.doIt()) MGlobal::displayError("Failed to connect the helper's material " + name_);
    set.addMember(mesh_);
}

void CCreateShaderObj::undo() {
    if (material_.isNull() || group_.isNull()) return;
    MFnSet set(group_);
    set.removeMember(mesh_, MObject::kNullObj);
    MDGModifier edit;
    edit.disconnect(MFnDependencyNode(material_).findPlug("outColor"), set.findPlug("surfaceShader"));
    edit.doIt();
    MGlobal::deleteNode(group_);
    MGlobal::deleteNode(material_);
    material_ = MObject();
    group_ = MObject();
}

void CCreateShaderObj::redo() {
    if (material_.isNull()) Build();
}

} // namespace vex::orb::adaptor::maya
