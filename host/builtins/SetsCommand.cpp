#include "host/builtins/SetsCommand.h"

#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/scene/Scene.h"

namespace vex::host::builtins {

bool setsCommand(CommandContext& context) {
    Scene& scene = Scene::instance();
    const auto words = context.positional(
        {{"-n", 1}, {"-name", 1}, {"-fe", 1}, {"-forceElement", 1}, {"-add", 1}, {"-rm", 1}, {"-remove", 1}});
    std::vector<NodePtr> members;
    for (const auto& word : words) {
        const auto found = nodesMatching(word);
        if (found.empty()) return context.fail("No object matches name: " + word);
        members.insert(members.end(), found.begin(), found.end());
    }
    if (words.empty() && !context.has("-em", "-empty")) members = scene.selection();

    const bool force = context.has("-fe", "-forceElement");
    const bool add = context.has("-add", "-add");
    const bool remove = context.has("-rm", "-remove");
    if (force || add || remove) {
        const std::string name = force ? context.text("-fe", "-forceElement")
                                 : add ? context.text("-add", "-add")
                                       : context.text("-rm", "-remove");
        NodePtr set = requireNode(context, name);
        if (!set) return false;
        if (!set->hasFn(MFn::kSet)) return context.fail(name + " is not a set.");
        for (const auto& member : members) {
            if (remove) {
                scene.removeMember(set, member);
                continue;
            }
            // A shape is shaded by one shading group at a time: forcing it into one takes it out of
            // the others.
            if (force && set->hasFn(MFn::kShadingEngine))
                for (const auto& other : scene.nodes())
                    if (other != set && other->hasFn(MFn::kShadingEngine) && other->isMember(*member))
                        scene.removeMember(other, member);
            if (!scene.addMember(set, member))
                return context.fail("Cannot add " + member->name() + " to " + name + ".");
        }
        return true;
    }
    NodePtr set = scene.makeNode("objectSet", context.text("-n", "-name"));
    if (!set || !scene.insertNode(set)) return context.fail("Cannot create a set.");
    for (const auto& member : members) scene.addMember(set, member);
    context.result = command::Value::String(set->name());
    return true;
}

} // namespace vex::host::builtins
