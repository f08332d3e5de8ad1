#pragma once

#include "host/scene/Journal.h"
#include "host/scene/Node.h"
#include "host/scene/Value.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vex::host {

/// The one scene of the process: every live node, the DAG below the world node, the connections, the
/// current time, the up axis and the active selection. Every change goes through the operations below;
/// they keep names unique (a clash gets a number appended), record the change in the open journals (for
/// modifiers and undo) and fire the node messages. Deleted nodes stay valid objects that answer
/// IsAlive() false, so handles to them never dangle and undo can bring them back.
class Scene {
public:
    static Scene& Instance();

    /// Empties the scene (not undoable) and creates the default nodes: the cameras persp, top, front and
    /// side, lambert1 and initialShadingGroup. Time returns to 0, the up axis to Y.
    void Reset();

    /// The world: the root of the DAG, parent of every top-level DAG node. Never deleted.
    const NodePtr& World() const { return world_; }

    /// Every live node except the world, in the order they entered the scene.
    const std::vector<NodePtr>& nodes() const { return nodes_; }

    /// A live node by name, full path ("|a|b") or partial path ("a|b"), or null.
    NodePtr findNode(const std::string& nameOrPath) const;

    /// The shortest path that names the node uniquely ("b", or "a|b" when another "b" exists).
    std::string partialPathName(const Node& node) const;

    /// A new node of the named type, not yet in the scene, with the given name or else a default one
    /// (type stem + number). Null when the type is unknown or abstract.
    NodePtr MakeNode(const std::string& typeName, const std::string& name = "") const;

    /// Puts a new node into the scene, DAG nodes under the parent (null: the world), at the end of its
    /// children. The name is made unique. Fails for a live node, a parent that is not a live transform
    /// (or the world), and a non-DAG node given a parent.
    bool InsertNode(const NodePtr& node, const NodePtr& parent = nullptr);

    /// Removes the node, its DAG children (all below it), their connections and set memberships.
    bool deleteNode(const NodePtr& node);

    /// Renames a live node; the name is made unique. Answers the name given, or "" on failure.
    std::string renameNode(const NodePtr& node, const std::string& name);

    /// Moves a DAG node under a new parent (null: the world), at the given place among its children (-1:
    /// the end). Fails for a parent below the node itself, a shape to the world, and dead nodes.
    bool ReparentNode(const NodePtr& node, const NodePtr& newParent, int childIndex = -1);

    /// Stores a value. For a compound it sets the children. Fails for dead nodes, foreign, computed or
    /// non-writable attributes and values of the wrong kind. An int goes into a double and back.
    bool setValue(const NodePtr& node, const AttributePtr& attribute, const Value& value);

    /// The value of an attribute at a time (seconds): through its incoming connection, the type's
    /// compute callback, or the stored value, in that order. A compound gives its children as a Double3.
    Value evaluate(const Node& node, const AttributeDefinition& attribute, double time) const;
    /// The value at the current time.
    Value evaluate(const Node& node, const AttributeDefinition& attribute) const;

    /// Adds a dynamic attribute. Fails when a name is in use on the node.
    bool AddAttribute(const NodePtr& node, const AttributePtr& attribute);
    /// Removes a dynamic attribute with its connections. Fails for static attributes.
    bool removeAttribute(const NodePtr& node, const AttributePtr& attribute);

    /// Connects source to destination. Fails when the destination already has an input, the kinds
    /// differ, or either end is not connectable.
    bool connect(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                 const AttributePtr& destinationAttribute);
    /// Removes the connection. Fails when it does not exist.
    bool disconnect(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                    const AttributePtr& destinationAttribute);

    /// Adds a member to a set node (shadingEngine, objectSet). A node already in it is not added twice.
    bool AddMember(const NodePtr& set, const NodePtr& member);
    bool RemoveMember(const NodePtr& set, const NodePtr& member);

    /// Opens a journal: every change from now on is recorded in it (and in the journals around it).
    void BeginJournal();
    /// Closes the innermost journal and answers it.
    std::shared_ptr<Journal> EndJournal();
    /// Takes a recorded change back (undo) or makes it again, recording that in the open journals.
    void Replay(const std::shared_ptr<Change>& change, bool undo);

    /// Current time in seconds.
    double currentTime() const { return time_; }
    void setCurrentTime(double seconds) { time_ = seconds; }

    bool isYAxisUp() const { return yUp_; }
    void SetYAxisUp(bool yUp) { yUp_ = yUp; }

    /// The active selection: live nodes in selection order.
    std::vector<NodePtr> Selection() const;
    void SetSelection(const std::vector<NodePtr>& nodes);

    /// A complete text description of the scene: nodes in DAG order then the others, types, values
    /// (stored ones), dynamic attributes with flags, connections, set members, selection. Two scenes
    /// with the same dump are the same for every reader.
    std::string Dump() const;

private:
    friend class SceneChanges;

    Scene();

    void Record(std::shared_ptr<Change> change);
    std::string UniqueName(const std::string& wanted, const Node* self) const;
    void Attach(const NodePtr& node, const NodePtr& parent, int childIndex, int listIndex);
    void detach(const NodePtr& node, int& childIndex, int& listIndex);
    void Move(const NodePtr& node, const NodePtr& parent, int childIndex);
    void rename(const NodePtr& node, const std::string& name);
    void store(const NodePtr& node, const AttributeDefinition& attribute, const Value* value);
    void AddLink(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                 const AttributePtr& destinationAttribute);
    void Unlink(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                const AttributePtr& destinationAttribute);
    void RemoveAllLinks(const NodePtr& node);
    Value evaluate(const Node& node, const AttributeDefinition& attribute, double time, int depth) const;
    NodePtr CreateDefault(const std::string& type, const std::string& name, const NodePtr& parent);

    NodePtr world_;
    std::vector<NodePtr> nodes_;
    std::unordered_map<std::string, int> nameCount_;
    std::vector<std::shared_ptr<Journal>> journals_;
    std::vector<std::weak_ptr<Node>> selection_;
    double time_ = 0.0;
    bool yUp_ = true;
};

} // namespace vex::host
