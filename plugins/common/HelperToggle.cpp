#include "plugins/common/HelperToggle.h"

#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/ToolEvents.h"

namespace vex::orb::addon {

PageGroup HelperModes(bool& hideHelpers, bool& hideHelpersDuringRecording, CInterface::Callback* callback) {
    return {.name = "General Modes",
            .items = {
                CheckBoxItem{
                    .name = kHideHelpers, .help = kHideHelpers, .value = &hideHelpers, .callback = callback},
                CheckBoxItem{.name = kHideHelpersDuringRecording,
                             .help = kHideHelpersDuringRecording,
                             .value = &hideHelpersDuringRecording}}};
}

std::vector<RecordField> HelperFields(bool& hideHelpers, bool& hideHelpersDuringRecording) {
    return {{"hideHelpers", hideHelpers}, {"hideHelpersDuringRecording", hideHelpersDuringRecording}};
}

bool ToggleHelpers(CInterface* core, CInterface::Callback* callback, std::string_view name,
                   std::string_view item, bool hidden, std::initializer_list<SceneNode*> helpers) {
    const ToolEvent event = ParseToolEvent(name);
    if (event.item != item) return false;
    for (SceneNode* helper : helpers) SetVisible(*helper, !hidden);
    if (!event.undo && !event.redo) RegisterEventUndo(core, callback, item);
    core->refreshView();
    return true;
}

} // namespace vex::orb::addon
