#include "host/api/ApiTypeNames.h"
#include "host/api/HostConvert.h"
#include "host/api/MSelectionListAccess.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"

#include <maya/MGlobal.h>
#include <maya/MStringArray.h>

#include <algorithm>

using namespace vex::host;

MStatus MGlobal::getActiveSelectionList(MSelectionList& list, bool) {
    MSelectionListAccess::items(list) = Scene::Instance().Selection();
    return MStatus::kSuccess;
}

MStatus MGlobal::setActiveSelectionList(const MSelectionList& list, ListAdjustment mode) {
    return select(list, mode);
}

MStatus MGlobal::select(const MSelectionList& list, ListAdjustment mode) {
    auto& scene = Scene::Instance();
    std::vector<NodePtr> result = mode == kReplaceList ? std::vector<NodePtr>{} : scene.Selection();
    std::vector<NodePtr> given;
    for (const auto& node : MSelectionListAccess::items(list))
        if (node->IsAlive()) given.push_back(node);
    if (mode == kAddToHeadOfList) {
        for (const auto& node : given)
            result.erase(std::remove(result.begin(), result.end(), node), result.end());
        result.insert(result.begin(), given.begin(), given.end());
        given.clear();
    }
    for (const auto& node : given) {
        auto it = std::find(result.begin(), result.end(), node);
        const bool present = it != result.end();
        switch (mode) {
        case kReplaceList:
        case kAddToList:
            if (!present) result.push_back(node);
            break;
        case kAddToHeadOfList:
            break;
        case kXORWithList:
            if (present)
                result.erase(it);
            else
                result.push_back(node);
            break;
        case kRemoveFromList:
            if (present) result.erase(it);
            break;
        }
    }
    scene.SetSelection(result);
    return MStatus::kSuccess;
}

MStatus MGlobal::select(const MObject& object, ListAdjustment mode) {
    MSelectionList list;
    MStatus status = list.add(object);
    return status ? select(list, mode) : status;
}

MStatus MGlobal::select(const MDagPath& path, const MObject&, ListAdjustment mode) {
    MSelectionList list;
    MStatus status = list.add(path);
    return status ? select(list, mode) : status;
}

MStatus MGlobal::unselect(const MObject& object) {
    return select(object, kRemoveFromList);
}

MStatus MGlobal::clearSelectionList() {
    Scene::Instance().SetSelection({});
    return MStatus::kSuccess;
}

MStatus MGlobal::selectByName(const MString& name, ListAdjustment mode) {
    MSelectionList list;
    const MStatus status = list.add(name);
    return status ? select(list, mode) : status;
}

MStatus MGlobal::getSelectionListByName(const MString& name, MSelectionList& list) {
    list.clear();
    return list.add(name);
}

MStatus MGlobal::getFunctionSetList(const MObject& object, MStringArray& array) {
    array.clear();
    if (object.isNull()) return MStatus::kInvalidParameter;
    for (const ApiTypeEntry& entry : apiTypeEntries())
        if (entry.type != MFn::kInvalid && object.hasFn(entry.type)) array.append(entry.name);
    return MStatus::kSuccess;
}

bool MGlobal::isYAxisUp() {
    return Scene::Instance().isYAxisUp();
}

bool MGlobal::isZAxisUp() {
    return !Scene::Instance().isYAxisUp();
}

MStatus MGlobal::setYAxisUp(bool) {
    Scene::Instance().SetYAxisUp(true);
    return MStatus::kSuccess;
}

MStatus MGlobal::setZAxisUp(bool) {
    Scene::Instance().SetYAxisUp(false);
    return MStatus::kSuccess;
}

MStatus MGlobal::deleteNode(MObject& object) {
    auto node = ObjectAccess::LiveNode(object);
    if (!node || !Scene::Instance().deleteNode(node))
        return convert::failure("the object is not a node in the scene", MStatus::kInvalidParameter);
    return MStatus::kSuccess;
}

void MGlobal::displayInfo(const MString& text) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kInfo, text.str());
}

void MGlobal::displayWarning(const MString& text) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kWarning, text.str());
}

void MGlobal::displayError(const MString& text) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kError, text.str());
}

int MGlobal::apiVersion() {
    return 201400;
}
