#include "host/api/PluginSyntaxes.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/ScriptEditor.h"

#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MPxCommand.h>
#include <maya/MStringArray.h>

#include <vector>

using vex::host::CommandEngine;
using vex::host::ScriptEditor;
using vex::host::command::Value;

namespace {

Value& result() {
    return CommandEngine::get().CurrentResult();
}

// Appends one element; a result that is not yet an array of the element's type becomes an empty one first.
void append(const Value& element) {
    const Value::Type arrayType = Value::ArrayType(element.GetType());
    if (result().GetType() != arrayType) result() = Value::OfType(arrayType);
    result().SetAt(result().Size(), element);
}

template <typename Array, typename Element>
Value arrayOf(Value::Type type, const Array& values, Element element) {
    Value array = Value::OfType(type);
    for (unsigned int i = 0; i < values.length(); ++i) array.SetAt(i, element(values[i]));
    return array;
}

} // namespace

MSyntax MPxCommand::syntax(MStatus* ReturnStatus) const {
    // The command string starts with the name the command was registered under ("name;" alone).
    const std::string& text = commandString_.str();
    const auto it = pluginSyntaxes().find(text.substr(0, text.find_first_of(" \t;")));
    MSetStatus(ReturnStatus, it == pluginSyntaxes().end() ? MStatus::kFailure : MStatus::kSuccess);
    return it == pluginSyntaxes().end() ? MSyntax() : it->second;
}

MStatus MPxCommand::undoIt() {
    return MStatus(MStatus::kNotImplemented, "This command has no undo.");
}

MStatus MPxCommand::redoIt() {
    return MStatus(MStatus::kNotImplemented, "This command has no redo.");
}

bool MPxCommand::isUndoable() const {
    return undoable_;
}

MStatus MPxCommand::setUndoable(bool state) {
    undoable_ = state;
    return MStatus::kSuccess;
}

MStatus MPxCommand::setCommandString(const MString& text) {
    commandString_ = text;
    return MStatus::kSuccess;
}

void MPxCommand::displayInfo(const MString& text) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kInfo, text.str());
}

void MPxCommand::displayWarning(const MString& text, bool) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kWarning, text.str());
}

void MPxCommand::displayError(const MString& text, bool) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kError, text.str());
}

void MPxCommand::setResult(bool value) {
    result() = Value::Int(value ? 1 : 0);
}

void MPxCommand::setResult(int value) {
    result() = Value::Int(value);
}

void MPxCommand::setResult(double value) {
    result() = Value::Float(value);
}

void MPxCommand::setResult(const MString& value) {
    result() = Value::String(value.str());
}

void MPxCommand::setResult(const char* value) {
    setResult(MString(value));
}

void MPxCommand::setResult(const MIntArray& value) {
    result() = arrayOf(Value::Type::kIntArray, value, [](int v) { return Value::Int(v); });
}

void MPxCommand::setResult(const MDoubleArray& value) {
    result() = arrayOf(Value::Type::kFloatArray, value, [](double v) { return Value::Float(v); });
}

void MPxCommand::setResult(const MStringArray& value) {
    result() =
        arrayOf(Value::Type::kStringArray, value, [](const MString& v) { return Value::String(v.str()); });
}

void MPxCommand::appendToResult(int value) {
    append(Value::Int(value));
}

void MPxCommand::appendToResult(double value) {
    append(Value::Float(value));
}

void MPxCommand::appendToResult(const MString& value) {
    append(Value::String(value.str()));
}

void MPxCommand::appendToResult(const char* value) {
    appendToResult(MString(value));
}

void MPxCommand::clearResult() {
    result() = Value();
}

MString MPxCommand::currentStringResult(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return MString(result().AsString());
}

int MPxCommand::currentIntResult(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, result().IsNumber() ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return static_cast<int>(result().AsInt());
}

double MPxCommand::currentDoubleResult(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, result().IsNumber() ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return result().AsDouble();
}
