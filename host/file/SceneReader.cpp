#include "host/file/SceneReader.h"

#include "host/builtins/CommandContext.h"
#include "host/builtins/CurveKeys.h"
#include "host/builtins/Install.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/SessionState.h"
#include "host/command/Interpreter.h"
#include "host/file/CurveAttributeText.h"
#include "host/file/DefaultNodes.h"
#include "host/file/KeyListScanner.h"
#include "host/file/NameMapper.h"
#include "host/file/SettingsSnapshot.h"
#include "host/file/StatusText.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/SceneEvents.h"
#include "host/scene/ScriptEditor.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MString.h>

#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace vex::host::file {

namespace {

using command::CommandCall;
using command::Value;

// The commands scene files are made of; anything else (a new scene, loading plug-ins, a shell) is
// refused, since opening a file must not do more than build a scene.
bool Allowed(const std::string& name) {
    static const std::set<std::string> names = {
        "requires", "fileInfo", "currentUnit", "upAxis",         "createNode",
        "setAttr",  "addAttr",  "connectAttr", "disconnectAttr", "select",
        "parent",   "sets",     "currentTime", "playbackOptions"};
    return names.count(name) > 0;
}

// An anim curve's settings and key tangent lists (".tan", ".kit[0:n]", ...; see CurveAttributeText),
// which go to the curve's data rather than to attributes of the node.
std::optional<bool> ApplyCurveAttribute(const CommandCall& call, std::string& error) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        if (call.args[i].isFlag) {
            const std::string flag = call.args[i].value.AsString();
            if ((flag == "-s" || flag == "-size") && i + 1 < call.args.size()) ++i;
            continue;
        }
        words.push_back(call.args[i].value.AsString());
    }
    if (words.empty()) return std::nullopt;
    const auto plug = builtins::PlugName::Parse(words[0]);
    if (!plug || !CurveAttributeText::Handles(plug->attribute)) return std::nullopt;

    NodePtr node = plug->node.empty() ? builtins::SessionState::get().CurrentNode()
                                      : Scene::Instance().findNode(plug->node);
    const auto curve = node ? AnimCurveData::Of(*node) : nullptr;
    if (!curve) return std::nullopt; // another node's attribute of the same name
    AnimCurveData edited = *curve;
    const std::size_t first = plug->hasRange ? static_cast<std::size_t>(plug->first) : 0;
    if (!CurveAttributeText::Apply(edited, plug->attribute, first, std::span(words).subspan(1),
                                   builtins::ValueKindOf(*node), error)) {
        error = node->name() + ": " + error;
        return false;
    }
    builtins::ReplaceCurve(curve, edited);
    return true;
}

// Runs a registered command for the file. Unlike commands run by the engine, those a file is read with
// never enter the undo queue and send no command messages: reading a file is one operation.
bool RunCommand(const CommandCall& call, Value& result, std::string& error) {
    if (const builtins::CommandFunction body = builtins::BuiltinBody(call.name)) {
        // A built-in runs on the call as parsed; the read's own journal takes a failure back.
        Value& slot = CommandEngine::get().CurrentResult();
        const Value saved = slot;
        slot = Value();
        builtins::CommandContext context(call, slot);
        const bool ok = body(context);
        result = slot;
        slot = saved;
        if (!ok) error = context.error;
        return ok;
    }
    const CommandRegistry::Creator creator = CommandRegistry::get().Find(call.name);
    if (!creator) {
        error = "Cannot find procedure \"" + call.name + "\".";
        return false;
    }
    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(creator()));
    command->setCommandString(MString(CommandEngine::CallText(call)));
    MArgList args;
    for (const command::Argument& arg : call.args) args.addArg(MString(arg.value.AsString()));
    // The command answers through the engine's current result, which belongs to whoever runs the read.
    Value& slot = CommandEngine::get().CurrentResult();
    const Value saved = slot;
    slot = Value();
    const MStatus status = command->doIt(args);
    result = slot;
    slot = saved;
    if (!status) error = StatusText(status);
    return static_cast<bool>(status);
}

// A key list the scanner took out of the text: its numbers go to the curve made last. A check sets
// them too (its journal takes them back), since the curve's tangent and lock lists that follow are
// checked against its keys.
bool ApplyKeyList(const CommandCall& call, const std::vector<std::vector<double>>& lists,
                  std::string& error) {
    // The index is the scanner's own; a file that calls the name itself gets no list it did not have.
    const double asked = call.args.size() == 1 ? call.args[0].value.AsDouble() : -1.0;
    if (!(asked >= 0.0 && asked < static_cast<double>(lists.size()))) {
        error = "Cannot find procedure \"" + call.name + "\".";
        return false;
    }
    const NodePtr node = builtins::SessionState::get().CurrentNode();
    if (!node) {
        error = "No object matches name: .ktv";
        return false;
    }
    const auto& numbers = lists[static_cast<std::size_t>(asked)];
    return builtins::SetCurveKeys(*node, numbers, error);
}

// Runs one call of the file with its names mapped.
bool RunCall(NameMapper& mapper, const CommandCall& call, Value& result, std::string& error) {
    if (!Allowed(call.name)) {
        error = "\"" + call.name + "\" is not a command scene files may use.";
        return false;
    }
    CommandCall mapped = call;
    if (!mapper.Rewrite(mapped)) return true;
    if (mapped.name == "setAttr")
        if (auto handled = ApplyCurveAttribute(mapped, error)) return *handled;
    if (!RunCommand(mapped, result, error)) return false;
    mapper.Learn(call, result);
    return true;
}

} // namespace

std::string SceneReader::FreeNamespace(const std::string& wanted) {
    auto used = [](const std::string& ns) {
        for (const auto& node : Scene::Instance().nodes())
            if (node->name().rfind(ns + ":", 0) == 0) return true;
        return false;
    };
    if (wanted.empty() || !used(wanted)) return wanted;
    for (int n = 1;; ++n)
        if (!used(wanted + std::to_string(n))) return wanted + std::to_string(n);
}

bool SceneReader::Read(const std::string& text, Mode mode, const std::string& nameSpace,
                       command::ScriptError& error) {
    return Read(KeyListScanner::Scan(text), mode, nameSpace, error);
}

bool SceneReader::Read(const KeyListScanner::Result& scanned, Mode mode, const std::string& nameSpace,
                       command::ScriptError& error) {
    CommandEngine::get(); // the built-in commands are registered with the engine
    Scene& scene = Scene::Instance();
    const SettingsSnapshot before;
    std::optional<SceneEvents::Mute> mute;
    if (mode == Mode::kCheck) mute.emplace();

    scene.BeginJournal();
    if (mode == Mode::kCheck) DefaultNodes::ReplaceScene();
    if (mode != Mode::kImport) builtins::SessionState::get().ClearFileRecords();
    builtins::SessionState::get().SetCurrentNode(nullptr);

    NameMapper mapper(mode == Mode::kImport ? nameSpace : std::string(), mode == Mode::kImport);
    command::Interpreter interpreter;
    interpreter.SetStepLimit(kStepLimit);
    interpreter.SetOutput(
        [](const std::string& line) { ScriptEditor::get().Write(ScriptEditor::Kind::kInfo, line); });
    interpreter.SetFallback([&](const CommandCall& call, Value& result, std::string& reason) {
        if (call.name == KeyListScanner::kCallName) return ApplyKeyList(call, scanned.keyLists, reason);
        return RunCall(mapper, call, result, reason);
    });
    Value last;
    const bool ok = interpreter.Run(scanned.text, last, error);
    const std::shared_ptr<Journal> journal = scene.EndJournal();

    if (!ok || mode == Mode::kCheck) journal->undo(scene);
    builtins::SessionState::get().SetCurrentNode(nullptr);
    if (!ok || mode != Mode::kOpen) before.restore();
    // A scene just opened has nothing selected.
    if (ok && mode == Mode::kOpen) scene.SetSelection({});
    return ok;
}

} // namespace vex::host::file
