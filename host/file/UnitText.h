#pragma once

#include "host/builtins/Units.h"

#include <string>

namespace vex::host::file {

/// Numbers of a scene file in the units the user works in (the file's one "currentUnit" line), written
/// so that they read back as the number the scene holds: of the texts of the numbers nearest the
/// converted one, the first that converts back to the very same number. Every number made from one
/// in the user's unit (all the user typed, or a file in those units gave) has such a text. Another
/// may have none (a centimetre value with no metre double that converts to it): it is written as the
/// nearest number that has one, so it reads back within a step of its last digit, and a file written,
/// read and written again gives the same text. All in the "C" form.
class UnitText {
public:
    /// Writes `internal`, a number of the scene's unit for `kind`, into [first, last) (room for 32
    /// characters) in the user's unit; answers the end.
    static char* Write(char* first, char* last, builtins::units::Kind kind, double internal);
    /// Writes a time in seconds as frames of the user's time unit; answers the end.
    static char* WriteFrames(char* first, char* last, double seconds);

    /// The same as text.
    static std::string Text(builtins::units::Kind kind, double internal);
    static std::string Frames(double seconds);
};

} // namespace vex::host::file
