#pragma once

#include "interface/CInterface.h"
#include "interface/SceneNode.h"

#include <initializer_list>
#include <string_view>

namespace vex::orb::addon {

/// Handles a tool's "hide" check box `item` for its helper nodes `helpers`, whose flag the page has
/// already set to `hidden`: on the box's own event the helpers follow the flag and an undo event is
/// registered; on an undo or redo of `item` (the page puts the flag back itself) they follow it again.
/// Answers whether `name` was such an event.
bool ToggleHelpers(CInterface* core, CInterface::Callback* callback, std::string_view name,
                   std::string_view item, bool hidden, std::initializer_list<SceneNode*> helpers);

} // namespace vex::orb::addon
