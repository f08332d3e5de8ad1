#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <cstdint>

class MDagModifier;

namespace vex::orb::adaptor::maya {

class CMayaNode;
class MayaAdaptorInterface;

/// The deletion of a node: redo (also right after recording) takes the node off the node list and
/// deletes its transform unless the host node is kept; undo brings the host node back and registers
/// the node again. A node object that is deleted when the unit goes is destroyed with it.
class CMayaNodeDeleteRestore : public UndoManagement::UndoUnit {
public:
    CMayaNodeDeleteRestore(MayaAdaptorInterface& adaptor, CMayaNode& node, bool keepHostNode);
    ~CMayaNodeDeleteRestore() override;

    CMayaNodeDeleteRestore(const CMayaNodeDeleteRestore&) = delete;
    CMayaNodeDeleteRestore& operator=(const CMayaNodeDeleteRestore&) = delete;

    void undo() override;
    void redo() override;

private:
    MayaAdaptorInterface& adaptor_;
    uint64_t serial_;
    bool keepHostNode_;
    MDagModifier* modifier_;
    bool deleted_ = false;
    bool listed_ = false;
};

} // namespace vex::orb::adaptor::maya
