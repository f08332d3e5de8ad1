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

MCallbackId MessageHub::add(Entry entry) {
    const MCallbackId id = nextId_++;
    entries_.emplace(id, std::move(entry));
    return id;
}

MCallbackId MessageHub::addSceneCallback(int message, MMessage::MBasicFunction func, void* clientData) {
    if (!func) return 0;
    return add({Kind::Scene, message, {}, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addNodeAddedCallback(const std::string& typeName, MMessage::MNodeFunction func,
                                             void* clientData) {
    if (!func) return 0;
    return add({Kind::NodeAdded, 0, typeName, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addNodeRemovedCallback(const std::string& typeName, MMessage::MNodeFunction func,
                                               void* clientData) {
    if (!func) return 0;
    return add({Kind::NodeRemoved, 0, typeName, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addConditionCallback(const std::string& name, MMessage::MStateFunction func,
                                             void* clientData) {
    if (!func) return 0;
    return add({Kind::Condition, 0, name, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addCommandCallback(MMessage::MStringFunction func, void* clientData) {
    if (!func) return 0;
    return add({Kind::Command, 0, {}, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addEventCallback(const std::string& event, MMessage::MBasicFunction func,
                                         void* clientData) {
    if (!func) return 0;
    return add({Kind::Event, 0, event, {}, reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addParentRemovedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                                 void* clientData) {
    if (!func) return 0;
    return add(
        {Kind::ParentRemoved, 0, {}, std::move(filter), reinterpret_cast<void (*)()>(func), clientData});
}

MCallbackId MessageHub::addParentAddedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                               void* clientData) {
    if (!func) return 0;
    return add({Kind::ParentAdded, 0, {}, std::move(filter), reinterpret_cast<void (*)()>(func), clientData});
}

bool MessageHub::remove(MCallbackId id) {
    return entries_.erase(id) > 0;
}

bool MessageHub::isInstalled(MCallbackId id) const {
    return entries_.count(id) > 0;
}

void MessageHub::fire(const std::function<bool(const Entry&)>& match,
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

void MessageHub::fireScene(int message) {
    fire([&](const Entry& e) { return e.kind == Kind::Scene && e.message == message; },
         [](const Entry& e) { reinterpret_cast<MMessage::MBasicFunction>(e.func)(e.clientData); });
}

void MessageHub::fireNode(Kind kind, MObject& node, const std::vector<std::string>& typeNames) {
    fire(
        [&](const Entry& e) {
            if (e.kind != kind) return false;
            if (e.key.empty() || e.key == "dependNode") return true;
            return std::find(typeNames.begin(), typeNames.end(), e.key) != typeNames.end();
        },
        [&](const Entry& e) { reinterpret_cast<MMessage::MNodeFunction>(e.func)(node, e.clientData); });
}

void MessageHub::fireNodeAdded(MObject& node, const std::vector<std::string>& typeNames) {
    fireNode(Kind::NodeAdded, node, typeNames);
}

void MessageHub::fireNodeRemoved(MObject& node, const std::vector<std::string>& typeNames) {
    fireNode(Kind::NodeRemoved, node, typeNames);
}

void MessageHub::fireParent(Kind kind, MDagPath& child, MDagPath& parent) {
    fire([&](const Entry& e) { return e.kind == kind && (!e.filter || e.filter(child)); },
         [&](const Entry& e) {
             reinterpret_cast<MMessage::MParentChildFunction>(e.func)(child, parent, e.clientData);
         });
}

void MessageHub::fireParentRemoved(MDagPath& child, MDagPath& parent) {
    fireParent(Kind::ParentRemoved, child, parent);
}

void MessageHub::fireParentAdded(MDagPath& child, MDagPath& parent) {
    fireParent(Kind::ParentAdded, child, parent);
}

void MessageHub::fireEvent(const std::string& event) {
    fire([&](const Entry& e) { return e.kind == Kind::Event && e.key == event; },
         [](const Entry& e) { reinterpret_cast<MMessage::MBasicFunction>(e.func)(e.clientData); });
}

void MessageHub::fireCommand(const std::string& text) {
    const MString value(text);
    fire([](const Entry& e) { return e.kind == Kind::Command; },
         [&](const Entry& e) { reinterpret_cast<MMessage::MStringFunction>(e.func)(value, e.clientData); });
}

void MessageHub::setCondition(const std::string& name, bool state) {
    auto [it, inserted] = conditions_.try_emplace(name, false);
    if (!inserted && it->second == state) return;
    it->second = state;
    if (inserted && !state) return;
    fire([&](const Entry& e) { return e.kind == Kind::Condition && e.key == name; },
         [&](const Entry& e) { reinterpret_cast<MMessage::MStateFunction>(e.func)(state, e.clientData); });
}

bool MessageHub::condition(const std::string& name) const {
    auto it = conditions_.find(name);
    return it != conditions_.end() && it->second;
}

std::vector<std::string> MessageHub::conditionNames() const {
    std::vector<std::string> names;
    for (const auto& [name, state] : conditions_) names.push_back(name);
    return names;
}

} // namespace vex::host
