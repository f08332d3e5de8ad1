#include "host/builtins/SelectionCommands.h"

#include "host/builtins/SessionState.h"
#include "host/builtins/StateChange.h"
#include "host/scene/Scene.h"

#include <algorithm>

namespace vex::host::builtins {

using command::Value;

bool MatchesPattern(const std::string& pattern, const std::string& name) {
    // Iterative wildcard match with backtracking to the last "*".
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (star != std::string::npos && name[mark] != '|') {
            // "*" runs within one name of a path, never across a "|".
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<NodePtr> NodesMatching(const std::string& written) {
    Scene& scene = Scene::Instance();
    // A leading ":" names the root namespace, which every name here is in.
    const std::string pattern = !written.empty() && written[0] == ':' ? written.substr(1) : written;
    if (pattern.find('*') == std::string::npos) {
        if (NodePtr node = scene.findNode(pattern)) return {node};
        return {};
    }
    const bool byPath = pattern.find('|') != std::string::npos;
    std::vector<NodePtr> found;
    for (const auto& node : scene.nodes())
        if (MatchesPattern(pattern, byPath ? node->FullPathName() : node->name())) found.push_back(node);
    return found;
}

void ChangeSelection(const std::vector<NodePtr>& nodes) {
    Scene& scene = Scene::Instance();
    std::vector<NodePtr> before = scene.Selection();
    if (before == nodes) return;
    StateChange::Apply([nodes] { Scene::Instance().SetSelection(nodes); },
                       [before] { Scene::Instance().SetSelection(before); });
}

bool SelectCommand(CommandContext& context) {
    std::vector<NodePtr> named;
    for (const auto& word : context.Positional({})) {
        const auto found = NodesMatching(word);
        if (found.empty()) return context.Fail("No object matches name: " + word);
        named.insert(named.end(), found.begin(), found.end());
    }
    std::vector<NodePtr> selection = Scene::Instance().Selection();
    auto contains = [](const std::vector<NodePtr>& list, const NodePtr& node) {
        return std::find(list.begin(), list.end(), node) != list.end();
    };
    if (context.Has("-cl", "-clear")) {
        selection.clear();
    } else if (context.Has("-d", "-deselect")) {
        selection.erase(std::remove_if(selection.begin(), selection.end(),
                                       [&](const NodePtr& node) { return contains(named, node); }),
                        selection.end());
    } else {
        // -add keeps the selection; -r (the default) replaces it. -ne only matters for sets, which are
        // selected as themselves here in any case.
        if (!context.Has("-add", "-add")) selection.clear();
        for (const auto& node : named)
            if (!contains(selection, node)) selection.push_back(node);
    }
    ChangeSelection(selection);
    // As in scene files, the last node named becomes the node that ".attr" plugs refer to.
    if (!named.empty()) SessionState::get().SetCurrentNode(named.back());
    return true;
}

namespace {

bool IsOfType(const NodeType* type, const std::string& name) {
    for (; type; type = type->parent().get())
        if (type->name() == name) return true;
    return false;
}

} // namespace

bool LsCommand(CommandContext& context) {
    Scene& scene = Scene::Instance();
    std::vector<std::string> types;
    for (std::size_t i = 0; i + 1 < context.call.args.size(); ++i) {
        const auto& arg = context.call.args[i];
        if (arg.isFlag && (arg.value.AsString() == "-type" || arg.value.AsString() == "-typ"))
            types.push_back(context.call.args[i + 1].value.AsString());
    }
    const auto patterns = context.Positional({{"-type", 1}, {"-typ", 1}});
    std::vector<NodePtr> candidates = context.Has("-sl", "-selection") ? scene.Selection() : scene.nodes();
    std::vector<NodePtr> listed;
    for (const auto& node : candidates) {
        if (!types.empty() && std::none_of(types.begin(), types.end(),
                                           [&](const std::string& t) { return IsOfType(&node->type(), t); }))
            continue;
        if (!patterns.empty() && std::none_of(patterns.begin(), patterns.end(), [&](const std::string& p) {
                const auto matching = NodesMatching(p);
                return std::find(matching.begin(), matching.end(), node) != matching.end();
            }))
            continue;
        listed.push_back(node);
    }
    const bool full = context.Has("-l", "-long");
    std::vector<std::string> names;
    for (const auto& node : listed)
        names.push_back(full ? node->FullPathName() : scene.partialPathName(*node));
    context.result = Value::StringArray(names);
    return true;
}

std::optional<std::vector<NodePtr>> NamedOrSelected(CommandContext& context,
                                                    const std::vector<std::string>& words) {
    if (words.empty()) return Scene::Instance().Selection();
    std::vector<NodePtr> nodes;
    for (const auto& word : words) {
        const auto found = NodesMatching(word);
        if (found.empty()) return context.Fail("No object matches name: " + word), std::nullopt;
        nodes.insert(nodes.end(), found.begin(), found.end());
    }
    return nodes;
}

} // namespace vex::host::builtins
