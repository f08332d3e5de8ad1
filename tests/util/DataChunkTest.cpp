#include "util/DataChunk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using vex::util::DataChunk;

namespace {

using Bytes = std::vector<uint8_t>;

void AppendInt(Bytes& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(u >> shift));
}

void AppendHeader(Bytes& out, int32_t dataSize, int32_t childCount, int32_t nameLength) {
    AppendInt(out, dataSize);
    AppendInt(out, childCount);
    AppendInt(out, nameLength);
}

// Parses from a heap block of exactly `length` bytes, so a read past the end trips the sanitizer.
std::optional<DataChunk> ParseExact(const Bytes& bytes, size_t length) {
    auto block = std::make_unique<uint8_t[]>(length == 0 ? 1 : length);
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length), block.get());
    return DataChunk::FromBytes(block.get(), length);
}

DataChunk SampleTree() {
    DataChunk root("ToolDataChunk", nullptr, 0);
    root.AddChild(DataChunk::Make("cTool.fSpeed", 12.5));
    root.AddChild(DataChunk::Make("cTool.bOn", true));
    DataChunk nested("cTool.sWheels", "wh", 2);
    nested.AddChild(DataChunk::Make("front", int32_t{-7}));
    nested.AddChild(DataChunk("rear", nullptr, 0));
    root.AddChild(std::move(nested));
    root.AddChild(DataChunk::Make("cTool.iCount", int32_t{3}));
    return root;
}

} // namespace

TEST(DataChunk, EmptyChunkIsHeaderPlusName) {
    EXPECT_EQ(DataChunk().Serialize(), Bytes(12, 0));
    const Bytes expected = {0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c'};
    EXPECT_EQ(DataChunk("abc", nullptr, 0).Serialize(), expected);
    EXPECT_EQ(DataChunk("abc", nullptr, 0).GetSerializedSize(), expected.size());
}

TEST(DataChunk, SerializesSmallTreeToExactBytes) {
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
    AppendHeader(expected, 0, 1, 2);
    expected.insert(expected.end(), {'b', 'c'});
    AppendHeader(expected, 1, 0, 0);
    expected.push_back(0x7F);
    EXPECT_EQ(root.Serialize(), expected);
}

TEST(DataChunk, NameOf256BytesParsesAnd257Fails) {
    for (int32_t length : {256, 257}) {
        Bytes bytes;
        AppendHeader(bytes, 0, 0, length);
        bytes.insert(bytes.end(), static_cast<size_t>(length), 'n');
        auto parsed = DataChunk::FromBytes(bytes);
        if (length == 256) {
            ASSERT_TRUE(parsed);
            EXPECT_EQ(parsed->GetName(), std::string(256, 'n'));
        } else {
            EXPECT_FALSE(parsed);
        }
    }
    // A longer name given in memory is cut, so what is saved is what is held.
    DataChunk longName(std::string(300, 'x'), nullptr, 0);
    EXPECT_EQ(longName.GetName().size(), 256u);
    EXPECT_EQ(DataChunk::FromBytes(longName.Serialize())->GetName(), longName.GetName());
}

TEST(DataChunk, RejectsMalformedHeaders) {
    const int32_t big = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t dataSize, childCount, nameLength;
    } headers[] = {{-1, 0, 0}, {0, -1, 0}, {0, 0, -1}, {big, 0, 0}, {0, big, 0}, {0, 0, big}, {4, 0, 0}};
    for (const auto& h : headers) {
        Bytes bytes;
        AppendHeader(bytes, h.dataSize, h.childCount, h.nameLength);
        bytes.insert(bytes.end(), 3, 0); // fewer bytes than any of the headers announces
        EXPECT_FALSE(DataChunk::FromBytes(bytes)) << h.dataSize << " " << h.childCount << " " << h.nameLength;
    }
    EXPECT_FALSE(DataChunk::FromBytes(nullptr, 0));
    // A child count that fits in the remaining bytes only if children were smaller than a header.
    Bytes bytes;
    AppendHeader(bytes, 0, 2, 0);
    AppendHeader(bytes, 0, 0, 0);
    bytes.insert(bytes.end(), 11, 0);
    EXPECT_FALSE(DataChunk::FromBytes(bytes));
}

TEST(DataChunk, TruncatedRecordFailsAtEveryLength) {
    const Bytes bytes = SampleTree().Serialize();
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_FALSE(ParseExact(bytes, length)) << "length " << length;
    EXPECT_TRUE(ParseExact(bytes, bytes.size()));
}

TEST(DataChunk, ParseReportsWhereTheChunkEnds) {
    Bytes bytes = SampleTree().Serialize();
    const size_t size = bytes.size();
    bytes.insert(bytes.end(), {1, 2, 3});
    DataChunk chunk;
    EXPECT_EQ(chunk.Parse(bytes.data(), bytes.data() + bytes.size()), bytes.data() + size);
    EXPECT_EQ(chunk, SampleTree());

    // A failed parse leaves the chunk as it was; the parsing constructor gives an empty chunk.
    EXPECT_EQ(chunk.Parse(bytes.data(), bytes.data() + size - 1), nullptr);
    EXPECT_EQ(chunk, SampleTree());
    EXPECT_EQ(chunk.Parse(nullptr, nullptr), nullptr);
    const DataChunk failed(bytes.data(), size - 1);
    EXPECT_EQ(failed, DataChunk());
    const DataChunk parsed(bytes.data(), bytes.size());
    EXPECT_EQ(parsed, SampleTree());
}

TEST(DataChunk, NestingDepthIsLimited) {
    auto chain = [](int levels) {
        Bytes bytes;
        for (int i = 0; i < levels; ++i) AppendHeader(bytes, 0, i + 1 < levels ? 1 : 0, 0);
        return bytes;
    };
    EXPECT_TRUE(DataChunk::FromBytes(chain(DataChunk::kMaxDepth)));
    EXPECT_FALSE(DataChunk::FromBytes(chain(DataChunk::kMaxDepth + 1)));
    EXPECT_FALSE(DataChunk::FromBytes(chain(200000)));
}

TEST(DataChunk, FindChildReturnsFirstMatchOrSharedEmptyChunk) {
    DataChunk root("root", nullptr, 0);
    root.AddChild(DataChunk::Make("field", int32_t{1}));
    root.AddChild(DataChunk::Make("field", int32_t{2}));
    root.AddChild(DataChunk::Make("fiel", int32_t{3}));

    int32_t value = 0;
    EXPECT_TRUE(root.FindChild("field").Read(value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(root.FindChild("fiel").Read(value));
    EXPECT_EQ(value, 3);

    const DataChunk& missing = root.FindChild("missing");
    EXPECT_EQ(missing.GetSize(), 0u);
    EXPECT_EQ(missing.GetChildCount(), 0u);
    EXPECT_TRUE(missing.GetName().empty());
    EXPECT_EQ(&root.FindChild("other"), &missing);
    EXPECT_EQ(&DataChunk().FindChild(""), &missing);
    EXPECT_EQ(&root.GetChild(3), &missing);
    EXPECT_EQ(&root.GetChild(2), &root.FindChild("fiel"));
}

TEST(DataChunk, RoundTripKeepsNamesPayloadsAndOrder) {
    const DataChunk tree = SampleTree();
    const auto parsed = DataChunk::FromBytes(tree.Serialize());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, tree);
    ASSERT_EQ(parsed->GetChildCount(), 4u);
    const char* names[] = {"cTool.fSpeed", "cTool.bOn", "cTool.sWheels", "cTool.iCount"};
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(parsed->GetChild(i).GetName(), names[i]);
    const DataChunk& wheels = parsed->GetChild(2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(wheels.GetData()), wheels.GetSize()), "wh");
    ASSERT_EQ(wheels.GetChildCount(), 2u);
    EXPECT_EQ(wheels.GetChild(0).GetName(), "front");
    EXPECT_EQ(wheels.GetChild(1).GetName(), "rear");
    EXPECT_EQ(parsed->Serialize(), tree.Serialize());
}

TEST(DataChunk, CopiesAreDeep) {
    DataChunk original = SampleTree();
    const DataChunk copy = original;
    original.AddChild(DataChunk("extra", nullptr, 0));
    DataChunk assigned;
    assigned = copy;
    EXPECT_EQ(copy, SampleTree());
    EXPECT_EQ(assigned, SampleTree());
    EXPECT_NE(copy.GetChild(2).GetData(), original.GetChild(2).GetData());
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
    struct Pair {
        double a, b;
    } pair{1, 2};
    EXPECT_FALSE(speed.Read(pair));
    EXPECT_EQ(pair.a, 1);
    EXPECT_FALSE(DataChunk().FindChild("speed").Read(d));
    EXPECT_EQ(d, 2.5);
}
