#include "host/scene/MessageHub.h"

#include <maya/MString.h>

#include <algorithm>

namespace vex::host {

MessageHub& MessageHub::get() {
    // Never destroyed: scene nodes, plug-ins and other process-wide objects may still reach it while
    // they are destroyed at exit.
    static MessageHub* hub = new MessageHub;
    return *hub;
}

MCallbackId MessageHub::Add(Entry entry) {
    const MCallbackId id = nextId_++;
    entries_.emplace(id, std::move(entry));
    return id;
}

MCallbackId MessageHub::AddSceneCallback(int message, MMessage::MBasicFunction func, void* clientData) {
    if (!func) return 0;
    return Add({Kind::kScene, message, {}, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addNodeAddedCallback(const std::string& typeName, MMessage::MNodeFunction func,
                                             void* clientData) {
    if (!func) return 0;
    return Add({Kind::kNodeAdded, 0, typeName, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addNodeRemovedCallback(const std::string& typeName, MMessage::MNodeFunction func,
                                               void* clientData) {
    if (!func) return 0;
    return Add({Kind::kNodeRemoved, 0, typeName, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addConditionCallback(const std::string& name, MMessage::MStateFunction func,
                                             void* clientData) {
    if (!func) return 0;
    return Add({Kind::kCondition, 0, name, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addCommandCallback(MMessage::MStringFunction func, void* clientData) {
    if (!func) return 0;
    return Add({Kind::kCommand, 0, {}, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::AddEventCallback(const std::string& event, MMessage::MBasicFunction func,
                                         void* clientData) {
    if (!func) return 0;
    return Add({Kind::kEvent, 0, event, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addParentRemovedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                                 void* clientData) {
    if (!func) return 0;
    return Add(
        {Kind::kParentRemoved, 0, {}, std::move(filter), reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::AddParentAddedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                               void* clientData) {
    if (!func) return 0;
    return Add(
        {Kind::kParentAdded, 0, {}, std::move(filter), reinterpret_cast<void (*)()>(func), clientData});
}

bool MessageHub::remove(MCallbackId id) {
    return entries_.erase(id) > 0;
}

bool MessageHub::IsInstalled(MCallbackId id) const {
    return entries_.count(id) > 0;
}

void MessageHub::Fire(const std::function<bool(const Entry&)>& match,
                      const std::function<void(const Entry&)>& call) {
    // Take the matching identifiers first: the callbacks may add and remove entries while we walk.
    std::vector<MCallbackId> ids;
    for (const auto& [id, entry] : entries_)
        if (match(entry)) ids.push_back(id);
    const MCallbackId outer = current_;
    for (MCallbackId id : ids) {
        auto it = entries_.find(id);
        if (it == entries_.end()) continue;
        // A copy, so that the callback removing its own entry does not pull the data from under us.
        const Entry entry = it->second;
        current_ = id;
        call(entry);
    }
    current_ = outer;
}

void MessageHub::FireScene(int message) {
    Fire([&](const Entry& e) { return e.kind == Kind::kScene && e.message == message; },
         [](const Entry& e) { reinterpret_cast<MMessage::MBasicFunction>(e.func)(e.clientData); });
}

void MessageHub::FireNode(Kind kind, MObject& node, const std::vector<std::string>& typeNames) {
    Fire(
        [&](const Entry& e) {
            if (e.kind != kind) return false;
            if (e.key.empty() || e.key == "dependNode") return true;
            return std::find(typeNames.begin(), typeNames.end(), e.key) != typeNames.end();
        },
        [&](const Entry& e) { reinterpret_cast<MMessage::MNodeFunction>(e.func)(node, e.clientData); });
}

MCallbackId MessageHub::AddForNode(Kind kind, std::uint64_t node, void (*func)(), void* clientData) {
    if (!func || !node) return 0;
    Entry entry{kind, 0, {}, {}, func, clientData};
    entry.node = node;
    return Add(std::move(entry));
}

MCallbackId MessageHub::AddAttributeChangedCallback(std::uint64_t node, void (*func)(), void* clientData) {
    return AddForNode(Kind::kAttributeChanged, node, func, clientData);
}

MCallbackId MessageHub::AddNameChangedCallback(std::uint64_t node, MMessage::MNodeStringFunction func,
                                               void* clientData) {
    return AddForNode(Kind::kNameChanged, node, reinterpret_cast<void (*)()>(func), clientData);
}

MCallbackId MessageHub::AddPreRemovalCallback(std::uint64_t node, MMessage::MNodeFunction func,
                                              void* clientData) {
    return AddForNode(Kind::kPreRemoval, node, reinterpret_cast<void (*)()>(func), clientData);
}

MCallbackId MessageHub::AddAboutToDeleteCallback(std::uint64_t node, MMessage::MNodeModifierFunction func,
                                                 void* clientData) {
    return AddForNode(Kind::kAboutToDelete, node, reinterpret_cast<void (*)()>(func), clientData);
}

void MessageHub::FireForNode(Kind kind, std::uint64_t node, const std::function<void(const Entry&)>& call) {
    Fire([&](const Entry& e) { return e.kind == kind && e.node == node; }, call);
}

void MessageHub::FireAttributeChanged(std::uint64_t node, int message, MPlug& plug, MPlug& otherPlug) {
    using Function = void (*)(int, MPlug&, MPlug&, void*);
    FireForNode(Kind::kAttributeChanged, node, [&](const Entry& e) {
        reinterpret_cast<Function>(e.func)(message, plug, otherPlug, e.clientData);
    });
}

void MessageHub::FireNameChanged(std::uint64_t serial, MObject& node, const MString& previous) {
    FireForNode(Kind::kNameChanged, serial, [&](const Entry& e) {
        reinterpret_cast<MMessage::MNodeStringFunction>(e.func)(node, previous, e.clientData);
    });
}

void MessageHub::FirePreRemoval(std::uint64_t serial, MObject& node) {
    FireForNode(Kind::kPreRemoval, serial, [&](const Entry& e) {
        reinterpret_cast<MMessage::MNodeFunction>(e.func)(node, e.clientData);
    });
}

void MessageHub::FireAboutToDelete(std::uint64_t serial, MObject& node, MDGModifier& modifier) {
    FireForNode(Kind::kAboutToDelete, serial, [&](const Entry& e) {
        reinterpret_cast<MMessage::MNodeModifierFunction>(e.func)(node, modifier, e.clientData);
    });
}

bool MessageHub::WatchesNode(std::uint64_t node) const {
    for (const auto& [id, entry] : entries_)
        if (entry.node == node) return true;
    return false;
}

void MessageHub::FireNodeAdded(MObject& node, const std::vector<std::string>& typeNames) {
    FireNode(Kind::kNodeAdded, node, typeNames);
}

void MessageHub::FireNodeRemoved(MObject& node, const std::vector<std::string>& typeNames) {
    FireNode(Kind::kNodeRemoved, node, typeNames);
}

void MessageHub::FireParent(Kind kind, MDagPath& child, MDagPath& parent) {
    Fire([&](const Entry& e) { return e.kind == kind && (!e.filter || e.filter(child)); },
         [&](const Entry& e) {
             reinterpret_cast<MMessage::MParentChildFunction>(e.func)(child, parent, e.clientData);
         });
}

void MessageHub::FireParentRemoved(MDagPath& child, MDagPath& parent) {
    FireParent(Kind::kParentRemoved, child, parent);
}

void MessageHub::FireParentAdded(MDagPath& child, MDagPath& parent) {
    FireParent(Kind::kParentAdded, child, parent);
}

void MessageHub::FireEvent(const std::string& event) {
    Fire([&](const Entry& e) { return e.kind == Kind::kEvent && e.key == event; },
         [](const Entry& e) { reinterpret_cast<MMessage::MBasicFunction>(e.func)(e.clientData); });
}

void MessageHub::FireCommand(const std::string& text) {
    const MString value(text);
    Fire([](const Entry& e) { return e.kind == Kind::kCommand; },
         [&](const Entry& e) { reinterpret_cast<MMessage::MStringFunction>(e.func)(value, e.clientData); });
}

void MessageHub::SetCondition(const std::string& name, bool state) {
    auto [it, inserted] = conditions_.try_emplace(name, false);
    if (!inserted && it->second == state) return;
    it->second = state;
    if (inserted && !state) return;
    Fire([&](const Entry& e) { return e.kind == Kind::kCondition && e.key == name; },
         [&](const Entry& e) { reinterpret_cast<MMessage::MStateFunction>(e.func)(state, e.clientData); });
}

bool MessageHub::Condition(const std::string& name) const {
    auto it = conditions_.find(name);
    return it != conditions_.end() && it->second;
}

std::vector<std::string> MessageHub::ConditionNames() const {
    std::vector<std::string> names;
    for (const auto& [name, state] : conditions_) names.push_back(name);
    return names;
}

} // namespace vex::host
