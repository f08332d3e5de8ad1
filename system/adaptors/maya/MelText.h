#pragma once

#include <maya/MDagPath.h>
#include <maya/MString.h>

#include <string>

namespace vex::orb::adaptor::maya {

/// The MEL command texts the adaptor runs.
class MelText {
public:
    /// `text` as a MEL string literal: in double quotes, with quotes, backslashes and line breaks
    /// escaped.
    static std::string Quote(const std::string& text);
    /// "filterCurve" with the anim curves of "rz", "ry" and "rx" of `transform` that exist; empty
    /// when it has none.
    static MString FilterCurve(const MDagPath& transform);
    /// A modal box titled `title` showing `message` with one button "Ok".
    static MString ConfirmDialog(const std::string& title, const std::string& message);
};

} // namespace vex::orb::adaptor::maya
