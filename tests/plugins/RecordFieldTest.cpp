#include "plugins/common/RecordField.h"

#include "util/AVar_Linear.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

namespace vex::orb::addon {
namespace {

// A tool's state as the fields table sees it.
struct State {
    double gain = 0.0;
    double level = 0.0;
    bool on = false;
    bool flags[2] = {false, false};
    util::AVar_Linear<double> curve{0.0};

    std::vector<RecordField> Fields() {
        return {{"gain", gain},
                {"level", level, 1.0},
                {"on", on},
                {"flags", {&flags[0], &flags[1]}},
                {"curve", curve}};
    }
};

TEST(RecordFieldTest, WritesTheFieldsInTableOrderWithTheirByteFormsAndReadsThemBack) {
    State saved;
    saved.gain = -2.5;
    saved.level = 0.25;
    saved.on = true;
    saved.flags[1] = true;
    saved.curve.set(0.0, 3.0);
    saved.curve.set(1.0, 5.0);
    const util::DataChunk record = WriteFields("Tool", saved.Fields());

    ASSERT_EQ(record.GetName(), "Tool");
    ASSERT_EQ(record.GetChildCount(), 5u);
    const char* keys[] = {"gain", "level", "on", "flags", "curve"};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(record.GetChild(i).GetName(), keys[i]);
    ASSERT_EQ(record.GetChild(0).GetSize(), 8u);
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i) bits |= uint64_t{record.GetChild(0).GetData()[i]} << (8 * i);
    EXPECT_EQ(std::bit_cast<double>(bits), -2.5);
    ASSERT_EQ(record.GetChild(2).GetSize(), 1u);
    EXPECT_EQ(record.GetChild(2).GetData()[0], 1);
    ASSERT_EQ(record.GetChild(3).GetSize(), 2u);
    EXPECT_EQ(record.GetChild(3).GetData()[0], 0);
    EXPECT_EQ(record.GetChild(3).GetData()[1], 1);

    State loaded;
    ReadFields(record, loaded.Fields());
    EXPECT_EQ(loaded.gain, -2.5);
    EXPECT_EQ(loaded.level, 0.25);
    EXPECT_TRUE(loaded.on);
    EXPECT_FALSE(loaded.flags[0]);
    EXPECT_TRUE(loaded.flags[1]);
    EXPECT_EQ(loaded.curve.get(0.5), 4.0);
}

TEST(RecordFieldTest, MissingOrMalformedFieldsLeaveTheStateOrTakeTheirFallback) {
    State state;
    state.gain = 7.0;
    state.level = 9.0;
    state.on = true;
    state.flags[0] = true;
    state.curve.set(0.0, 2.0);

    util::DataChunk record("Tool", nullptr, 0);
    const uint8_t threeFlags[3] = {0, 0, 0};
    record.AddChild(util::DataChunk("flags", threeFlags, 3)); // another row length: not this table's
    const uint8_t shortDouble[4] = {1, 2, 3, 4};
    record.AddChild(util::DataChunk("gain", shortDouble, 4));
    const uint8_t garbage[3] = {9, 9, 9};
    record.AddChild(util::DataChunk("curve", garbage, 3));
    ReadFields(record, state.Fields());

    EXPECT_EQ(state.gain, 7.0);
    EXPECT_EQ(state.level, 1.0); // missing: its fallback
    EXPECT_TRUE(state.on);
    EXPECT_TRUE(state.flags[0]);
    EXPECT_EQ(state.curve.get(0.0), 2.0);
}

} // namespace
} // namespace vex::orb::addon
