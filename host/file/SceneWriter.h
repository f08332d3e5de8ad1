#pragma once

#include <maya/MStatus.h>

#include <string>

namespace vex::host::file {

/// Writes the whole scene in the host's ASCII scene format, a script of the host's commands:
///   a header comment, "requires maya", a "requires" line per plug-in whose node types are used,
///   "currentUnit", "fileInfo", then per node "createNode" with its "setAttr" lines (dynamic attributes
///   declared with "addAttr" first, mesh vertex, edge and face lists, anim curve keys and tangents),
///   the connections, the playback range, the current time and the user's units.
/// Numbers are written in the scene's internal units (centimetres, radians, seconds), declared by the
/// first "currentUnit" line, so that every value reads back bit for bit; the closing "currentUnit" line
/// gives the scene back the units the user works in.
class SceneWriter {
public:
    /// The scene as file text; `fileName` only goes into the header comment.
    static std::string text(const std::string& fileName);
    /// Writes the scene to `path` atomically (a temporary file renamed over the old one).
    static MStatus Write(const std::string& path);
};

} // namespace vex::host::file
