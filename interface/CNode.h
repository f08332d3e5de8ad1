#pragma once

#include "interface/CExtendable.h"

#include <string>

namespace vex::orb {

/// One host scene node (a transform with its shape) as a tool sees it.
class CNode : public CExtendable {
public:
    /// Makes the node and its shape visible in the host.
    virtual void show() = 0;
    /// Makes the node's shape invisible (the transform keeps its visibility).
    virtual void hide() = 0;
    /// Whether the node's shape is visible; false for a node the user deleted in the host.
    virtual bool isVisible() = 0;
    /// Makes this node the host's selection (added to it while a group selection is open).
    virtual bool select() = 0;
    /// True after the node was detached from its owner.
    virtual bool isDetached() = 0;
    /// The parent transform as a new temporary node object (release with releaseNode); null at the world
    /// root.
    virtual CNode* getParent() = 0;
    /// Number of child transforms (shapes are not counted).
    virtual int getChildCount() = 0;
    /// The index-th child transform as a new temporary node object; null when out of range.
    virtual CNode* getChild(int index) = 0;
    /// Destroys a temporary node object handed out by getParent or getChild; null is ignored.
    virtual void releaseNode(CNode* node) = 0;
    virtual ~CNode() = default;

    /// Runs an extension command; the node's answer as a bool.
    bool handle(int command, void* data) { return extension(command, data) != 0; }

    /// The name the node was created under (not the host's path name).
    const std::string& GetCreationName() const { return name_; }

protected:
    explicit CNode(std::string creationName = {}) : name_(std::move(creationName)) {}

    std::string name_;
};

} // namespace vex::orb
