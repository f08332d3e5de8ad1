#include "host/file/SceneReader.h"

#include "host/builtins/CommandContext.h"
#include "host/builtins/CurveKeys.h"
#include "host/builtins/Install.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/SessionState.h"
#include "host/command/Interpreter.h"
#include "host/file/DefaultNodes.h"
#include "host/file/KeyListScanner.h"
#include "host/file/NameMapper.h"
#include "host/file/SettingsSnapshot.h"
#include "host/file/StatusText.h"
#include "host/file/TangentCodes.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/SceneEvents.h"
#include "host/scene/ScriptEditor.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MString.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <set>

namespace vex::host::file {

namespace {

using command::CommandCall;
using command::Value;

// The commands scene files are made of; anything else (a new scene, loading plug-ins, a shell) is
// refused, since opening a file must not do more than build a scene.
bool allowed(const std::string& name) {
    static const std::set<std::string> names = {
        "requires", "fileInfo", "currentUnit", "upAxis",         "createNode",
        "setAttr",  "addAttr",  "connectAttr", "disconnectAttr", "select",
        "parent",   "sets",     "currentTime", "playbackOptions"};
    return names.count(name) > 0;
}

// Key tangent lists (".kit[0:n]", ".kot[0:n]"): set the in or out tangent types of a curve's keys.
std::optional<bool> applyTangents(const CommandCall& call, std::string& error) {
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
    const auto plug = builtins::PlugName::parse(words[0]);
    if (!plug) return std::nullopt;
    const bool in = plug->attribute == "kit" || plug->attribute == "keyTanInType";
    const bool out = plug->attribute == "kot" || plug->attribute == "keyTanOutType";
    if (!in && !out) return std::nullopt;

    NodePtr node = plug->node.empty() ? builtins::SessionState::get().currentNode()
                                      : Scene::instance().findNode(plug->node);
    const auto curve = node ? AnimCurveData::of(*node) : nullptr;
    if (!curve) {
        error = "No anim curve matches name: " + words[0];
        return false;
    }
    std::vector<AnimCurveData::Key> keys = curve->keys();
    const std::size_t first = plug->hasRange ? static_cast<std::size_t>(plug->first) : 0;
    for (std::size_t i = 1; i < words.size(); ++i) {
        char* end = nullptr;
        const long code = std::strtol(words[i].c_str(), &end, 10);
        const auto tangent = TangentCodes::fromFile(static_cast<int>(code));
        const std::size_t index = first + i - 1;
        if (*end != '\0' || !tangent) {
            error = "\"" + words[i] + "\" is not a tangent type.";
            return false;
        }
        if (index >= keys.size()) {
            error = "The curve " + node->name() + " has no key " + std::to_string(index) + ".";
            return false;
        }
        (in ? keys[index].in : keys[index].out) = *tangent;
    }
    builtins::replaceCurveKeys(curve, std::move(keys));
    return true;
}

// Runs a registered command for the file. Unlike commands run by the engine, those a file is read with
// never enter the undo queue and send no command messages: reading a file is one operation.
bool runCommand(const CommandCall& call, Value& result, std::string& error) {
    if (const builtins::CommandFunction body = builtins::builtinBody(call.name)) {
        // A built-in runs on the call as parsed; the read's own journal takes a failure back.
        Value& slot = CommandEngine::get().currentResult();
        const Value saved = slot;
        slot = Value();
        builtins::CommandContext context(call, slot);
        const bool ok = body(context);
        result = slot;
        slot = saved;
        if (!ok) error = context.error;
        return ok;
    }
    const CommandRegistry::Creator creator = CommandRegistry::get().find(call.name);
    if (!creator) {
        error = "Cannot find procedure \"" + call.name + "\".";
        return false;
    }
    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(creator()));
    command->setCommandString(MString(CommandEngine::callText(call)));
    MArgList args;
    for (const command::Argument& arg : call.args) args.addArg(MString(arg.value.AsString()));
    // The command answers through the engine's current result, which belongs to whoever runs the read.
    Value& slot = CommandEngine::get().currentResult();
    const Value saved = slot;
    slot = Value();
    const MStatus status = command->doIt(args);
    result = slot;
    slot = saved;
    if (!status) error = statusText(status);
    return static_cast<bool>(status);
}

// A key list the scanner took out of the text: its numbers go to the curve made last. A check only
// asks whether they would: the keys would be taken back with the rest of the check anyway.
bool applyKeyList(const CommandCall& call, const std::vector<std::vector<double>>& lists, bool checkOnly,
                  std::string& error) {
    // The index is the scanner's own; a file that calls the name itself gets no list it did not have.
    const double asked = call.args.size() == 1 ? call.args[0].value.AsDouble() : -1.0;
    if (!(asked >= 0.0 && asked < static_cast<double>(lists.size()))) {
        error = "Cannot find procedure \"" + call.name + "\".";
        return false;
    }
    const NodePtr node = builtins::SessionState::get().currentNode();
    if (!node) {
        error = "No object matches name: .ktv";
        return false;
    }
    const auto& numbers = lists[static_cast<std::size_t>(asked)];
    if (checkOnly) return builtins::canSetCurveKeys(*node, numbers.size(), error);
    return builtins::setCurveKeys(*node, numbers, error);
}

// Runs one call of the file with its names mapped.
bool runCall(NameMapper& mapper, const CommandCall& call, Value& result, std::string& error) {
    if (!allowed(call.name)) {
        error = "\"" + call.name + "\" is not a command scene files may use.";
        return false;
    }
    CommandCall mapped = call;
    if (!mapper.rewrite(mapped)) return true;
    if (mapped.name == "setAttr")
        if (auto handled = applyTangents(mapped, error)) return *handled;
    if (!runCommand(mapped, result, error)) return false;
    mapper.learn(call, result);
    return true;
}

} // namespace

std::string SceneReader::freeNamespace(const std::string& wanted) {
    auto used = [](const std::string& ns) {
        for (const auto& node : Scene::instance().nodes())
            if (node->name().rfind(ns + ":", 0) == 0) return true;
        return false;
    };
    if (wanted.empty() || !used(wanted)) return wanted;
    for (int n = 1;; ++n)
        if (!used(wanted + std::to_string(n))) return wanted + std::to_string(n);
}

bool SceneReader::read(const std::string& text, Mode mode, const std::string& nameSpace,
                       command::ScriptError& error) {
    return read(KeyListScanner::scan(text), mode, nameSpace, error);
}

bool SceneReader::read(const KeyListScanner::Result& scanned, Mode mode, const std::string& nameSpace,
                       command::ScriptError& error) {
    CommandEngine::get(); // the built-in commands are registered with the engine
    Scene& scene = Scene::instance();
    const SettingsSnapshot before;
    std::optional<SceneEvents::Mute> mute;
    if (mode == Mode::Check) mute.emplace();

    scene.beginJournal();
    if (mode == Mode::Check) DefaultNodes::replaceScene();
    if (mode != Mode::Import) builtins::SessionState::get().clearFileRecords();
    builtins::SessionState::get().setCurrentNode(nullptr);

    NameMapper mapper(mode == Mode::Import ? nameSpace : std::string(), mode == Mode::Import);
    command::Interpreter interpreter;
    interpreter.SetStepLimit(kStepLimit);
    interpreter.SetOutput(
        [](const std::string& line) { ScriptEditor::get().write(ScriptEditor::Kind::Info, line); });
    interpreter.SetFallback([&](const CommandCall& call, Value& result, std::string& reason) {
        if (call.name == KeyListScanner::kCallName)
            return applyKeyList(call, scanned.keyLists, mode == Mode::Check, reason);
        return runCall(mapper, call, result, reason);
    });
    Value last;
    const bool ok = interpreter.Run(scanned.text, last, error);
    const std::shared_ptr<Journal> journal = scene.endJournal();

    if (!ok || mode == Mode::Check) journal->undo(scene);
    builtins::SessionState::get().setCurrentNode(nullptr);
    if (!ok || mode != Mode::Open) before.restore();
    // A scene just opened has nothing selected.
    if (ok && mode == Mode::Open) scene.setSelection({});
    return ok;
}

} // namespace vex::host::file
