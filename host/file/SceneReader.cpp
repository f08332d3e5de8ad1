#include "host/file/SceneReader.h"

#include "host/builtins/CommandContext.h"
#include "host/builtins/CurveKeys.h"
#include "host/builtins/Install.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/SessionState.h"
#include "host/builtins/Units.h"
#include "host/command/Interpreter.h"
#include "host/file/CurveAttributeText.h"
#include "host/file/DefaultNodes.h"
#include "host/file/KeyListScanner.h"
#include "host/file/LineKeeper.h"
#include "host/file/NameMapper.h"
#include "host/file/SettingsSnapshot.h"
#include "host/file/StatusText.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/OpaqueNodeTypes.h"
#include "host/scene/Scene.h"
#include "host/scene/SceneEvents.h"
#include "host/scene/ScriptEditor.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MString.h>

#include <algorithm>
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
                                   builtins::units::CurveValueKind(*node), error)) {
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

// Whether a file's text is whole: the host ends every file with a "// End of" comment. A text of no
// statements at all is an empty scene, whole as it is.
bool Complete(std::string_view text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return true;
    return text.rfind("// End of ") != std::string_view::npos;
}

// Statements of the host's files the embedded host keeps as written without running them: node
// uuids ("rename -uid"), node locks, relationships (light links) and data structure declarations.
bool KeptUnrun(const CommandCall& call) {
    if (call.name == "rename") return call.HasFlag("-uid", "-uuid");
    return call.name == "lockNode" || call.name == "relationship" || call.name == "dataStructure";
}

// The node a plug's text names in the scene (its ":" dropped), or null.
NodePtr PlugNode(const std::string& text) {
    const auto plug = builtins::PlugName::Parse(text);
    if (!plug || plug->node.empty()) return nullptr;
    return Scene::Instance().findNode(plug->node[0] == ':' ? plug->node.substr(1) : plug->node);
}

// Whether a plug's text names one of the attributes, with or without an index.
bool PlugIs(const std::string& text, std::initializer_list<const char*> names) {
    const auto plug = builtins::PlugName::Parse(text);
    return plug &&
           std::any_of(names.begin(), names.end(), [&](const char* name) { return plug->attribute == name; });
}

// Set membership as the host writes it: "X.iog" (a DAG member) or "X.msg" (any other member)
// connected to the set's "dsm" or "dnsm" with -na. Answers whether the call was one.
bool ApplyMembership(const CommandCall& call) {
    const auto words = call.Positional();
    if (words.size() != 2) return false;
    const std::string from = words[0].AsString(), to = words[1].AsString();
    const bool dag = PlugIs(from, {"iog", "instObjGroups"}) && PlugIs(to, {"dsm", "dagSetMembers"});
    const bool other = PlugIs(from, {"msg", "message"}) && PlugIs(to, {"dnsm", "dnSetMembers"});
    const NodePtr member = PlugNode(from), set = PlugNode(to);
    if (!(dag || other) || !member || !set || !set->HasFn(MFn::kSet)) return false;
    Scene::Instance().AddMember(set, member); // a member already there stays once
    return true;
}

// One read's running of the file's calls: the names mapped, the lines the host does not interpret
// kept, the shared nodes merged.
class FileRun {
public:
    FileRun(SceneReader::Mode mode, const std::string& nameSpace, std::string_view text)
        : mode_(mode), mapper_(mode == SceneReader::Mode::kImport ? nameSpace : std::string(),
                               mode == SceneReader::Mode::kImport),
          keeper_(text) {}

    bool Call(const CommandCall& call, Value& result, std::string& error) {
        if (KeptUnrun(call)) {
            // Relationships and data structures are the scene's; uuids and locks the node's.
            if (call.name == "relationship" || call.name == "dataStructure")
                keeper_.Keep(nullptr, call);
            else
                keeper_.KeepHere(call);
            return true;
        }
        if (!Allowed(call.name)) {
            error = "\"" + call.name + "\" is not a command scene files may use.";
            return false;
        }
        if (call.name == "createNode") return Create(call, result, error);
        if (call.name == "select" && call.HasFlag("-ne", "-noExpand"))
            return SelectNoExpand(call, result, error);
        if (AboutContext(call)) {
            switch (keeper_.GetContext()) {
            case LineKeeper::Context::kNode:
                break;
            case LineKeeper::Context::kMissing:
                keeper_.Keep(nullptr, call);
                return true;
            case LineKeeper::Context::kSkipped:
                return true;
            case LineKeeper::Context::kConfiguration:
                return Configure(call, error);
            }
        }
        CommandCall mapped = call;
        if (!mapper_.Rewrite(mapped)) return true;
        if (mapped.name == "connectAttr" && ApplyMembership(mapped)) return true;
        if (mapped.name == "setAttr")
            if (auto handled = ApplyCurveAttribute(mapped, error)) {
                if (*handled) return true;
                WarnKept(call, error); // the curve's own setting: its value is not the file's
                return KeepFailed(call, mapped, error);
            }
        if (!RunCommand(mapped, result, error)) return KeepFailed(call, mapped, error);
        mapper_.Learn(call, result);
        return true;
    }

private:
    // Whether the call is about the context's node: a setAttr of a ".attr" plug, an addAttr naming no
    // node.
    static bool AboutContext(const CommandCall& call) {
        if (call.name == "setAttr") {
            const auto at = NameMapper::SetAttrPlug(call);
            return at && call.args[*at].value.AsString().rfind('.', 0) == 0;
        }
        return call.name == "addAttr" && !NameMapper::AddAttrNode(call);
    }

    static std::string NameFlag(const CommandCall& call) {
        const int at = call.FlagIndex("-n", "-name");
        const auto index = static_cast<std::size_t>(at + 1);
        return at >= 0 && index < call.args.size() ? call.args[index].value.AsString() : std::string();
    }

    bool Create(const CommandCall& call, Value& result, std::string& error) {
        const auto words = call.Positional({{"-n", 1}, {"-name", 1}, {"-p", 1}, {"-parent", 1}});
        const std::string type = words.empty() ? std::string() : words[0].AsString();
        const std::string name = NameFlag(call);
        // The host writes the playback range in this node's script; it is read, and written anew.
        if (type == "script" && name == "sceneConfigurationScriptNode") {
            keeper_.SetContext(LineKeeper::Context::kConfiguration);
            return true;
        }
        // A shared node an import finds in the scene stays as the scene has it.
        if (mode_ == SceneReader::Mode::kImport && call.HasFlag("-s", "-shared")) {
            if (const NodePtr existing = Scene::Instance().findNode(name)) {
                keeper_.SetContext(LineKeeper::Context::kSkipped);
                mapper_.Learn(call, Value::String(existing->name()));
                return true;
            }
        }
        CommandCall mapped = call;
        mapper_.Rewrite(mapped);
        if (!RunCommand(mapped, result, error)) return false;
        mapper_.Learn(call, result);
        keeper_.SetContext(LineKeeper::Context::kNode);
        return true;
    }

    bool SelectNoExpand(const CommandCall& call, Value& result, std::string& error) {
        CommandCall mapped = call;
        if (!mapper_.Rewrite(mapped)) return true;
        const auto words = mapped.Positional();
        const auto matches =
            words.size() == 1 ? builtins::NodesMatching(words[0].AsString()) : std::vector<NodePtr>();
        const NodePtr found = matches.empty() ? nullptr : matches.front();
        if (!found) {
            builtins::SessionState::get().SetCurrentNode(nullptr);
            keeper_.SetContext(mode_ == SceneReader::Mode::kImport ? LineKeeper::Context::kSkipped
                                                                   : LineKeeper::Context::kMissing);
            keeper_.Keep(nullptr, call);
            return true;
        }
        if (mode_ == SceneReader::Mode::kImport && call.Positional()[0].AsString().rfind(':', 0) == 0) {
            keeper_.SetContext(LineKeeper::Context::kSkipped);
            return true;
        }
        if (!RunCommand(mapped, result, error)) return false;
        builtins::SessionState::get().SetCurrentNode(found);
        keeper_.SetContext(LineKeeper::Context::kNode);
        return true;
    }

    // A line of the scene configuration node: its script (".b") gives the playback range; the rest is
    // what every such node has.
    bool Configure(const CommandCall& call, std::string& error) {
        const auto at = NameMapper::SetAttrPlug(call);
        if (call.name != "setAttr" || !at || !PlugIs(call.args[*at].value.AsString(), {"b", "before"}))
            return true;
        const auto words = call.Positional({{"-type", 1}, {"-typ", 1}});
        if (words.size() != 2) return true;
        command::Interpreter script;
        script.SetStepLimit(SceneReader::kStepLimit);
        script.SetFallback([this](const CommandCall& inner, Value& result, std::string& reason) {
            if (inner.name != "playbackOptions") return true; // the script's other settings are the host's
            CommandCall mapped = inner;
            return !mapper_.Rewrite(mapped) || RunCommand(mapped, result, reason);
        });
        Value ignored;
        command::ScriptError scriptError;
        if (script.Run(words[1].AsString(), ignored, scriptError)) return true;
        error = "The playback range cannot be read: " + scriptError.Format();
        return false;
    }

    // Says on the warning output that a line about something the host knows did not apply (a check
    // only asks whether the file reads, and says nothing).
    void WarnKept(const CommandCall& call, const std::string& error) const {
        if (mode_ == SceneReader::Mode::kCheck) return;
        ScriptEditor::get().Write(ScriptEditor::Kind::kWarning, "line " + std::to_string(call.line) + ": " +
                                                                    error +
                                                                    " The line is kept as the file has it.");
    }

    // A statement that did not run is kept, with the node it is about when the scene has it. One about a
    // known attribute of a known node says so on the warning output: its value is not the scene's.
    bool KeepFailed(const CommandCall& call, const CommandCall& mapped, std::string& error) {
        const bool keeps = mapped.name == "setAttr" || mapped.name == "addAttr" ||
                           mapped.name == "connectAttr" || mapped.name == "disconnectAttr";
        const auto plugAt = NameMapper::SetAttrPlug(mapped);
        if (!keeps || (mapped.name == "setAttr" && !plugAt)) return false;
        NodePtr node;
        if (mapped.name == "setAttr") {
            const std::string plug = mapped.args[*plugAt].value.AsString();
            node = plug.rfind('.', 0) == 0 ? builtins::SessionState::get().CurrentNode() : PlugNode(plug);
            if (node) {
                const auto name = builtins::PlugName::Parse(plug);
                if (name && node->FindAttribute(name->attribute) && !OpaqueNodeTypes::Contains(node->type()))
                    WarnKept(call, error);
            }
        } else if (mapped.name == "addAttr") {
            node = AboutContext(mapped) ? builtins::SessionState::get().CurrentNode()
                                        : Scene::Instance().findNode(
                                              mapped.args[*NameMapper::AddAttrNode(mapped)].value.AsString());
        }
        error.clear();
        keeper_.Keep(node, call);
        return true;
    }

    SceneReader::Mode mode_;
    NameMapper mapper_;
    LineKeeper keeper_;
};

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
    // A file opened replaces a scene that is gone, and its undo with it.
    if (mode == Mode::kOpen) builtins::SessionState::get().ForgetNodeRecords();
    builtins::SessionState::get().SetCurrentNode(nullptr);

    const OpaqueNodeTypes::Scope opaqueTypes;
    FileRun run(mode, nameSpace, scanned.text);
    command::Interpreter interpreter;
    interpreter.SetStepLimit(kStepLimit);
    interpreter.SetOutput(
        [](const std::string& line) { ScriptEditor::get().Write(ScriptEditor::Kind::kInfo, line); });
    interpreter.SetFallback([&](const CommandCall& call, Value& result, std::string& reason) {
        if (call.name == KeyListScanner::kCallName) return ApplyKeyList(call, scanned.keyLists, reason);
        return run.Call(call, result, reason);
    });
    Value last;
    const bool ok = interpreter.Run(scanned.text, last, error);
    if (ok && mode != Mode::kCheck && !Complete(scanned.text))
        ScriptEditor::get().Write(ScriptEditor::Kind::kWarning,
                                  "The scene file is incomplete: it ends before its \"// End of\" line.");
    const std::shared_ptr<Journal> journal = scene.EndJournal();

    if (!ok || mode == Mode::kCheck) journal->undo(scene);
    builtins::SessionState::get().SetCurrentNode(nullptr);
    if (!ok || mode != Mode::kOpen) before.restore();
    // A scene just opened has nothing selected.
    if (ok && mode == Mode::kOpen) scene.SetSelection({});
    return ok;
}

} // namespace vex::host::file
