#pragma once

#include "plugins/common/StateRecord.h"
#include "plugins/dirivodarez/FreeFlightState.h"

#include <cstdint>
#include <vector>

namespace vex::orb::addon {

/// The free-flying camera's states per recorded frame.
using FlightStateRecord = StateRecord<FreeFlightState>;

/// `record` as bytes: the frame count (32 bits), then per frame its time and every field of its state,
/// little-endian.
std::vector<std::uint8_t> EncodeFlightRecord(const FlightStateRecord& record);
/// Reads what EncodeFlightRecord wrote into `record`; false, with `record` left empty, for bytes of
/// another length or with a state no run can have (a ring index out of range, a non-finite number).
bool DecodeFlightRecord(const std::uint8_t* bytes, std::size_t size, FlightStateRecord& record);

} // namespace vex::orb::addon
