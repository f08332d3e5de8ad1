#include "host/scene/CommandEngine.h"
#include "host/scene/UndoQueue.h"

#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>

using vex::host::CommandEngine;
using vex::host::command::Value;

namespace {

MStatus run(const MString& command, Value& result, bool displayEnabled, bool undoEnabled) {
    return CommandEngine::get().Execute(command.str(), displayEnabled, undoEnabled, &result);
}

template <typename Array, typename Read>
MStatus runIntoArray(const MString& command, Array& result, bool displayEnabled, bool undoEnabled,
                     Read read) {
    Value value;
    const MStatus status = run(command, value, displayEnabled, undoEnabled);
    result.clear();
    // A command without a result leaves the empty string: that is no element, not one empty one.
    if (!value.IsArray() && value.AsString().empty()) return status;
    for (std::size_t i = 0; i < value.Size(); ++i) result.append(read(value.At(i)));
    return status;
}

} // namespace

MStatus MGlobal::executeCommand(const MString& command, bool displayEnabled, bool undoEnabled) {
    return CommandEngine::get().Execute(command.str(), displayEnabled, undoEnabled);
}

MStatus MGlobal::executeCommand(const MString& command, MString& result, bool displayEnabled,
                                bool undoEnabled) {
    Value value;
    const MStatus status = run(command, value, displayEnabled, undoEnabled);
    result = MString(value.AsString());
    return status;
}

MStatus MGlobal::executeCommand(const MString& command, int& result, bool displayEnabled, bool undoEnabled) {
    Value value;
    const MStatus status = run(command, value, displayEnabled, undoEnabled);
    result = static_cast<int>(value.AsInt());
    return status;
}

MStatus MGlobal::executeCommand(const MString& command, double& result, bool displayEnabled,
                                bool undoEnabled) {
    Value value;
    const MStatus status = run(command, value, displayEnabled, undoEnabled);
    result = value.AsDouble();
    return status;
}

MStatus MGlobal::executeCommand(const MString& command, MIntArray& result, bool displayEnabled,
                                bool undoEnabled) {
    return runIntoArray(command, result, displayEnabled, undoEnabled,
                        [](const Value& v) { return static_cast<int>(v.AsInt()); });
}

MStatus MGlobal::executeCommand(const MString& command, MDoubleArray& result, bool displayEnabled,
                                bool undoEnabled) {
    return runIntoArray(command, result, displayEnabled, undoEnabled,
                        [](const Value& v) { return v.AsDouble(); });
}

MStatus MGlobal::executeCommand(const MString& command, MStringArray& result, bool displayEnabled,
                                bool undoEnabled) {
    return runIntoArray(command, result, displayEnabled, undoEnabled,
                        [](const Value& v) { return MString(v.AsString()); });
}

MString MGlobal::executeCommandStringResult(const MString& command, bool displayEnabled, bool undoEnabled,
                                            MStatus* ReturnStatus) {
    MString result;
    const MStatus status = executeCommand(command, result, displayEnabled, undoEnabled);
    if (ReturnStatus) *ReturnStatus = status;
    return result;
}

bool MGlobal::isUndoing() {
    return vex::host::UndoQueue::get().IsUndoing();
}

bool MGlobal::isRedoing() {
    return vex::host::UndoQueue::get().IsRedoing();
}
