#pragma once

// The compiled-in resource bundle: the data folder (layouts, images, factory profiles) built into
// the core under ":/torvasuite/data".

#include <string>
#include <vector>

namespace vex::orb::core {

/// Registers the bundle with Qt (once per process) and makes it the XML library's source for
/// ":" paths.
void RegisterResourceBundle();

/// Reads the resource at `path` (":/torvasuite/data/..."); false when there is none.
bool ReadBundleResource(const std::string& path, std::string& contents);

/// The names of the files (folders left out) in the bundle folder `folder` (":/torvasuite/data/...")
/// that match the wildcard `pattern` without regard to case, sorted by name; empty when there is no
/// such folder.
std::vector<std::string> ListBundleFiles(const std::string& folder, const std::string& pattern);

} // namespace vex::orb::core
