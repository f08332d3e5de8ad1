#pragma once

#include "plugins/common/RecordField.h"
#include "plugins/common/StateRecord.h"
#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/DataChunk.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vex::orb::addon {

// The saved form of a tool's per-frame state record: the frame count (32 bits), then per frame its
// time (double) and every field of its state in the order `visit` lists them, little-endian. A tool
// describes its state once with a visitor, `visit(state, field)`, which calls `field(value)` on each
// number of the state (doubles, 32-bit integers, bytes), and the same visitor writes and reads.

/// `record` in its saved form.
template <class State, class Visit>
std::vector<std::uint8_t> EncodeStateRecord(const StateRecord<State>& record, Visit visit) {
    std::vector<std::uint8_t> bytes;
    util::ByteWriter out(bytes);
    out.Write(static_cast<std::uint32_t>(record.Frames().size()));
    for (const auto& frame : record.Frames()) {
        out.Write(frame.time);
        State state = frame.state;
        visit(state, [&out](auto& value) { out.Write(value); });
    }
    return bytes;
}

/// Reads the saved form into `record`; false, with `record` left empty, for bytes of another length,
/// times out of order, a number that is not finite, or a state `valid` rejects.
template <class State, class Visit, class Valid>
bool DecodeStateRecord(const std::uint8_t* bytes, std::size_t size, StateRecord<State>& record, Visit visit,
                       Valid valid) {
    record.Clear();
    std::size_t stateSize = 0;
    State probe{};
    visit(probe, [&stateSize](auto& value) { stateSize += sizeof(value); });
    util::ByteReader in(bytes, size);
    const std::uint32_t count = in.Read<std::uint32_t>().value_or(0);
    if (!in.Ok() || size != 4 + static_cast<std::size_t>(count) * (8 + stateSize)) return false;
    double last = -std::numeric_limits<double>::infinity();
    for (std::uint32_t f = 0; f < count; ++f) {
        double time = 0.0;
        State state{};
        in.Read(time);
        bool good = std::isfinite(time) && time > last;
        visit(state, [&in, &good](auto& value) {
            in.Read(value);
            if constexpr (std::is_floating_point_v<std::remove_reference_t<decltype(value)>>)
                good = good && std::isfinite(value);
        });
        if (!in.Ok() || !good || !valid(state)) {
            record.Clear();
            return false;
        }
        last = time;
        record.Set(time, state);
    }
    return true;
}

/// The record as one saved-state field `key`; a missing or damaged field leaves the record empty, so
/// the next run starts from the tool's settings.
template <class State, class Visit, class Valid>
RecordField StateRecordField(std::string_view key, StateRecord<State>& record, Visit visit, Valid valid) {
    return RecordField(
               key,
               [&record, key, visit] {
                   const std::vector<std::uint8_t> bytes = EncodeStateRecord(record, visit);
                   return util::DataChunk(key, bytes.data(), bytes.size());
               },
               [&record, visit, valid](const util::DataChunk& field) {
                   DecodeStateRecord(field.GetData(), field.GetSize(), record, visit, valid);
               })
        .Compacts([&record] { record.ShrinkToFit(); });
}

} // namespace vex::orb::addon
