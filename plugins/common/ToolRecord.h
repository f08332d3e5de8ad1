#pragma once

#include "util/DataChunk.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

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

/// A field holding an animated variable in its serial form.
template <class Variable>
util::DataChunk SerializedField(std::string_view name, const Variable& variable) {
    std::vector<uint8_t> bytes(variable.getSerializedSize());
    variable.serialize(bytes.data(), bytes.size());
    return util::DataChunk(name, bytes.data(), bytes.size());
}

/// Reads back a field written by SerializedField; a missing or malformed one leaves `variable`.
template <class Variable>
void ReadSerializedField(const util::DataChunk& field, Variable& variable) {
    if (field.GetSize() != 0) variable.deserialize(field.GetData(), field.GetSize());
}

} // namespace vex::orb::addon
