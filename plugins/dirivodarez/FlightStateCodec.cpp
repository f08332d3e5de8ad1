#include "plugins/dirivodarez/FlightStateCodec.h"

#include "util/ByteReader.h"
#include "util/ByteWriter.h"

#include <cmath>
#include <type_traits>

namespace vex::orb::addon {
namespace {

// Calls `field` on every number of `state`, in record order (flags and counters as integers).
template <class State, class Field>
void VisitState(State& state, Field&& field) {
    for (auto& input : state.inputs) {
        field(input.first);
        field(input.second);
    }
    const auto pose = [&field](auto& p) {
        field(p.position.x);
        field(p.position.y);
        field(p.position.z);
        field(p.rotation.x);
        field(p.rotation.y);
        field(p.rotation.z);
        field(p.rotation.w);
    };
    for (auto& p : state.ring) pose(p);
    pose(state.remembered);
    pose(state.helper);
    field(state.walkAmplitude);
    field(state.shakeAmplitude);
    field(state.frameCounter);
    field(state.randomSeed);
}

constexpr std::size_t kDoublesPerState = 2 * kFlightInputCount + 7 * (FreeFlightState::kRingSize + 2) + 2;
// Time, the doubles, the counter, the seed, the ring index and the three regulator flags.
constexpr std::size_t kFrameSize = 8 + 8 * kDoublesPerState + 8 + 4 + 4 + 3;

} // namespace

std::vector<std::uint8_t> EncodeFlightRecord(const FlightStateRecord& record) {
    std::vector<std::uint8_t> bytes;
    util::ByteWriter out(bytes);
    out.Write(static_cast<std::uint32_t>(record.Frames().size()));
    for (const auto& frame : record.Frames()) {
        out.Write(frame.time);
        FreeFlightState state = frame.state;
        VisitState(state, [&out](auto& value) { out.Write(value); });
        out.Write(static_cast<std::uint32_t>(state.newest));
        for (bool flag : state.regulating) out.Write(static_cast<std::uint8_t>(flag ? 1 : 0));
    }
    return bytes;
}

bool DecodeFlightRecord(const std::uint8_t* bytes, std::size_t size, FlightStateRecord& record) {
    record.Clear();
    util::ByteReader in(bytes, size);
    const std::uint32_t count = in.Read<std::uint32_t>().value_or(0);
    if (!in.Ok() || size != 4 + static_cast<std::size_t>(count) * kFrameSize) return false;
    for (std::uint32_t f = 0; f < count; ++f) {
        double time = 0.0;
        FreeFlightState state;
        in.Read(time);
        bool finite = std::isfinite(time);
        VisitState(state, [&in, &finite](auto& value) {
            in.Read(value);
            if constexpr (std::is_floating_point_v<std::remove_reference_t<decltype(value)>>)
                finite = finite && std::isfinite(value);
        });
        const std::uint32_t newest = in.Read<std::uint32_t>().value_or(FreeFlightState::kRingSize);
        for (bool& flag : state.regulating) flag = in.Read<std::uint8_t>().value_or(0) != 0;
        if (!in.Ok() || !finite || newest >= FreeFlightState::kRingSize) {
            record.Clear();
            return false;
        }
        state.newest = newest;
        record.Set(time, state);
    }
    return true;
}

} // namespace vex::orb::addon
