#include "host/scene/MessageHub.h"

#include <maya/MEventMessage.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <array>

namespace {

// The events this host fires.
constexpr std::array<const char*, 8> kEvents = {
    "timeChanged", "playbackRangeChanged", "SelectionChanged", "Undo",
    "Redo",        "NewSceneOpened",       "SceneOpened",      "SceneSaved"};

} // namespace

MCallbackId MEventMessage::addEventCallback(const MString& event, MMessage::MBasicFunction func,
                                            void* clientData, MStatus* ReturnStatus) {
    const bool known = std::any_of(kEvents.begin(), kEvents.end(), [&](const char* e) { return event == e; });
    if (!known || !func) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return 0;
    }
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return vex::host::MessageHub::get().AddEventCallback(event.str(), func, clientData);
}

void MEventMessage::getEventNames(MStringArray& names) {
    names.clear();
    for (const char* name : kEvents) names.append(name);
}
