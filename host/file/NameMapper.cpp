#include "host/file/NameMapper.h"

#include <algorithm>
#include <set>

namespace vex::host::file {

namespace {

using command::Argument;
using command::CommandCall;

bool IsFlag(const Argument& arg) {
    return arg.isFlag;
}

// The flags of "sets" that are followed by one value (the other commands mapped here have none).
const std::set<std::string>& SetsValueFlags() {
    static const std::set<std::string> flags = {"-n",   "-name", "-fe",    "-forceElement",
                                                "-add", "-rm",   "-remove"};
    return flags;
}

// Flags followed by an optional truth word ("-l on").
bool TakesTruth(const std::string& flag) {
    return flag == "-l" || flag == "-lock" || flag == "-k" || flag == "-keyable" || flag == "-cb" ||
           flag == "-channelBox";
}

bool IsTruthWord(const std::string& word) {
    static const std::set<std::string> words = {"true", "false", "on", "off", "yes", "no", "1", "0"};
    return words.count(word) > 0;
}

// Indices of the arguments that are neither flags nor flag values: setAttr's flags, or the flags in
// `valueFlags`.
std::vector<std::size_t> Positionals(const CommandCall& call, bool setAttrFlags,
                                     const std::set<std::string>& valueFlags = {}) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        if (!IsFlag(call.args[i])) {
            found.push_back(i);
            continue;
        }
        const std::string flag = call.args[i].value.AsString();
        const bool hasNext = i + 1 < call.args.size() && !IsFlag(call.args[i + 1]);
        if (!hasNext) continue;
        if (setAttrFlags && (flag == "-type" || flag == "-typ" || flag == "-s" || flag == "-size" ||
                             flag == "-ch" || flag == "-capacityHint")) {
            ++i;
        } else if (setAttrFlags && TakesTruth(flag)) {
            if (IsTruthWord(call.args[i + 1].value.AsString())) ++i;
        } else if (!setAttrFlags && valueFlags.count(flag)) {
            ++i;
        }
    }
    return found;
}

void Replace(Argument& arg, const std::string& text) {
    arg.value = command::Value::String(text);
}

bool IsRootName(const std::string& text) {
    return !text.empty() && text[0] == ':';
}

} // namespace

std::optional<std::size_t> NameMapper::SetAttrPlug(const CommandCall& call) {
    const auto words = Positionals(call, true);
    if (words.empty()) return std::nullopt;
    return words.front();
}

std::optional<std::size_t> NameMapper::AddAttrNode(const CommandCall& call) {
    // The node, when named, is the last argument and follows a value rather than a flag.
    const std::size_t n = call.args.size();
    if (n >= 2 && !IsFlag(call.args[n - 1]) && !IsFlag(call.args[n - 2])) return n - 1;
    return std::nullopt;
}

std::string NameMapper::MapName(const std::string& name) const {
    if (IsRootName(name)) return name.substr(1);
    if (auto it = defined_.find(name); it != defined_.end()) return it->second;
    return nameSpace_.empty() || name.empty() ? name : nameSpace_ + ":" + name;
}

std::string NameMapper::MapPath(const std::string& path) const {
    if (path.find('|') == std::string::npos) return MapName(path);
    std::string mapped;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t bar = path.find('|', start);
        const std::string part =
            path.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        mapped += part.empty() ? part : MapName(part);
        if (bar == std::string::npos) break;
        mapped += '|';
        start = bar + 1;
    }
    return mapped;
}

std::string NameMapper::MapPlug(const std::string& plug) const {
    const std::size_t dot = plug.find('.');
    if (dot == 0 || dot == std::string::npos) return plug;
    return MapPath(plug.substr(0, dot)) + plug.substr(dot);
}

bool NameMapper::Rewrite(CommandCall& call) const {
    const std::string& name = call.name;
    // An import brings nodes, not the settings of the scene it came from.
    if (importing_ && (name == "currentTime" || name == "playbackOptions" || name == "upAxis")) return false;

    if (name == "createNode") {
        for (std::size_t i = 0; i + 1 < call.args.size(); ++i) {
            if (!IsFlag(call.args[i])) continue;
            const std::string flag = call.args[i].value.AsString();
            Argument& value = call.args[i + 1];
            if (flag == "-n" || flag == "-name") Replace(value, MapName(value.value.AsString()));
            if (flag == "-p" || flag == "-parent") Replace(value, MapPath(value.value.AsString()));
        }
        return true;
    }
    if (name == "setAttr") {
        const auto at = SetAttrPlug(call);
        if (!at) return true;
        Argument& plug = call.args[*at];
        // The scene's own nodes keep their settings when another scene is imported into it.
        if (importing_ && IsRootName(plug.value.AsString())) return false;
        Replace(plug, MapPlug(plug.value.AsString()));
        return true;
    }
    if (name == "addAttr") {
        if (const auto at = AddAttrNode(call))
            Replace(call.args[*at], MapName(call.args[*at].value.AsString()));
        return true;
    }
    const bool plugs = name == "connectAttr" || name == "disconnectAttr";
    const bool nodes = name == "select" || name == "parent" || name == "sets" || name == "delete";
    if (plugs || nodes) {
        for (std::size_t i :
             Positionals(call, false, name == "sets" ? SetsValueFlags() : std::set<std::string>{})) {
            const std::string text = call.args[i].value.AsString();
            Replace(call.args[i], plugs ? MapPlug(text) : MapPath(text));
        }
        if (name == "sets")
            for (std::size_t i = 0; i + 1 < call.args.size(); ++i) {
                const std::string flag = call.args[i].value.AsString();
                if (IsFlag(call.args[i]) && SetsValueFlags().count(flag) && flag != "-n" && flag != "-name")
                    Replace(call.args[i + 1], MapName(call.args[i + 1].value.AsString()));
            }
    }
    return true;
}

void NameMapper::Learn(const CommandCall& original, const command::Value& result) {
    if (original.name != "createNode") return;
    for (std::size_t i = 0; i + 1 < original.args.size(); ++i) {
        const std::string flag = original.args[i].value.AsString();
        if (original.args[i].isFlag && (flag == "-n" || flag == "-name")) {
            const std::string written = original.args[i + 1].value.AsString();
            if (!written.empty() && !IsRootName(written)) defined_[written] = result.AsString();
        }
    }
}

} // namespace vex::host::file
