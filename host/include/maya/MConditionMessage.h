#pragma once

#include <maya/MMessage.h>

class MStringArray;

/// Callbacks on named host conditions ("playingBack", "UndoAvailable", ...) changing state.
class MConditionMessage : public MMessage {
public:
    /// Calls `func` with the new state whenever the condition changes; kInvalidParameter for an unknown name.
    static MCallbackId addConditionCallback(const MString& conditionName, MMessage::MStateFunction func,
                                            void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
    /// The names of the conditions a callback can be installed on.
    static MStatus getConditionNames(MStringArray& names);
    /// The present state of a condition; kInvalidParameter (and false) for an unknown name.
    static bool getConditionState(const MString& name, MStatus* ReturnStatus = nullptr);
};
