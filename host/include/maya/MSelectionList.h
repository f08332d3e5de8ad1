#pragma once

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>
#include <vector>

class MStringArray;

namespace vex::host {
class Node;
}

/// An ordered list of nodes (DAG nodes by path). A node is in a list at most once.
class MSelectionList {
public:
    enum MergeStrategy { kMergeNormal, kXORWithList, kRemoveFromList };

    MSelectionList();

    /// Adds a node (a node already in the list stays where it is).
    MStatus add(const MObject& object, bool mergeWithExisting = false);
    /// Adds the node of a DAG path; components are not kept.
    MStatus add(const MDagPath& path, const MObject& component = MObject::kNullObj,
                bool mergeWithExisting = false);
    /// Adds the nodes whose name or path matches; "*" matches any run of characters. Fails when none does.
    MStatus add(const MString& matchString, bool searchChildNamespacesToo = false);

    MStatus remove(unsigned int index);
    MStatus clear();
    unsigned int length(MStatus* ReturnStatus = nullptr) const;
    bool isEmpty(MStatus* ReturnStatus = nullptr) const;

    MStatus getDependNode(unsigned int index, MObject& object) const;
    MStatus getDagPath(unsigned int index, MDagPath& path) const;
    MStatus getDagPath(unsigned int index, MDagPath& path, MObject& component) const;

    bool hasItem(const MObject& object, MStatus* ReturnStatus = nullptr) const;
    bool hasItem(const MDagPath& path, const MObject& component = MObject::kNullObj,
                 MStatus* ReturnStatus = nullptr) const;

    /// Adds, toggles or removes the other list's items.
    MStatus merge(const MSelectionList& other, MergeStrategy strategy = kMergeNormal);

    /// The items' names (partial path names for DAG nodes).
    MStatus getSelectionStrings(MStringArray& strings) const;

private:
    friend class MSelectionListAccess;
    std::vector<std::shared_ptr<vex::host::Node>> items_;
};
