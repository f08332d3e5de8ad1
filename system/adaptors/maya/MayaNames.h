#pragma once

#include <string>

namespace vex::orb::adaptor::maya {

/// Maya's rule for node names: letters, digits and underscores, not starting with a digit.
class MayaNames {
public:
    /// `name` with every other character (a space in "Reference Node") turned into "_", and a
    /// leading digit given a "_" before it, so that Maya takes the name as it stands.
    static std::string Legal(const std::string& name);
};

} // namespace vex::orb::adaptor::maya
