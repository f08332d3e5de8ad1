#pragma once

#include "util/xml/Element.h"

#include <string_view>

namespace vex::util::xml {

/// A comment node (kind 4), written as "<!-- text-- >". Its text should not hold ">": the reader ends a
/// comment at the first ">", so the writer puts "&#62;" in its place.
class Comment : public Element {
public:
    explicit Comment(std::string_view text) : Element(Kind::kComment, text) {}
};

} // namespace vex::util::xml
