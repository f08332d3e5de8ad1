#include "host/api/HostConvert.h"
#include "host/api/MSelectionListAccess.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"

#include <maya/MGlobal.h>

#include <algorithm>

using namespace vex::host;

MStatus MGlobal::getActiveSelectionList(MSelectionList& list, bool) {
    MSelectionListAccess::items(list) = Scene::instance().selection();
    return MStatus::kSuccess;
}

MStatus MGlobal::setActiveSelectionList(const MSelectionList& list, ListAdjustment mode) {
    return select(list, mode);
}

MStatus MGlobal::select(const MSelectionList& list, ListAdjustment mode) {
    auto& scene = Scene::instance();
    std::vector<NodePtr> result = mode == kReplaceList ? std::vector<NodePtr>{} : scene.selection();
    std::vector<NodePtr> given;
    for (const auto& node : MSelectionListAccess::items(list))
        if (node->isAlive()) given.push_back(node);
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
    scene.setSelection(result);
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
    Scene::instance().setSelection({});
    return MStatus::kSuccess;
}

MStatus MGlobal::getSelectionListByName(const MString& name, MSelectionList& list) {
    list.clear();
    return list.add(name);
}

bool MGlobal::isYAxisUp() {
    return Scene::instance().isYAxisUp();
}

bool MGlobal::isZAxisUp() {
    return !Scene::instance().isYAxisUp();
}

MStatus MGlobal::setYAxisUp(bool) {
    Scene::instance().setYAxisUp(true);
    return MStatus::kSuccess;
}

MStatus MGlobal::setZAxisUp(bool) {
    Scene::instance().setYAxisUp(false);
    return MStatus::kSuccess;
}

MStatus MGlobal::deleteNode(MObject& object) {
    auto node = ObjectAccess::liveNode(object);
    if (!node || !Scene::instance().deleteNode(node))
        return convert::failure("the object is not a node in the scene", MStatus::kInvalidParameter);
    return MStatus::kSuccess;
}

void MGlobal::displayInfo(const MString& text) {
    ScriptEditor::get().write(ScriptEditor::Kind::Info, text.str());
}

void MGlobal::displayWarning(const MString& text) {
    ScriptEditor::get().write(ScriptEditor::Kind::Warning, text.str());
}

void MGlobal::displayError(const MString& text) {
    ScriptEditor::get().write(ScriptEditor::Kind::Error, text.str());
}

int MGlobal::apiVersion() {
    return 201400;
}
