#pragma once

// The compiled-in resource bundle: the data folder (layouts, images, factory profiles) built into
// the core under ":/torvasuite/data".

#include <string>

namespace vex::orb::core {

/// Registers the bundle with Qt (once per process) and makes it the XML library's source for
/// ":" paths.
void RegisterResourceBundle();

/// Reads the resource at `path` (":/torvasuite/data/..."); false when there is none.
bool ReadBundleResource(const std::string& path, std::string& contents);

} // namespace vex::orb::core
