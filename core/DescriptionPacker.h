#pragma once

// Packed instance descriptions: an element "VXB_Plugin" whose attribute "compressed" names the
// packing and whose text is the packed XML of the whole description in Base64.
//
// Packing "rle1" is a byte run-length code: a control byte c below 128 is followed by c + 1 literal
// bytes; a control byte c of 128 or more is followed by one byte that stands for c - 125 copies
// (runs of 3 to 130). XML text repeats indentation and little else, so this is all it needs.

#include "util/xml/Element.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::orb::core {

/// The value of the attribute "compressed" this packer writes and reads.
inline constexpr const char* kPackingName = "rle1";

/// Packs `bytes` with the run-length code.
std::vector<uint8_t> PackBytes(const std::vector<uint8_t>& bytes);
/// Unpacks what PackBytes wrote into `out`; false (out unspecified) for a truncated code.
bool UnpackBytes(const std::vector<uint8_t>& packed, std::vector<uint8_t>& out);

/// A "VXB_Plugin" element carrying `description` packed.
util::xml::Element PackDescription(const util::xml::Element& description);
/// Whether `element` carries a packed description.
bool IsPacked(const util::xml::Element& element);
/// The description a packed element carries; false for an unknown packing, bad Base64, a broken
/// code or text that is not one XML element.
bool UnpackDescription(const util::xml::Element& element, util::xml::Element& description);

} // namespace vex::orb::core
