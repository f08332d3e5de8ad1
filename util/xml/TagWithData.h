#pragma once

#include "util/xml/Data.h"
#include "util/xml/Tag.h"

#include <string_view>

namespace vex::util::xml {

/// A tag (kind 1) with one Data child: the usual element holding one value, e.g. <item>42</item>. A
/// value whose text is empty gives a tag without children, which is what reading <item></item> gives.
class TagWithData : public Tag {
public:
    template <typename T>
    TagWithData(std::string_view name, const T& value) : Tag(name) {
        Data data(value);
        if (!data.GetName().empty()) AddChild(std::move(data));
    }
};

} // namespace vex::util::xml
