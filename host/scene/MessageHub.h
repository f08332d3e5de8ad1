#pragma once

#include <maya/MMessage.h>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vex::host {

/// The host's message switchboard. The message classes (MSceneMessage, MDGMessage, ...) install their
/// callbacks here, and the scene kernel and the function sets call the fire functions at the moment
/// the host does the matching thing. A callback may remove itself or any other callback while it runs;
/// a callback removed during a firing is not called afterwards, and one added during it waits for the
/// next firing.
class MessageHub {
public:
    /// Decides whether a parent-change callback installed on one DAG path is meant for `child`.
    using PathFilter = std::function<bool(const MDagPath& child)>;

    /// The one hub of the process.
    static MessageHub& get();

    /// Installs a callback for scene event `message` (an MSceneMessage::Message value).
    MCallbackId addSceneCallback(int message, MMessage::MBasicFunction func, void* clientData);
    /// Installs a node-added callback for nodes of type `typeName` or a type derived from it.
    MCallbackId addNodeAddedCallback(const std::string& typeName, MMessage::MNodeFunction func,
                                     void* clientData);
    /// Installs a node-removed callback for nodes of type `typeName` or a type derived from it.
    MCallbackId addNodeRemovedCallback(const std::string& typeName, MMessage::MNodeFunction func,
                                       void* clientData);
    /// Installs a callback called with the new state whenever condition `name` changes.
    MCallbackId addConditionCallback(const std::string& name, MMessage::MStateFunction func,
                                     void* clientData);
    /// Installs a callback given the text of every executed command.
    MCallbackId addCommandCallback(MMessage::MStringFunction func, void* clientData);
    /// Installs a callback for the named event ("timeChanged", "SelectionChanged", ...).
    MCallbackId addEventCallback(const std::string& event, MMessage::MBasicFunction func, void* clientData);
    /// Installs a parent-removed callback; an empty filter means every DAG node.
    MCallbackId addParentRemovedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                         void* clientData);
    /// Installs a parent-added callback; an empty filter means every DAG node.
    MCallbackId addParentAddedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                       void* clientData);

    /// Removes one callback; false when `id` is not installed.
    bool remove(MCallbackId id);
    /// True while `id` is installed.
    bool isInstalled(MCallbackId id) const;
    /// Number of installed callbacks.
    std::size_t count() const { return entries_.size(); }
    /// The identifier of the callback running now (0 outside any callback).
    MCallbackId current() const { return current_; }

    /// Scene event `message` happened (an MSceneMessage::Message value).
    void fireScene(int message);
    /// A node was added. `typeNames` lists its type and every type it derives from; "dependNode"
    /// callbacks receive every node.
    void fireNodeAdded(MObject& node, const std::vector<std::string>& typeNames);
    /// A node is about to be removed (still valid while the callbacks run). `typeNames` as above.
    void fireNodeRemoved(MObject& node, const std::vector<std::string>& typeNames);
    /// `child` lost its parent `parent`.
    void fireParentRemoved(MDagPath& child, MDagPath& parent);
    /// `child` gained the parent `parent`.
    void fireParentAdded(MDagPath& child, MDagPath& parent);
    /// The named event happened; "timeChanged" is fired whenever the current time changes.
    void fireEvent(const std::string& event);
    /// A command was executed; `text` is its command text.
    void fireCommand(const std::string& text);
    /// Sets condition `name` ("playingBack", ...); its callbacks run only when the state changes.
    void setCondition(const std::string& name, bool state);
    /// The state of condition `name` (false for a condition never set).
    bool condition(const std::string& name) const;
    /// The conditions ever set, by name.
    std::vector<std::string> conditionNames() const;

private:
    enum class Kind { Scene, NodeAdded, NodeRemoved, Condition, Command, Event, ParentRemoved, ParentAdded };
    struct Entry {
        Kind kind;
        int message = 0;
        std::string key;
        PathFilter filter;
        void (*func)() = nullptr; // the installed function, cast back by kind when called
        void* clientData = nullptr;
    };

    MCallbackId add(Entry entry);
    /// Calls `call` for each entry matching `match`, in installation order, skipping entries removed
    /// meanwhile.
    void fire(const std::function<bool(const Entry&)>& match, const std::function<void(const Entry&)>& call);
    void fireNode(Kind kind, MObject& node, const std::vector<std::string>& typeNames);
    void fireParent(Kind kind, MDagPath& child, MDagPath& parent);

    std::map<MCallbackId, Entry> entries_;
    std::map<std::string, bool> conditions_;
    MCallbackId nextId_ = 1;
    MCallbackId current_ = 0;
};

} // namespace vex::host
