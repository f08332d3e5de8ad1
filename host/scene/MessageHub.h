#pragma once

#include <maya/MMessage.h>

#include <cstddef>
#include <cstdint>
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
    MCallbackId AddSceneCallback(int message, MMessage::MBasicFunction func, void* clientData);
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
    MCallbackId AddEventCallback(const std::string& event, MMessage::MBasicFunction func, void* clientData);
    /// Installs a parent-removed callback; an empty filter means every DAG node.
    MCallbackId addParentRemovedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                         void* clientData);
    /// Installs a parent-added callback; an empty filter means every DAG node.
    MCallbackId AddParentAddedCallback(PathFilter filter, MMessage::MParentChildFunction func,
                                       void* clientData);

    /// Installs a callback for the attribute changes of the node with serial number `node` (its
    /// function is an MNodeMessage::MAttr2PlugFunction).
    MCallbackId AddAttributeChangedCallback(std::uint64_t node, void (*func)(), void* clientData);
    /// Installs a callback for the renaming of one node.
    MCallbackId AddNameChangedCallback(std::uint64_t node, MMessage::MNodeStringFunction func,
                                       void* clientData);
    /// Installs a callback for one node leaving the scene.
    MCallbackId AddPreRemovalCallback(std::uint64_t node, MMessage::MNodeFunction func, void* clientData);
    /// Installs a callback for one node about to be deleted.
    MCallbackId AddAboutToDeleteCallback(std::uint64_t node, MMessage::MNodeModifierFunction func,
                                         void* clientData);

    /// Removes one callback; false when `id` is not installed.
    bool remove(MCallbackId id);
    /// True while `id` is installed.
    bool IsInstalled(MCallbackId id) const;
    /// Number of installed callbacks.
    std::size_t count() const { return entries_.size(); }
    /// The identifier of the callback running now (0 outside any callback).
    MCallbackId Current() const { return current_; }

    /// Scene event `message` happened (an MSceneMessage::Message value).
    void FireScene(int message);
    /// A node was added. `typeNames` lists its type and every type it derives from; "dependNode"
    /// callbacks receive every node.
    void FireNodeAdded(MObject& node, const std::vector<std::string>& typeNames);
    /// A node is about to be removed (still valid while the callbacks run). `typeNames` as above.
    void FireNodeRemoved(MObject& node, const std::vector<std::string>& typeNames);
    /// `child` lost its parent `parent`.
    void FireParentRemoved(MDagPath& child, MDagPath& parent);
    /// `child` gained the parent `parent`.
    void FireParentAdded(MDagPath& child, MDagPath& parent);
    /// The named event happened; "timeChanged" is fired whenever the current time changes.
    void FireEvent(const std::string& event);
    /// An attribute of node `node` changed: `message` is an MNodeMessage::AttributeMessage combination.
    void FireAttributeChanged(std::uint64_t node, int message, MPlug& plug, MPlug& otherPlug);
    /// A node was renamed; `previous` is its old name.
    void FireNameChanged(std::uint64_t serial, MObject& node, const MString& previous);
    /// A node is leaving the scene.
    void FirePreRemoval(std::uint64_t serial, MObject& node);
    /// A node is about to be deleted; the callbacks may add operations to `modifier`.
    void FireAboutToDelete(std::uint64_t serial, MObject& node, MDGModifier& modifier);
    /// True when some callback watches node `node` (so the scene can skip building plugs for none).
    bool WatchesNode(std::uint64_t node) const;
    /// A command was executed; `text` is its command text.
    void FireCommand(const std::string& text);
    /// Sets condition `name` ("playingBack", ...); its callbacks run only when the state changes.
    void SetCondition(const std::string& name, bool state);
    /// The state of condition `name` (false for a condition never set).
    bool Condition(const std::string& name) const;
    /// The conditions ever set, by name.
    std::vector<std::string> ConditionNames() const;

private:
    enum class Kind {
        kScene,
        kNodeAdded,
        kNodeRemoved,
        kCondition,
        kCommand,
        kEvent,
        kParentRemoved,
        kParentAdded,
        kAttributeChanged,
        kNameChanged,
        kPreRemoval,
        kAboutToDelete
    };
    struct Entry {
        Kind kind;
        int message = 0;
        std::string key;
        PathFilter filter;
        void (*func)() = nullptr; // the installed function, cast back by kind when called
        void* clientData = nullptr;
        std::uint64_t node = 0; // the node a node-scoped callback watches
    };

    MCallbackId Add(Entry entry);
    /// Calls `call` for each entry matching `match`, in installation order, skipping entries removed
    /// meanwhile.
    void Fire(const std::function<bool(const Entry&)>& match, const std::function<void(const Entry&)>& call);
    void FireNode(Kind kind, MObject& node, const std::vector<std::string>& typeNames);
    void FireParent(Kind kind, MDagPath& child, MDagPath& parent);
    MCallbackId AddForNode(Kind kind, std::uint64_t node, void (*func)(), void* clientData);
    /// Calls `call` for the callbacks of `kind` installed on `node`.
    void FireForNode(Kind kind, std::uint64_t node, const std::function<void(const Entry&)>& call);

    std::map<MCallbackId, Entry> entries_;
    std::map<std::string, bool> conditions_;
    MCallbackId nextId_ = 1;
    MCallbackId current_ = 0;
};

} // namespace vex::host
