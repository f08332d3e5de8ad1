#pragma once

#include "util/DataChunk.h"

#include <optional>

namespace vex::orb {
class CInterface;
}

namespace vex::orb::addon {

/// The tool's saved state as a record; nothing when there is none or it does not parse.
std::optional<util::DataChunk> ReadToolRecord(CInterface* core);

/// Hands `record` to the core as the tool's saved state.
void WriteToolRecord(CInterface* core, const util::DataChunk& record);

/// Reads a one-byte bool field; any byte other than 0 reads as true, a missing field leaves `value`.
void ReadBool(const util::DataChunk& field, bool& value);

} // namespace vex::orb::addon
