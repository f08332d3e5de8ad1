#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MSelectionList.h>
#include <maya/MStringArray.h>

#include <algorithm>

using namespace vex::host;
using convert::failure;

namespace {

bool matches(const char* pattern, const char* text) {
    if (*pattern == '\0') return *text == '\0';
    if (*pattern == '*') return matches(pattern + 1, text) || (*text && matches(pattern, text + 1));
    return *pattern == *text && matches(pattern + 1, text + 1);
}

MStatus outOfRange() {
    return failure("index out of range", MStatus::kInvalidParameter);
}

} // namespace

MSelectionList::MSelectionList() = default;

MStatus MSelectionList::add(const MObject& object, bool) {
    auto node = ObjectAccess::LiveNode(object);
    if (!node) return failure("the object is not a node in the scene", MStatus::kInvalidParameter);
    if (std::find(items_.begin(), items_.end(), node) == items_.end()) items_.push_back(node);
    return MStatus::kSuccess;
}

MStatus MSelectionList::add(const MDagPath& path, const MObject&, bool mergeWithExisting) {
    MStatus status;
    MObject node = path.node(&status);
    return status ? add(node, mergeWithExisting) : status;
}

MStatus MSelectionList::add(const MString& matchString, bool) {
    const auto& pattern = matchString.str();
    bool found = false;
    if (pattern.find('*') == std::string::npos) {
        if (auto node = Scene::Instance().findNode(pattern))
            found = add(ObjectAccess::wrap(node)) == MStatus::kSuccess;
    } else {
        for (const auto& node : Scene::Instance().nodes())
            if (matches(pattern.c_str(), node->name().c_str()))
                found = add(ObjectAccess::wrap(node)) == MStatus::kSuccess || found;
    }
    return found ? MStatus(MStatus::kSuccess)
                 : failure("no object matches \"" + pattern + "\"", MStatus::kInvalidParameter);
}

MStatus MSelectionList::remove(unsigned int index) {
    if (index >= items_.size()) return outOfRange();
    items_.erase(items_.begin() + index);
    return MStatus::kSuccess;
}

MStatus MSelectionList::clear() {
    items_.clear();
    return MStatus::kSuccess;
}

unsigned int MSelectionList::length(MStatus* ReturnStatus) const {
    convert::report(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(items_.size());
}

bool MSelectionList::isEmpty(MStatus* ReturnStatus) const {
    return length(ReturnStatus) == 0;
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& object) const {
    if (index >= items_.size()) return outOfRange();
    object = ObjectAccess::wrap(items_[index]);
    return items_[index]->IsAlive() ? MStatus(MStatus::kSuccess) : failure("the node was deleted");
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& path) const {
    if (index >= items_.size()) return outOfRange();
    return MDagPath::getAPathTo(ObjectAccess::wrap(items_[index]), path);
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& path, MObject& component) const {
    component = MObject();
    return getDagPath(index, path);
}

bool MSelectionList::hasItem(const MObject& object, MStatus* ReturnStatus) const {
    convert::report(ReturnStatus, MStatus::kSuccess);
    auto node = ObjectAccess::node(object);
    return node && std::find(items_.begin(), items_.end(), node) != items_.end();
}

bool MSelectionList::hasItem(const MDagPath& path, const MObject&, MStatus* ReturnStatus) const {
    return hasItem(path.node(), ReturnStatus);
}

MStatus MSelectionList::merge(const MSelectionList& other, MergeStrategy strategy) {
    for (const auto& node : other.items_) {
        auto it = std::find(items_.begin(), items_.end(), node);
        const bool present = it != items_.end();
        if (strategy == kRemoveFromList || (strategy == kXORWithList && present)) {
            if (present) items_.erase(it);
        } else if (!present) {
            items_.push_back(node);
        }
    }
    return MStatus::kSuccess;
}

MStatus MSelectionList::getSelectionStrings(MStringArray& strings) const {
    strings.clear();
    for (const auto& node : items_)
        if (node->IsAlive()) strings.append(MString(Scene::Instance().partialPathName(*node)));
    return MStatus::kSuccess;
}
