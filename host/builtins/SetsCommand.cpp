#include "host/builtins/SetsCommand.h"

#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/scene/Scene.h"

namespace vex::host::builtins {

bool SetsCommand(CommandContext& context) {
    Scene& scene = Scene::Instance();
    const auto words = context.Positional(
        {{"-n", 1}, {"-name", 1}, {"-fe", 1}, {"-forceElement", 1}, {"-add", 1}, {"-rm", 1}, {"-remove", 1}});
    std::vector<NodePtr> members;
    for (const auto& word : words) {
        const auto found = NodesMatching(word);
        if (found.empty()) return context.Fail("No object matches name: " + word);
        members.insert(members.end(), found.begin(), found.end());
    }
    if (words.empty() && !context.Has("-em", "-empty")) members = scene.Selection();

    const bool force = context.Has("-fe", "-forceElement");
    const bool add = context.Has("-add", "-add");
    const bool remove = context.Has("-rm", "-remove");
    if (force || add || remove) {
        const std::string name = force ? context.text("-fe", "-forceElement")
                                 : add ? context.text("-add", "-add")
                                       : context.text("-rm", "-remove");
        NodePtr set = RequireNode(context, name);
        if (!set) return false;
        if (!set->HasFn(MFn::kSet)) return context.Fail(name + " is not a set.");
        for (const auto& member : members) {
            if (remove) {
                scene.RemoveMember(set, member);
                continue;
            }
            // A shape is shaded by one shading group at a time: forcing it into one takes it out of
            // the others.
            if (force && set->HasFn(MFn::kShadingEngine))
                for (const auto& other : scene.nodes())
                    if (other != set && other->HasFn(MFn::kShadingEngine) && other->IsMember(*member))
                        scene.RemoveMember(other, member);
            if (!scene.AddMember(set, member))
                return context.Fail("Cannot add " + member->name() + " to " + name + ".");
        }
        return true;
    }
    NodePtr set = scene.MakeNode("objectSet", context.text("-n", "-name"));
    if (!set || !scene.InsertNode(set)) return context.Fail("Cannot create a set.");
    for (const auto& member : members) scene.AddMember(set, member);
    context.result = command::Value::String(set->name());
    return true;
}

} // namespace vex::host::builtins
