#pragma once

#include "util/xml/Element.h"

#include <string_view>

namespace vex::util::xml {

/// A text node (kind 2) holding the given text unchanged.
class Text : public Element {
public:
    explicit Text(std::string_view text) : Element(Kind::Text, text) {}
};

} // namespace vex::util::xml
