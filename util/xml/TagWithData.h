#pragma once

#include "util/xml/Data.h"
#include "util/xml/Tag.h"

#include <string_view>

namespace vex::util::xml {

/// A tag (kind 1) with one Data child: the usual element holding one value, e.g. <item>42</item>.
class TagWithData : public Tag {
public:
    template <typename T>
    TagWithData(std::string_view name, const T& value) : Tag(name) {
        AddChild(Data(value));
    }
};

} // namespace vex::util::xml
