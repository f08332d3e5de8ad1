#pragma once

#include <string_view>

namespace vex::orb::addon {

/// The identity a compiled-in tool's descriptor reports: fixed texts that address the tool type, place
/// it in menus and trees and find its data folder.
struct ToolIdentity {
    /// Short type name; addresses the type and starts instance names.
    std::string_view identifier;
    /// The tool's folder below the data folder.
    std::string_view folder;
    /// The name shown in menus and trees, without the product prefix the descriptor adds.
    std::string_view displayName;
    /// "Vehicle", "Camera", "Accessory", "Utility" or several joined by ";".
    std::string_view category;
    /// One paragraph of help text.
    std::string_view description;
    /// A further type name saved instances may carry for this tool; empty when there is none.
    std::string_view alias = {};
};

} // namespace vex::orb::addon
