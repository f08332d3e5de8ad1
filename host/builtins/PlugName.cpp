#include "host/builtins/PlugName.h"

#include "host/builtins/SessionState.h"
#include "host/scene/Scene.h"

#include <cstdlib>

namespace vex::host::builtins {

namespace {

bool ReadInt(const std::string& text, int& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0') return false;
    out = static_cast<int>(value);
    return true;
}

} // namespace

std::optional<PlugName> PlugName::Parse(const std::string& text) {
    PlugName plug;
    std::string body = text;
    if (const auto open = body.find('['); open != std::string::npos) {
        if (body.back() != ']') return std::nullopt;
        const std::string range = body.substr(open + 1, body.size() - open - 2);
        body = body.substr(0, open);
        const auto colon = range.find(':');
        plug.hasRange = true;
        if (colon == std::string::npos) {
            if (!ReadInt(range, plug.first)) return std::nullopt;
            plug.last = plug.first;
        } else if (!ReadInt(range.substr(0, colon), plug.first) ||
                   !ReadInt(range.substr(colon + 1), plug.last)) {
            return std::nullopt;
        }
    }
    const auto dot = body.rfind('.');
    if (dot == std::string::npos || dot + 1 == body.size()) return std::nullopt;
    plug.node = body.substr(0, dot);
    plug.attribute = body.substr(dot + 1);
    return plug;
}

NodePtr RequireNode(CommandContext& context, const std::string& name) {
    NodePtr node = Scene::Instance().findNode(!name.empty() && name[0] == ':' ? name.substr(1) : name);
    if (!node) context.Fail("No object matches name: " + name);
    return node;
}

NodePtr RequirePlugNode(CommandContext& context, const PlugName& plug, const std::string& text) {
    NodePtr node =
        plug.node.empty() ? SessionState::get().CurrentNode() : Scene::Instance().findNode(plug.node);
    if (!node) context.Fail("No object matches name: " + text);
    return node;
}

std::optional<ResolvedPlug> RequirePlug(CommandContext& context, const std::string& text) {
    const auto name = PlugName::Parse(text);
    if (!name) {
        context.Fail("No object matches name: " + text);
        return std::nullopt;
    }
    NodePtr node = RequirePlugNode(context, *name, text);
    if (!node) return std::nullopt;
    AttributePtr attribute = node->FindAttribute(name->attribute);
    if (!attribute) {
        context.Fail("No object matches name: " + text);
        return std::nullopt;
    }
    return ResolvedPlug{node, attribute, *name};
}

} // namespace vex::host::builtins
