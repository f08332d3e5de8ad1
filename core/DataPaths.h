#pragma once

// Where the system's files live: the user's data root below the documents folder, the folders of
// the installation, and the recursive folder maker.

#include <string>

namespace vex::orb::core {

/// The user's documents folder (registry value "Personal" of the current user's shell folders)
/// followed by "\Torva Labs\torvasuite"; empty when the value cannot be read (an empty value counts
/// as unreadable, so the root never becomes the file system's root).
std::string GetDataRoot();

/// `root` + `below`, where `below` starts with "/" (e.g. "/data/core"). With an empty root the
/// leading "/" is dropped, so the path is relative to the current folder instead of the file
/// system's root.
std::string JoinDataPath(const std::string& root, const std::string& below);

/// Makes a folder and every missing parent; an existing folder is fine. False when it fails.
bool MakeDirectories(const std::string& path);

/// A folder of the installation: "data" is the compiled-in resource folder ":/torvasuite/data";
/// the others are the install prefix (registry value "path" of "SOFTWARE\Wow6432Node\Torva Labs"
/// on the local machine) followed by "/torvasuite/plugins/win/x64" ("plugin"), "/torvasuite/doc"
/// ("doc"), "/torvasuite/prm" ("prm"), "/torvasuite" ("" or "orb"), or nothing (any other kind).
/// Empty when the prefix cannot be read.
std::string GetInstallPath(const std::string& kind);

} // namespace vex::orb::core
