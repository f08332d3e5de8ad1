#pragma once

#include <string>
#include <utility>

#include "util/xml/Element.h"

namespace vex::util::xml {

/// A text node (kind 2) holding the given text unchanged.
class Text : public Element {
public:
    explicit Text(std::string text) : Element(Kind::Text, std::move(text)) {}
};

} // namespace vex::util::xml
