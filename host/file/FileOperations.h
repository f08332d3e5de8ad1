#pragma once

#include <maya/MStatus.h>

#include <string>

namespace vex::host::file {

/// The scene file operations of the host, shared by the "file" command and MFileIO. They run through
/// SceneFiles, which sends the scene messages around them (before and after new, open, import, save),
/// with this folder's reader and writer plugged in. A file that cannot be read is refused before any
/// message is sent, and the open scene stays exactly as it was.
class FileOperations {
public:
    /// Plugs the scene file reader and writer into SceneFiles (done once; every operation below does it).
    static void Install();

    /// Empties the scene.
    static MStatus NewScene();
    /// Replaces the scene with the file's; refused with the failing line when the file is malformed.
    static MStatus Open(const std::string& path);
    /// Adds the file's nodes to the scene, in `nameSpace` (a used namespace gets a number appended).
    static MStatus ImportFile(const std::string& path, const std::string& nameSpace);
    /// Writes the scene to `path`, or to the current file when `path` is empty.
    static MStatus Save(const std::string& path);
    /// Names the file the next plain save writes, without reading or writing anything.
    static void rename(const std::string& path);
    /// The current file ("" when the scene has none).
    static std::string CurrentFile();

    /// Reads and checks a file: kSuccess, or a failing status whose text is "<path>: line <n>: <command>:
    /// <reason>" (or says why the file cannot be read at all).
    static MStatus Check(const std::string& path);

private:
    /// The reader SceneFiles calls.
    static MStatus ReadFile(const std::string& path, bool import, const std::string& nameSpace);
};

} // namespace vex::host::file
