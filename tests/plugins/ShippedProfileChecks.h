#pragma once

#include "core/CoreImplementation.h"
#include "core/Instance.h"
#include "util/xml/Element.h"

#include <string>
#include <vector>

namespace vex::orb::core::test {

/// `profile` in the form the system ships its profile files: the XML declaration first, CR LF line
/// ends, tab indentation (what ExpectShippedFileForm expects).
std::string ShippedProfileText(const util::xml::Element& profile);

/// Expects `file` (a bundle path) to be written as the system ships its profile files: the XML
/// declaration first, CR LF line ends, tab indentation.
void ExpectShippedFileForm(const std::string& file);

/// Expects the factory configuration profiles of the tool type of `instance` to be exactly `names`
/// (besides the built-in one), each a read-only single-profile file "<name>.ccp" in the bundle folder
/// `folder`, in the current form, whose groups and items are those the instance's page writes (a group
/// may be left empty, so loading keeps its values) with values inside the page's limits; each is then
/// loaded into the instance through the core, without a message, and the page shows its values.
void ExpectShippedConfigProfiles(CoreImplementation& core, Instance& instance, const std::string& folder,
                                 std::vector<std::string> names);

} // namespace vex::orb::core::test
