#pragma once

#include "plugins/storedstates/CStateToolObject.h"

namespace vex::orb::addon {

/// The MultiStateCam tool: a camera ("CurrentState") switched between ten stored camera positions
/// and orientations by device or keyboard, cutting at once or gliding there (CStateToolObject.h).
class CMultiStateCamObject : public CStateToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "MultiStateCamDataChunk";

    /// Copies the plug-in and the instance name; no nodes yet.
    explicit CMultiStateCamObject(const CreateParam& param) : CStateToolObject(param, kRecordName, true) {}
};

} // namespace vex::orb::addon
