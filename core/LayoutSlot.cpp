#include "core/LayoutSlot.h"

#include <string>

namespace vex::orb::core {

util::xml::Element* FindLayoutElement(util::xml::Element& layout, int32_t id) {
    if (!layout.IsTag()) return nullptr;
    if (layout.HasAttribute("id") && layout.GetAttribute("id") == std::to_string(id)) return &layout;
    for (util::xml::Element& child : layout.GetChildren())
        if (util::xml::Element* found = FindLayoutElement(child, id)) return found;
    return nullptr;
}

} // namespace vex::orb::core
