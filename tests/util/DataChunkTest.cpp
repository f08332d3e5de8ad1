#include "util/DataChunk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using vex::util::DataChunk;

namespace {

using Bytes = std::vector<uint8_t>;

void AppendHeader(Bytes& out, int32_t dataSize, int32_t childCount, int32_t nameLength) {
    for (int32_t v : {dataSize, childCount, nameLength})
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(uint32_t(v) >> shift));
}

DataChunk SampleTree() {
    DataChunk root("ToolDataChunk", nullptr, 0);
    root.AddChild(DataChunk::Make("cTool.fSpeed", 12.5));
    DataChunk nested("cTool.sWheels", "wh", 2);
    nested.AddChild(DataChunk::Make("front", int32_t{-7}));
    nested.AddChild(DataChunk("rear", nullptr, 0));
    root.AddChild(nested);
    root.AddChild(DataChunk::Make("cTool.bOn", true));
    return root;
}

} // namespace

TEST(DataChunk, SerializesToExactBytes) {
    EXPECT_EQ(DataChunk().Serialize(), Bytes(12, 0));

    const uint8_t rootData[] = {0xAA, 0xBB};
    DataChunk root("R", rootData, sizeof rootData);
    root.AddChild(DataChunk::Make("a", int32_t{0x01020304}));
    DataChunk b("bc", nullptr, 0);
    b.AddChild(DataChunk("", "\x7F", 1));
    root.AddChild(b);

    Bytes expected;
    AppendHeader(expected, 2, 2, 1);
    expected.insert(expected.end(), {'R', 0xAA, 0xBB});
    AppendHeader(expected, 4, 0, 1);
    expected.insert(expected.end(), {'a', 0x04, 0x03, 0x02, 0x01});
    AppendHeader(expected, 0, 1, 2); // empty payload: header and name only
    expected.insert(expected.end(), {'b', 'c'});
    AppendHeader(expected, 1, 0, 0);
    expected.push_back(0x7F);
    EXPECT_EQ(root.Serialize(), expected);
    EXPECT_EQ(root.GetSerializedSize(), expected.size());
}

TEST(DataChunk, RejectsMalformedHeaders) {
    for (int32_t length : {256, 257}) {
        Bytes bytes;
        AppendHeader(bytes, 0, 0, length);
        bytes.insert(bytes.end(), static_cast<size_t>(length), 'n');
        EXPECT_EQ(DataChunk::FromBytes(bytes).has_value(), length == 256);
    }
    // Names given in memory are cut to what can be saved.
    EXPECT_EQ(DataChunk(std::string(300, 'x'), nullptr, 0).GetName(), std::string(256, 'x'));

    const int32_t big = std::numeric_limits<int32_t>::max();
    const int32_t headers[][3] = {
        {-1, 0, 0},  {0, -1, 0}, {0, 0, -1}, {big, 0, 0},
        {0, big, 0}, {16, 0, 0}, {0, 2, 0}}; // two children cannot fit in the 15 bytes that follow
    for (const auto& h : headers) {
        Bytes bytes;
        AppendHeader(bytes, h[0], h[1], h[2]);
        bytes.insert(bytes.end(), 15, 0);
        EXPECT_FALSE(DataChunk::FromBytes(bytes)) << h[0] << " " << h[1] << " " << h[2];
    }
    EXPECT_FALSE(DataChunk::FromBytes(nullptr, 0));

    auto chain = [](int levels) {
        Bytes bytes;
        for (int i = 0; i < levels; ++i) AppendHeader(bytes, 0, i + 1 < levels ? 1 : 0, 0);
        return bytes;
    };
    EXPECT_TRUE(DataChunk::FromBytes(chain(DataChunk::kMaxDepth)));
    EXPECT_FALSE(DataChunk::FromBytes(chain(DataChunk::kMaxDepth + 1)));
    EXPECT_FALSE(DataChunk::FromBytes(chain(200000)));
}

TEST(DataChunk, TruncatedRecordFailsAtEveryLength) {
    const Bytes bytes = SampleTree().Serialize();
    for (size_t length = 0; length <= bytes.size(); ++length) {
        // An exactly sized heap block, so a read past the end trips the address sanitizer.
        auto block = std::make_unique<uint8_t[]>(length + (length == 0));
        std::copy_n(bytes.begin(), length, block.get());
        EXPECT_EQ(DataChunk::FromBytes(block.get(), length).has_value(), length == bytes.size()) << length;
    }
}

TEST(DataChunk, ParseStopsAfterTheChunkAndKeepsOldContentOnFailure) {
    Bytes bytes = SampleTree().Serialize();
    const size_t size = bytes.size();
    bytes.insert(bytes.end(), {1, 2, 3});
    DataChunk chunk;
    EXPECT_EQ(chunk.Parse(bytes.data(), bytes.data() + bytes.size()), bytes.data() + size);
    EXPECT_EQ(chunk, SampleTree());
    EXPECT_EQ(chunk.Parse(bytes.data(), bytes.data() + size - 1), nullptr);
    EXPECT_EQ(chunk, SampleTree());
    EXPECT_EQ(DataChunk(bytes.data(), size - 1), DataChunk());
}

TEST(DataChunk, RoundTripKeepsNamesPayloadsAndOrder) {
    const DataChunk tree = SampleTree();
    const auto parsed = DataChunk::FromBytes(tree.Serialize());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, tree);
    ASSERT_EQ(parsed->GetChildCount(), 3u);
    EXPECT_EQ(parsed->GetChild(2).GetName(), "cTool.bOn");
    const DataChunk& wheels = parsed->GetChild(1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(wheels.GetData()), wheels.GetSize()), "wh");
    ASSERT_EQ(wheels.GetChildCount(), 2u);
    EXPECT_EQ(wheels.GetChild(0).GetName(), "front");
    EXPECT_EQ(wheels.GetChild(1).GetName(), "rear");
}

TEST(DataChunk, FindChildReturnsFirstMatchOrSharedEmptyChunk) {
    DataChunk root("root", nullptr, 0);
    for (int32_t i : {1, 2}) root.AddChild(DataChunk::Make("field", i));
    root.AddChild(DataChunk::Make("fiel", int32_t{3}));

    int32_t value = 0;
    EXPECT_TRUE(root.FindChild("field").Read(value));
    EXPECT_EQ(value, 1);
    const DataChunk& missing = root.FindChild("missing");
    EXPECT_EQ(missing, DataChunk());
    EXPECT_EQ(&root.FindChild("other"), &missing);
    EXPECT_EQ(&root.GetChild(3), &missing);
}

TEST(DataChunk, TypedReadNeedsExactSize) {
    const DataChunk speed = DataChunk::Make("speed", 2.5);
    EXPECT_EQ(speed.GetSize(), sizeof(double));
    double d = 0;
    EXPECT_TRUE(speed.Read(d));
    EXPECT_EQ(d, 2.5);
    float f = 7.0f;
    EXPECT_FALSE(speed.Read(f));
    EXPECT_EQ(f, 7.0f);
}
