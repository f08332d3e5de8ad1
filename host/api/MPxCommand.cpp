#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MPxCommand.h>
#include <maya/MStringArray.h>

#include "../scene/CommandEngine.h"
#include "../scene/ScriptEditor.h"

#include <string>
#include <vector>

using vex::host::CommandEngine;
using vex::host::CommandResult;
using vex::host::ScriptEditor;

namespace {

CommandResult& result() {
    return CommandEngine::get().currentResult();
}

template <typename Array, typename Format>
void setArray(CommandResult::Type type, const Array& values, Format format) {
    std::vector<std::string> texts;
    for (const auto& value : values) texts.push_back(format(value));
    result().set(type, std::move(texts), true);
}

std::string intText(int value) {
    return std::to_string(value);
}
std::string stringText(const MString& value) {
    return value.str();
}

} // namespace

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
    ScriptEditor::get().write(ScriptEditor::Kind::Info, text.str());
}

void MPxCommand::displayWarning(const MString& text, bool) {
    ScriptEditor::get().write(ScriptEditor::Kind::Warning, text.str());
}

void MPxCommand::displayError(const MString& text, bool) {
    ScriptEditor::get().write(ScriptEditor::Kind::Error, text.str());
}

void MPxCommand::setResult(bool value) {
    result().set(CommandResult::Type::Int, {value ? "1" : "0"}, false);
}

void MPxCommand::setResult(int value) {
    result().set(CommandResult::Type::Int, {intText(value)}, false);
}

void MPxCommand::setResult(double value) {
    result().set(CommandResult::Type::Double, {CommandResult::format(value)}, false);
}

void MPxCommand::setResult(const MString& value) {
    result().set(CommandResult::Type::String, {value.str()}, false);
}

void MPxCommand::setResult(const char* value) {
    setResult(MString(value));
}

void MPxCommand::setResult(const MIntArray& value) {
    setArray(CommandResult::Type::Int, value, intText);
}

void MPxCommand::setResult(const MDoubleArray& value) {
    setArray(CommandResult::Type::Double, value, CommandResult::format);
}

void MPxCommand::setResult(const MStringArray& value) {
    setArray(CommandResult::Type::String, value, stringText);
}

void MPxCommand::appendToResult(int value) {
    result().append(CommandResult::Type::Int, intText(value));
}

void MPxCommand::appendToResult(double value) {
    result().append(CommandResult::Type::Double, CommandResult::format(value));
}

void MPxCommand::appendToResult(const MString& value) {
    result().append(CommandResult::Type::String, value.str());
}

void MPxCommand::appendToResult(const char* value) {
    appendToResult(MString(value));
}

void MPxCommand::clearResult() {
    result().clear();
}

MString MPxCommand::currentStringResult(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return MString(result().asText());
}

int MPxCommand::currentIntResult(MStatus* ReturnStatus) {
    int value = 0;
    MSetStatus(ReturnStatus, result().asInt(value) ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return value;
}

double MPxCommand::currentDoubleResult(MStatus* ReturnStatus) {
    double value = 0;
    MSetStatus(ReturnStatus, result().asDouble(value) ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return value;
}
