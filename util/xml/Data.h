#pragma once

#include "util/xml/Element.h"

#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace vex::util::xml {

/// A text node (kind 2) holding a value as text, formatted as a default string stream formats it
/// (so a double keeps 6 significant digits) with bool written as "1" or "0".
class Data : public Element {
public:
    template <typename T>
    explicit Data(const T& value) : Element(Kind::Text, Format(value)) {}

    /// The text a Data node made from `value` holds.
    template <typename T>
    static std::string Format(const T& value) {
        if constexpr (std::is_same_v<T, bool>) {
            return value ? "1" : "0";
        } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
            return std::string(std::string_view(value));
        } else if constexpr (kIsWideInteger<T>) {
            return std::to_string(value); // what the stream would write, without building one
        } else {
            std::ostringstream stream;
            stream << value;
            return stream.str();
        }
    }

private:
    template <typename T>
    static constexpr bool kIsWideInteger =
        std::is_same_v<T, short> || std::is_same_v<T, unsigned short> || std::is_same_v<T, int> ||
        std::is_same_v<T, unsigned> || std::is_same_v<T, long> || std::is_same_v<T, unsigned long> ||
        std::is_same_v<T, long long> || std::is_same_v<T, unsigned long long>;
};

} // namespace vex::util::xml
