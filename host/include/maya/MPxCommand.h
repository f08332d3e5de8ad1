#pragma once

#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

class MArgList;
class MDoubleArray;
class MIntArray;
class MStringArray;

/// Base of every command a plug-in registers. The host creates one object per invocation, calls
/// doIt with the arguments and, when the command is undoable and was run with undo enabled, keeps
/// the object in its undo queue, calling undoIt and redoIt as the user undoes and redoes.
class MPxCommand {
public:
    MPxCommand() = default;
    virtual ~MPxCommand() = default;
    MPxCommand(const MPxCommand&) = delete;
    MPxCommand& operator=(const MPxCommand&) = delete;

    /// Performs the command.
    virtual MStatus doIt(const MArgList& args) = 0;
    /// Reverses doIt (called from the undo queue).
    virtual MStatus undoIt();
    /// Performs the command again after undoIt (called from the undo queue).
    virtual MStatus redoIt();
    /// True when the host must keep the command for undo; defaults to the flag set by setUndoable.
    virtual bool isUndoable() const;
    /// Whether the command declares a syntax object (not used by this host).
    virtual bool hasSyntax() const { return false; }
    /// The syntax the command was registered with (an empty syntax for a command without one), for
    /// reading the arguments with MArgDatabase in doIt.
    MSyntax syntax(MStatus* ReturnStatus = nullptr) const;

    /// Sets what isUndoable answers by default.
    MStatus setUndoable(bool state);
    /// The text this command was invoked with.
    MString commandString() const { return commandString_; }
    /// Sets the text reported by commandString.
    MStatus setCommandString(const MString& text);

    /// Writes an information, warning or error line to the script output.
    static void displayInfo(const MString& text);
    static void displayWarning(const MString& text, bool showLineNumber = false);
    static void displayError(const MString& text, bool showLineNumber = false);

    /// Replace the result of the command being executed.
    static void setResult(bool value);
    static void setResult(int value);
    static void setResult(double value);
    static void setResult(const MString& value);
    static void setResult(const char* value);
    static void setResult(const MIntArray& value);
    static void setResult(const MDoubleArray& value);
    static void setResult(const MStringArray& value);
    /// Append one element to the result, turning it into an array.
    static void appendToResult(int value);
    static void appendToResult(double value);
    static void appendToResult(const MString& value);
    static void appendToResult(const char* value);
    /// Empties the result.
    static void clearResult();
    /// The result as set so far, read back in one type.
    static MString currentStringResult(MStatus* ReturnStatus = nullptr);
    static int currentIntResult(MStatus* ReturnStatus = nullptr);
    static double currentDoubleResult(MStatus* ReturnStatus = nullptr);

private:
    bool undoable_ = false;
    MString commandString_;
};
