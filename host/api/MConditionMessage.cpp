#include "host/scene/MessageHub.h"

#include <maya/MConditionMessage.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <array>

namespace {

// The conditions this host keeps; the message hub holds their states.
constexpr std::array<const char*, 6> kConditions = {"playingBack", "UndoAvailable", "RedoAvailable",
                                                    "busy",        "readingFile",   "writingFile"};

bool isCondition(const MString& name) {
    return std::any_of(kConditions.begin(), kConditions.end(), [&](const char* c) { return name == c; });
}

} // namespace

MCallbackId MConditionMessage::addConditionCallback(const MString& conditionName,
                                                    MMessage::MStateFunction func, void* clientData,
                                                    MStatus* ReturnStatus) {
    if (!isCondition(conditionName) || !func) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return 0;
    }
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return vex::host::MessageHub::get().addConditionCallback(conditionName.str(), func, clientData);
}

MStatus MConditionMessage::getConditionNames(MStringArray& names) {
    names.clear();
    for (const char* name : kConditions) names.append(name);
    return MStatus::kSuccess;
}

bool MConditionMessage::getConditionState(const MString& name, MStatus* ReturnStatus) {
    if (!isCondition(name)) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return false;
    }
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return vex::host::MessageHub::get().Condition(name.str());
}
