#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <cstdint>

namespace vex::orb::adaptor::maya {

class CMayaNode;
class MayaAdaptorInterface;

/// The creation of a node object: undo takes it off the adaptor's node list (the host nodes go with
/// the modifier units recorded before it), redo puts it back. A node object that is off the list
/// when the unit goes is destroyed with it.
class CCreateNodeRestoreObj : public UndoManagement::UndoUnit {
public:
    CCreateNodeRestoreObj(MayaAdaptorInterface& adaptor, CMayaNode& node);
    ~CCreateNodeRestoreObj() override;

    CCreateNodeRestoreObj(const CCreateNodeRestoreObj&) = delete;
    CCreateNodeRestoreObj& operator=(const CCreateNodeRestoreObj&) = delete;

    void undo() override;
    void redo() override;

private:
    MayaAdaptorInterface& adaptor_;
    uint64_t serial_;
    bool listed_ = true;
};

} // namespace vex::orb::adaptor::maya
