#pragma once

#include <string_view>

#include "util/xml/Element.h"

namespace vex::util::xml {

/// A text node (kind 2) holding the given text unchanged.
class Text : public Element {
public:
    explicit Text(std::string_view text) : Element(Kind::Text, text) {}
};

} // namespace vex::util::xml
