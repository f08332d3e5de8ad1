#pragma once

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class MDoubleArray;
class MIntArray;
class MStringArray;

/// Host-wide operations: the active selection, the up axis, node deletion and script output.
class MGlobal {
public:
    /// How a selection call combines with the active selection.
    enum ListAdjustment { kReplaceList, kXORWithList, kAddToList, kRemoveFromList, kAddToHeadOfList };

    /// The active selection, in selection order.
    static MStatus getActiveSelectionList(MSelectionList& list, bool orderedSelectionIfAvailable = false);
    /// Replaces (or adjusts) the active selection with the list.
    static MStatus setActiveSelectionList(const MSelectionList& list, ListAdjustment mode = kReplaceList);
    /// Selects a node (components are not kept).
    static MStatus select(const MObject& object, ListAdjustment mode = kAddToList);
    static MStatus select(const MDagPath& path, const MObject& component, ListAdjustment mode = kAddToList);
    static MStatus select(const MSelectionList& list, ListAdjustment mode = kAddToList);
    static MStatus unselect(const MObject& object);
    static MStatus clearSelectionList();
    /// Selects the nodes whose names match (as MSelectionList::add matches them); kFailure when none does.
    static MStatus selectByName(const MString& name, ListAdjustment mode = kAddToList);
    /// The nodes whose name or path matches (with "*" wildcards).
    static MStatus getSelectionListByName(const MString& name, MSelectionList& list);

    /// The names of the type constants the object answers hasFn for ("kBase", ..., its own), in
    /// the order of the constants; kInvalidParameter for a null object.
    static MStatus getFunctionSetList(const MObject& object, MStringArray& array);

    static bool isYAxisUp();
    static bool isZAxisUp();
    /// Makes Y the up axis (the view is not turned in this host).
    static MStatus setYAxisUp(bool rotateView = false);
    static MStatus setZAxisUp(bool rotateView = false);

    /// Deletes a node at once (not undoable).
    static MStatus deleteNode(MObject& node);

    /// Writes to the script output.
    static void displayInfo(const MString& text);
    static void displayWarning(const MString& text);
    static void displayError(const MString& text);

    /// The API version this host offers: 201400.
    static int apiVersion();

    // ---- command execution (declared and implemented with the command engine) ----
    /// Executes command text; `displayEnabled` echoes it to the script output, `undoEnabled` puts
    /// undoable commands into the undo queue. kFailure when any statement fails.
    static MStatus executeCommand(const MString& command, bool displayEnabled = false,
                                  bool undoEnabled = false);
    /// The same, handing back the result of the last statement.
    static MStatus executeCommand(const MString& command, MString& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, int& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, double& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MIntArray& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MDoubleArray& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MStringArray& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    /// Executes command text and answers the result as text.
    static MString executeCommandStringResult(const MString& command, bool displayEnabled = false,
                                              bool undoEnabled = false, MStatus* ReturnStatus = nullptr);
    /// True while the host undoes, or redoes, a command from its undo queue.
    static bool isUndoing();
    static bool isRedoing();
};
