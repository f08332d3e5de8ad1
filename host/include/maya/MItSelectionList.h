#pragma once

#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>

class MPlug;
class MStringArray;

/// Walks the items of a selection list in order, optionally only those of one type constant (a node
/// of the type or of a type derived from it). The iterator works on a copy of the list.
class MItSelectionList {
public:
    /// What an item is: this host's lists hold DAG nodes and dependency nodes.
    enum selItemType {
        kUnknownItem = -1,
        kDagSelectionItem,
        kAnimSelectionItem,
        kDNselectionItem,
        kPlugSelectionItem
    };

    /// Starts at the first item passing the filter (MFn::kInvalid: every item).
    MItSelectionList(const MSelectionList& list, MFn::Type filter = MFn::kInvalid,
                     MStatus* ReturnStatus = nullptr);

    /// True once past the last item.
    bool isDone(MStatus* ReturnStatus = nullptr);
    /// Moves to the next item passing the filter.
    MStatus next();
    /// Goes back to the first item passing the filter.
    MStatus reset();
    /// Sets the filter and goes back to the first item passing it.
    MStatus setFilter(MFn::Type filter);

    /// The node of the current item; kFailure when done or the node was deleted.
    MStatus getDependNode(MObject& depNode);
    /// The path of the current item; kFailure for a dependency node or when done.
    MStatus getDagPath(MDagPath& dagPath, MObject& component);
    MStatus getDagPath(MDagPath& dagPath);
    /// The current item's name, as the only element of `array`.
    MStatus getStrings(MStringArray& array);
    /// Plugs are not held by this host's lists: kFailure.
    MStatus getPlug(MPlug& plug);
    /// What the current item is.
    selItemType itemType(MStatus* ReturnStatus = nullptr);
    /// Components are not kept: false.
    bool hasComponents(MStatus* ReturnStatus = nullptr) const;

    /// "MItSelectionList".
    static const char* className();

private:
    /// Moves from `index_` to the first item at or after it passing the filter.
    void skip();

    MSelectionList list_;
    MFn::Type filter_;
    unsigned int index_ = 0;
};
