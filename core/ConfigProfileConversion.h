#pragma once

// Reading configuration profiles saved by older versions of the system.

#include "util/xml/Element.h"

namespace vex::orb::core {

/// Whether `rootName` names an older form of configuration profile file: "ConfigProfile",
/// "orb_config" or "CameraConfig".
bool IsOlderConfigForm(std::string_view rootName);

/// The "configprofiles" container (version "2.0") made from an older file's root: every "profile"
/// child becomes a "configprofile" element with the same "name" and the mark "converted" = "1". Its
/// "group" elements become groups with id "-1" labelled with their "name"; a "spinner" becomes an
/// item holding its number, a "check" an item holding "1" or "0", each labelled with its label (the
/// attribute "label", else "name") and with id "-1", because the older form addresses parameters by
/// label only. Buttons and anything else carry no value and are left out.
util::xml::Element ConvertOlderConfigForm(const util::xml::Element& root);

} // namespace vex::orb::core
