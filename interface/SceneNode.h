#pragma once

#include "util/Matrix.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <string>

namespace vex::util {
class CMesh;
}

namespace vex::orb {

class CCamera;
class CInterface;
class CNode;

/// The common base of a tool's scene-node objects: each wraps one host node that the tool owns. It
/// holds the node's name and host node, and the transforms and position/rotation state the tool keeps
/// for it; a tool's node classes (wheel, body, target, …) derive from it and build their node in
/// create() and write it in update(). All host work goes through the owning tool's CInterface.
///
/// The object does not own the host node: the scene does. Destroying the object leaves the host node
/// in place; remove() deletes it.
class SceneNode {
public:
    /// A node named `name` of the tool object `tool`, not created yet.
    SceneNode(CCamera* tool, std::string name);
    SceneNode(const SceneNode&) = delete;
    SceneNode& operator=(const SceneNode&) = delete;

    /// Builds the node's helper geometry and creates the host node; true when the node exists.
    virtual bool create() = 0;
    /// Deletes the host node through CInterface::deleteNode and forgets it; true.
    virtual bool remove();
    /// Writes the node's state into the host for the step at host time `t`.
    virtual void update(double t) = 0;
    /// Hook: a run of the tool begins at host time `t`. Does nothing here.
    virtual void BeginRun(double t);
    /// Hook: the run of the tool ends. Does nothing here.
    virtual void EndRun();
    /// Makes the host node visible.
    virtual void show();
    /// Makes the host node invisible.
    virtual void hide();
    /// Looks the host node up by this object's name (CInterface::findNode) and keeps it, as a tool does
    /// when it restores a saved instance; true when the scene holds it.
    virtual bool Find();
    /// Passes `flag` to the node's helper look (taken from and handed back to CInterface).
    virtual void setDisplayFlag(int flag);
    virtual ~SceneNode() = default;

    /// True while the object holds a host node.
    bool Exists() const { return node != nullptr; }

    /// The owning tool object; not owned.
    CCamera* tool;
    /// The name the host node is created and found under.
    std::string name;
    /// The host node, or null while it does not exist; owned by the scene.
    CNode* node = nullptr;
    /// The node's local transform as last written or read (identity at first).
    util::Matrix<double> localMatrix;
    /// The node's world transform as last written or read (identity at first).
    util::Matrix<double> worldMatrix;
    /// The position the tool keeps for the node.
    util::Vector3<double> position;
    /// The rotation the tool keeps for the node.
    util::Quat<double> rotation;

protected:
    /// The owning tool's core interface, set once the tool is made (a broken invariant otherwise).
    CInterface* core() const;
    /// Creates the host node as a helper object showing `mesh` under `parent` (null: the world) and
    /// keeps it; for use in create() while no node is held. True when the host created it.
    bool createMeshNode(const util::CMesh& mesh, CNode* parent);
    /// Creates the host node as a camera under `parent` (null: the world) and keeps it; for use in
    /// create() while no node is held. True when the host created it.
    bool CreateCameraNode(CNode* parent);
};

} // namespace vex::orb
