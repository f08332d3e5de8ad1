#pragma once

#include <string>
#include <vector>

namespace vex::gui {

/// What went wrong while a component tree was built from a layout: the XML status of the file and the
/// elements no factory answered to. The component layer shows no message itself (it depends on
/// nothing but the utilities); the window that asked for the tree shows Message() to the user.
struct BuildReport {
    /// The layout file, when the tree came from one.
    std::string path;
    /// The XML library's status for the file (0: read and parsed).
    int xmlStatus = 0;
    /// Names of elements that no factory makes; they and their subtrees were left out.
    std::vector<std::string> unknownElements;

    /// True when the file was read and every element was made.
    bool Ok() const { return xmlStatus == 0 && unknownElements.empty(); }
    /// One line for the user describing what went wrong; "" when Ok().
    std::string Message() const;
};

} // namespace vex::gui
