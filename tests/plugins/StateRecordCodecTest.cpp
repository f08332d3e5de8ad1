#include "plugins/common/StateRecordCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace vex::orb::addon {
namespace {

struct Sample {
    double value = 0.0;
    std::int32_t index = 0;
    std::uint8_t flag = 0;
};

const auto kVisit = [](auto& s, auto&& field) {
    field(s.value);
    field(s.index);
    field(s.flag);
};
const auto kAny = [](const Sample&) { return true; };

StateRecord<Sample> Recorded() {
    StateRecord<Sample> record;
    record.Set(0.0, {1.5, 3, 1});
    record.Set(0.04, {-2.25, 7, 0});
    record.Set(0.08, {1e300, -1, 1});
    return record;
}

TEST(StateRecordCodec, ARecordReadsBackFrameForFrame) {
    const StateRecord<Sample> record = Recorded();
    const std::vector<std::uint8_t> bytes = EncodeStateRecord(record, kVisit);
    ASSERT_EQ(bytes.size(), 4u + 3u * (8u + 8u + 4u + 1u)) << "packed: count, then time and fields";
    StateRecord<Sample> back;
    ASSERT_TRUE(DecodeStateRecord(bytes.data(), bytes.size(), back, kVisit, kAny));
    ASSERT_EQ(back.Frames().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.Frames()[i].time, record.Frames()[i].time);
        EXPECT_EQ(back.Frames()[i].state.value, record.Frames()[i].state.value);
        EXPECT_EQ(back.Frames()[i].state.index, record.Frames()[i].state.index);
        EXPECT_EQ(back.Frames()[i].state.flag, record.Frames()[i].state.flag);
    }
    // An empty record is its count alone.
    EXPECT_EQ(EncodeStateRecord(StateRecord<Sample>{}, kVisit).size(), 4u);
}

TEST(StateRecordCodec, DamagedOrImpossibleRecordsLeaveNothing) {
    const std::vector<std::uint8_t> good = EncodeStateRecord(Recorded(), kVisit);
    const auto rejects = [](std::vector<std::uint8_t> bytes, auto valid) {
        StateRecord<Sample> record;
        record.Set(5.0, {});
        const bool read = DecodeStateRecord(bytes.data(), bytes.size(), record, kVisit, valid);
        return !read && record.Empty();
    };
    std::vector<std::uint8_t> shorter(good.begin(), good.end() - 1);
    EXPECT_TRUE(rejects(shorter, kAny));
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_TRUE(rejects(longer, kAny));
    EXPECT_TRUE(rejects({}, kAny));

    // The second frame's value (after the count, the first frame and the second time) made NaN.
    std::vector<std::uint8_t> notANumber = good;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(&notANumber[4 + 21 + 8], &nan, 8);
    EXPECT_TRUE(rejects(notANumber, kAny));
    // The second frame's time set before the first's.
    std::vector<std::uint8_t> backwards = good;
    const double early = -1.0;
    std::memcpy(&backwards[4 + 21], &early, 8);
    EXPECT_TRUE(rejects(backwards, kAny));
    // A state the tool says no run can have.
    EXPECT_TRUE(rejects(good, [](const Sample& s) { return s.index >= 0; }));
}

} // namespace
} // namespace vex::orb::addon
