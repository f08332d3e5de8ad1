#include "util/ByteReader.h"
#include "util/ByteWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

using vex::util::ByteReader;
using vex::util::ByteWriter;

namespace {

using Bytes = std::vector<uint8_t>;

enum class Gear : int16_t { kReverse = -1, kNeutral = 0, kFifth = 5 };

// A NaN with a payload: only a bit-for-bit copy keeps it.
const double kPayloadNaN = std::bit_cast<double>(uint64_t{0x7FF8'0000'DEAD'BEEF});

// The byte swap a big-endian host applies; here it is checked on its own, since this host is
// little-endian.
static_assert(vex::util::byteorder::Swapped<uint32_t>(0x01020304u) == 0x04030201u);
static_assert(vex::util::byteorder::Swapped<uint64_t>(0x0102030405060708u) == 0x0807060504030201u);
static_assert(vex::util::byteorder::Swapped<uint8_t>(0xAB) == 0xAB);

} // namespace

TEST(ByteCodec, MixedValuesRoundTripThroughAGrowingVector) {
    const uint8_t raw[] = {'m', 'e', 's', 'h'};
    Bytes bytes{0xEE}; // the writer appends after what is there
    ByteWriter out(bytes);
    EXPECT_TRUE(out.Write(true));
    EXPECT_TRUE(out.Write(uint8_t{0xFE}));
    EXPECT_TRUE(out.Write(Gear::kReverse));
    EXPECT_TRUE(out.Write(int32_t{-123456789}));
    EXPECT_TRUE(out.Write(std::numeric_limits<uint64_t>::max() - 1));
    EXPECT_TRUE(out.Write(-0.0f));
    EXPECT_TRUE(out.Write(kPayloadNaN));
    EXPECT_TRUE(out.Write(std::array<double, 3>{1.5, -2.25, 1e300}));
    EXPECT_TRUE(out.WriteBytes(raw, sizeof raw));
    EXPECT_TRUE(out.Ok());
    ASSERT_EQ(bytes.size(), 1 + 1 + 1 + 2 + 4 + 8 + 4 + 8 + 24 + 4);
    EXPECT_EQ(out.Position(), bytes.size());

    ByteReader in(bytes);
    EXPECT_TRUE(in.Skip(1));
    bool flag = false;
    uint8_t byte = 0;
    Gear gear = Gear::kNeutral;
    int32_t int32 = 0;
    EXPECT_TRUE(in.Read(flag) && in.Read(byte) && in.Read(gear) && in.Read(int32));
    EXPECT_TRUE(flag);
    EXPECT_EQ(byte, 0xFE);
    EXPECT_EQ(gear, Gear::kReverse);
    EXPECT_EQ(int32, -123456789);
    EXPECT_EQ(in.Read<uint64_t>(), std::numeric_limits<uint64_t>::max() - 1);
    const std::optional<float> negativeZero = in.Read<float>();
    ASSERT_TRUE(negativeZero);
    EXPECT_TRUE(std::signbit(*negativeZero));
    EXPECT_EQ(std::bit_cast<uint64_t>(in.Read<double>().value()), std::bit_cast<uint64_t>(kPayloadNaN));
    using Triple = std::array<double, 3>;
    EXPECT_EQ(in.Read<Triple>(), (Triple{1.5, -2.25, 1e300}));
    const std::span<const uint8_t> tail = in.ReadSpan(4);
    EXPECT_EQ(Bytes(tail.begin(), tail.end()), Bytes(raw, raw + 4));
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.Remaining(), 0u);

    // One read too many fails like any other.
    EXPECT_FALSE(in.Read<uint8_t>());
    EXPECT_FALSE(in.Ok());
}

TEST(ByteCodec, StoresNumbersLittleEndianByteForByte) {
    Bytes bytes;
    ByteWriter out(bytes);
    out.Write(1.0); // IEEE 754: 0x3FF0000000000000
    out.Write(int32_t{0x01020304});
    out.Write(int32_t{-2});
    out.Write(uint16_t{0xA1B2});
    out.Write(false);
    const Bytes expected{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, // 1.0
                         0x04, 0x03, 0x02, 0x01,                         // 0x01020304
                         0xFE, 0xFF, 0xFF, 0xFF,                         // -2
                         0xB2, 0xA1,                                     // 0xA1B2
                         0x00};                                          // false
    EXPECT_EQ(bytes, expected);

    ByteReader in(expected);
    EXPECT_EQ(in.Read<double>(), 1.0);
    EXPECT_EQ(in.Read<int32_t>(), 0x01020304);
    EXPECT_EQ(in.Read<int32_t>(), -2);
    EXPECT_EQ(in.Read<uint16_t>(), 0xA1B2);
    EXPECT_EQ(in.Read<bool>(), false);
}

TEST(ByteCodec, ATruncatedRecordFailsAndStaysFailed) {
    Bytes record;
    ByteWriter out(record);
    out.Write(int32_t{7});
    out.Write(2.5);
    out.Write(uint8_t{9});
    // The record cut inside its double, on the heap so that a sanitizer build sees any read past it.
    const auto cut = std::make_unique<uint8_t[]>(10);
    std::copy(record.begin(), record.begin() + 10, cut.get());

    ByteReader in(cut.get(), 10);
    int32_t count = 0;
    double value = -1.0;
    EXPECT_TRUE(in.Read(count));
    EXPECT_EQ(count, 7);
    EXPECT_FALSE(in.Read(value));
    EXPECT_EQ(value, -1.0); // untouched
    EXPECT_FALSE(in.Ok());
    EXPECT_EQ(in.Position(), 4u); // nothing consumed
    // Six bytes remain, but a failed reader reads nothing more, nor moves.
    uint8_t byte = 0x55;
    EXPECT_FALSE(in.Read(byte));
    EXPECT_EQ(byte, 0x55);
    EXPECT_FALSE(in.ReadBytes(&byte, 1));
    EXPECT_TRUE(in.ReadSpan(1).empty());
    EXPECT_FALSE(in.Seek(0));
    EXPECT_FALSE(in.Ok());

    // The reader over no bytes at all, and one over a null pointer, fail their first read.
    ByteReader none(nullptr, 16);
    EXPECT_EQ(none.Size(), 0u);
    EXPECT_FALSE(none.Read<uint8_t>());
}

TEST(ByteCodec, RejectsABoolByteOtherThanZeroOrOne) {
    const uint8_t bytes[] = {1, 0, 2};
    ByteReader in(bytes);
    bool a = false, b = true, c = true;
    EXPECT_TRUE(in.Read(a) && in.Read(b));
    EXPECT_TRUE(a);
    EXPECT_FALSE(b);
    EXPECT_FALSE(in.Read(c));
    EXPECT_TRUE(c);
    EXPECT_FALSE(in.Ok());
}

TEST(ByteCodec, SeekAndSkipStayInsideTheBytes) {
    const uint8_t bytes[] = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    ByteReader in(bytes);
    EXPECT_EQ(in.ReadAt<uint16_t>(4), 0x6050);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_TRUE(in.Seek(1));
    EXPECT_TRUE(in.Skip(2));
    EXPECT_EQ(in.Read<uint8_t>(), 0x40);
    EXPECT_TRUE(in.Seek(6)); // the end itself is a place to be
    EXPECT_FALSE(in.Read<uint8_t>());

    ByteReader skipper(bytes);
    EXPECT_FALSE(skipper.Skip(7));
    EXPECT_EQ(skipper.Position(), 0u);
    ByteReader seeker(bytes);
    EXPECT_FALSE(seeker.Seek(7));
    EXPECT_FALSE(seeker.ReadAt<uint8_t>(0)); // failed for good
}

TEST(ByteCodec, AFixedBufferIsNeverWrittenOutside) {
    // Eight bytes of buffer between guard bytes the writer must leave alone.
    std::array<uint8_t, 12> memory;
    memory.fill(0xCC);
    ByteWriter out(std::span<uint8_t>(memory).subspan(2, 8));
    EXPECT_TRUE(out.Write(uint32_t{0x11223344}));
    EXPECT_FALSE(out.Write(1.0)); // 8 bytes where 4 are left: nothing of it is written
    EXPECT_FALSE(out.Ok());
    EXPECT_EQ(out.Position(), 4u);
    EXPECT_FALSE(out.Write(uint8_t{0x99})); // would fit, but the writer has failed
    EXPECT_FALSE(out.WriteBytes("ab", 2));
    EXPECT_FALSE(out.Seek(0));
    const std::array<uint8_t, 12> expected{0xCC, 0xCC, 0x44, 0x33, 0x22, 0x11,
                                           0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC};
    EXPECT_EQ(memory, expected);

    std::array<uint8_t, 4> small{};
    ByteWriter seeker(small);
    EXPECT_FALSE(seeker.Seek(5));
    ByteWriter skipper(small);
    EXPECT_TRUE(skipper.Skip(4));
    EXPECT_FALSE(skipper.WriteBytes("x", 1));
    EXPECT_EQ(small, (std::array<uint8_t, 4>{}));

    ByteWriter none(nullptr, 8);
    EXPECT_EQ(none.Size(), 0u);
    EXPECT_TRUE(none.WriteBytes(nullptr, 0));
    EXPECT_FALSE(none.Write(uint8_t{1}));
}

TEST(ByteCodec, FixedRecordFieldsSitAtTheirOffsets) {
    // A record laid out like a tool's saved state: flags in the first bytes, doubles from offset 8.
    constexpr size_t kFlagAt = 1, kScaleAt = 8, kFactorsAt = 16;
    std::array<uint8_t, 32> record{};
    ByteWriter out(record);
    EXPECT_TRUE(out.WriteAt(kScaleAt, 2.0));
    EXPECT_TRUE(out.WriteAt(kFlagAt, true));
    EXPECT_TRUE(out.Seek(kFactorsAt));
    for (double factor : {0.5, -1.0}) EXPECT_TRUE(out.Write(factor));
    EXPECT_TRUE(out.Ok());
    EXPECT_FALSE(ByteWriter(record).WriteAt(25, 1.0));                    // runs one byte past the end
    const std::array<uint8_t, 32> expected{0, 1, 0, 0, 0, 0, 0,    0,     // flags
                                           0, 0, 0, 0, 0, 0, 0x00, 0x40,  // 2.0
                                           0, 0, 0, 0, 0, 0, 0xE0, 0x3F,  // 0.5
                                           0, 0, 0, 0, 0, 0, 0xF0, 0xBF}; // -1.0
    EXPECT_EQ(record, expected);

    ByteReader in(record);
    double scale = 0.0, second = 0.0;
    bool flag = false;
    EXPECT_TRUE(in.ReadAt(kScaleAt, scale) && in.ReadAt(kFlagAt, flag) && in.ReadAt(kFactorsAt + 8, second));
    EXPECT_EQ(scale, 2.0);
    EXPECT_TRUE(flag);
    EXPECT_EQ(second, -1.0);
}

TEST(ByteCodec, AVectorWriterOverwritesBehindItsCursorAndGrowsPastTheEnd) {
    // The usual way to fill in a size field once the bytes after it are known.
    Bytes bytes;
    ByteWriter out(bytes);
    out.Write(int32_t{0});
    out.WriteBytes("abc", 3);
    EXPECT_TRUE(out.WriteAt(0, static_cast<int32_t>(bytes.size() - 4)));
    EXPECT_EQ(bytes, (Bytes{3, 0, 0, 0, 'a', 'b', 'c'}));
    EXPECT_TRUE(out.Seek(6));
    out.Write(uint16_t{0x0201});
    EXPECT_EQ(bytes, (Bytes{3, 0, 0, 0, 'a', 'b', 1, 2}));
    EXPECT_FALSE(out.Seek(9));
    EXPECT_FALSE(out.Ok());
}
