#pragma once

#include <string>
#include <utility>

#include "util/xml/Element.h"

namespace vex::util::xml {

/// A tag node (kind 1) with the given name and, at first, no attributes or children.
class Tag : public Element {
public:
    explicit Tag(std::string name) : Element(Kind::Tag, std::move(name)) {}
};

} // namespace vex::util::xml
