#pragma once

#include "plugins/storedstates/CStateToolObject.h"

namespace vex::orb::addon {

/// The StateMachine utility: a helper ("CurrentState") that anything can be parented to, moved between
/// ten stored positions and orientations by device or keyboard, at once or smoothly
/// (CStateToolObject.h).
class CStateMachineObject : public CStateToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "StateMachineDataChunk";

    /// Copies the plug-in and the instance name; no nodes yet.
    explicit CStateMachineObject(const CreateParam& param) : CStateToolObject(param, kRecordName, false) {}
};

} // namespace vex::orb::addon
