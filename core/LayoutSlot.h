#pragma once

// Finding the place in a window's layout where generated content goes.

#include "util/xml/Element.h"

#include <cstdint>

namespace vex::orb::core {

/// The first tag of `layout` (itself included, depth first) whose "id" attribute is `id`; null when
/// there is none.
util::xml::Element* FindLayoutElement(util::xml::Element& layout, int32_t id);

} // namespace vex::orb::core
