#pragma once

#include "util/xml/Element.h"

#include <string_view>

namespace vex::util::xml {

/// A tag node (kind 1) with the given name and, at first, no attributes or children.
class Tag : public Element {
public:
    explicit Tag(std::string_view name) : Element(Kind::Tag, name) {}
};

} // namespace vex::util::xml
