#pragma once

#include "interface/CInterface.h"
#include "interface/SceneNode.h"
#include "plugins/common/RecordField.h"
#include "plugins/common/ToolPage.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace vex::orb::addon {

/// The hide boxes of a tool with helper nodes.
inline constexpr const char* kHideHelpers = "Hide Helpers";
inline constexpr const char* kHideHelpersDuringRecording = "Hide Helpers During Recording";

/// The page group "General Modes" with the hide boxes bound to `hideHelpers` (which notifies
/// `callback`) and `hideHelpersDuringRecording`.
PageGroup HelperModes(bool& hideHelpers, bool& hideHelpersDuringRecording, CInterface::Callback* callback);

/// The saved fields of the two hide boxes.
std::vector<RecordField> HelperFields(bool& hideHelpers, bool& hideHelpersDuringRecording);

/// Handles a tool's "hide" check box `item` for its helper nodes `helpers`, whose flag the page has
/// already set to `hidden`: on the box's own event the helpers follow the flag and an undo event is
/// registered; on an undo or redo of `item` (the page puts the flag back itself) they follow it again.
/// Answers whether `name` was such an event.
bool ToggleHelpers(CInterface* core, CInterface::Callback* callback, std::string_view name,
                   std::string_view item, bool hidden, std::initializer_list<SceneNode*> helpers);

} // namespace vex::orb::addon
