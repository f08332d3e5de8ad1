#pragma once

#include <functional>
#include <string>

namespace vex::util::xml {

/// Reads the resource at `path` (which begins with ":") into `contents`; returns false when there is no
/// such resource. The core registers one that reads the compiled-in resource bundle, so this library
/// itself needs no resource system.
using ResourceReader = std::function<bool(const std::string& path, std::string& contents)>;

/// Makes `reader` the one Element::Load uses for ":" paths; an empty function removes it.
void SetResourceReader(ResourceReader reader);

/// Reads `path` through the registered reader. False when none is registered or it cannot read the path.
bool ReadResource(const std::string& path, std::string& contents);

} // namespace vex::util::xml
