#pragma once

#include <maya/MStatus.h>

#include <string>

namespace vex::host::file {

/// The message of a failing status without the "(kCode): " markers that status texts carry (also
/// those of statuses whose text was built from another status), for messages a person reads.
std::string StatusText(const MStatus& status);

/// The same for a text that came from a status.
std::string WithoutStatusCodes(const std::string& text);

} // namespace vex::host::file
