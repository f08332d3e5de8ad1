#pragma once

#include <maya/MStatus.h>

#include <string>

namespace vex::host::file {

/// Writes the whole scene in the host's ASCII scene format, a script of the host's commands, laid out
/// as the host this one stands in for lays it out: the header comments, "requires" lines, the one
/// "currentUnit" line giving the user's units that every number of the file is in, the "fileInfo"
/// lines; then per node "createNode" (the default cameras and nodes a file made shared with "-s") and
/// its lines (dynamic attributes declared with "addAttr" first, values, mesh vertex, edge and face
/// lists, anim curve keys and tangents, locks, the lines a file had about it that the host keeps);
/// the playback range in the "sceneConfigurationScriptNode" script node; the scene's own dependency
/// nodes after "select -ne"; the kept lines about nodes the host does not have; the connections and
/// the set memberships ("connectAttr ... -na"). Numbers read back as exactly the numbers the scene
/// holds (UnitText).
class SceneWriter {
public:
    /// The scene as file text; `fileName` only goes into the header comments, and so does `modified`,
    /// the time of the save, when given (without it, the text of a scene is the same at any time).
    static std::string text(const std::string& fileName, const std::string& modified = {});
    /// Writes the scene to `path` atomically (a temporary file renamed over the old one).
    static MStatus Write(const std::string& path);
};

} // namespace vex::host::file
