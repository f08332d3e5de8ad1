#include "tests/util/MathExpect.h"
#include "util/AVar_Latest.h"
#include "util/AVar_Linear.h"
#include "util/AVar_Matrix.h"
#include "util/AVar_Nearest.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <type_traits>
#include <vector>

using namespace vex::util;
using namespace vex::util::test;

namespace {

// Keys at 0, 1 and 3 holding 10, 20 and 40, set out of order.
AVar_Linear<double> ThreeKeys() {
    AVar_Linear<double> v;
    v.set(3.0, 40.0);
    v.set(0.0, 10.0);
    v.set(1.0, 20.0);
    return v;
}

std::vector<double> Times(const AVar<double>& v) {
    std::vector<double> times;
    for (const auto& key : v.GetKeys()) times.push_back(key.time);
    return times;
}

template <typename V, typename T>
V TwoKeys(T first, T second, double end = 1.0) {
    V v;
    v.set(0.0, first);
    v.set(end, second);
    return v;
}

using Bytes = std::vector<uint8_t>;

void Append(Bytes& out, uint64_t bits, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

Bytes Record(int32_t headerSize, int32_t payload, int32_t version, int32_t count,
             std::vector<double> doubles) {
    Bytes out;
    for (int32_t v : {headerSize, payload, version, count}) Append(out, static_cast<uint32_t>(v), 4);
    for (double d : doubles) Append(out, std::bit_cast<uint64_t>(d), 8);
    return out;
}

template <typename T>
Bytes Serialize(const AVar<T>& v) {
    Bytes out(v.getSerializedSize());
    EXPECT_EQ(v.serialize(out.data(), out.size()), out.size());
    return out;
}

// A value of T for key `i`, made from its on-disk bytes: every double is a NaN with a payload (only a
// bit-for-bit copy keeps it) for odd `i`, an ordinary number for even `i`.
template <typename T>
T Sample(int i) {
    uint8_t raw[kAVarDiskSize<T>];
    for (size_t k = 0; k < sizeof raw; ++k)
        raw[k] = k % 8 == 7 ? (i % 2 ? 0x7F : 0x40) : k % 8 == 6 ? 0xF8 : static_cast<uint8_t>(i * 16 + k);
    if constexpr (std::is_same_v<T, bool>) raw[0] = static_cast<uint8_t>(i % 2);
    T value{};
    EXPECT_TRUE(ReadAVarValue(raw, value));
    return value;
}

template <typename V>
class AVarRoundTrip : public testing::Test {};
using AllVariables =
    testing::Types<AVar_Latest<bool>, AVar_Linear<bool>, AVar_Nearest<bool>, AVar_Latest<unsigned char>,
                   AVar_Latest<int32_t>, AVar_Linear<int32_t>, AVar_Linear<double>, AVar_Nearest<double>,
                   AVar_Linear<Vector3<double>>, AVar_Nearest<Vector3<double>>, AVar_Nearest<Quat<double>>,
                   AVar_Nearest<QTransform<double>>, AVar_Matrix>;
TYPED_TEST_SUITE(AVarRoundTrip, AllVariables);

} // namespace

TEST(AVar, FindIndexPicksTheGoverningKey) {
    EXPECT_EQ(AVar_Linear<double>().findIndex(0.0), -1);
    // Before, on and after the keys; exactly half-way the later key; else the nearer one.
    const std::pair<double, int32_t> cases[] = {{-5, 0},  {0, 0}, {1, 1},   {3, 2},   {9, 2},
                                                {0.5, 1}, {2, 2}, {0.4, 0}, {1.9, 1}, {2.1, 2}};
    const auto v = ThreeKeys();
    for (const auto& [t, index] : cases) EXPECT_EQ(v.findIndex(t), index) << t;
}

TEST(AVar, GetHoldsTheEndsAndBlendsThePairAroundT) {
    AVar_Linear<double> v(7.5);
    EXPECT_EQ(v.get(1.0), 7.5); // no keys: the default
    v.set(2.0, -1.0);
    for (double t : {-1e9, 2.0, 1e9}) EXPECT_EQ(v.get(t), -1.0) << t;

    const auto three = ThreeKeys();
    EXPECT_EQ(three.get(-1.0), 10.0);
    EXPECT_EQ(three.get(5.0), 40.0);
    EXPECT_EQ(three.get(0.75), 17.5); // before the nearer key
    EXPECT_EQ(three.get(1.5), 25.0);  // after the nearer key
}

TEST(AVar, SetReplacesOrInsertsAndTruncateForgetsTheFuture) {
    auto v = ThreeKeys();
    EXPECT_EQ(v.set(1.0, 99.0), 99.0);
    EXPECT_EQ(v.GetKeyCount(), 3);
    v.set(2.0, 5.0);
    EXPECT_EQ(Times(v), (std::vector<double>{0, 1, 2, 3}));
    v.truncate(-1);
    EXPECT_EQ(v.GetKeyCount(), 0);

    // TruncateFrom(t) keeps exactly the keys before t, wherever t falls.
    const std::pair<double, std::vector<double>> cases[] = {
        {0.0, {}}, {0.4, {0}}, {0.6, {0}}, {1.0, {0}}, {2.9, {0, 1}}, {3.0, {0, 1}}, {3.5, {0, 1, 3}}};
    for (const auto& [t, kept] : cases) {
        auto w = ThreeKeys();
        w.TruncateFrom(t);
        EXPECT_EQ(Times(w), kept) << t;
    }
}

TEST(AVarFlavours, LatestNearestAndLinear) {
    EXPECT_EQ((TwoKeys<AVar_Latest<int32_t>>(5, 9).get(0.999)), 5);
    const auto nearest = TwoKeys<AVar_Nearest<double>>(1.0, 2.0, 2.0);
    EXPECT_EQ(nearest.get(0.99), 1.0);
    EXPECT_EQ(nearest.get(1.0), 2.0); // half-way: the later key

    EXPECT_EQ((TwoKeys<AVar_Linear<int32_t>>(0, 4).get(0.5)), 2);
    EXPECT_EQ((TwoKeys<AVar_Linear<int32_t>>(0, 1).get(0.9)), 0);
    EXPECT_EQ((TwoKeys<AVar_Linear<int32_t>>(0, -4).get(0.9)), -3); // -3.6 truncates toward zero
    const auto vec =
        TwoKeys<AVar_Linear<Vector3<double>>>(Vector3<double>{0, 10, -2}, Vector3<double>{4, 20, 2}, 4);
    EXPECT_EQ(vec.get(1.0), (Vector3<double>{1, 12.5, -1}));

    // A bool is true unless the blend of 0 and 1 is exactly 0.
    const auto rising = TwoKeys<AVar_Linear<bool>>(false, true);
    EXPECT_FALSE(rising.get(0.0));
    EXPECT_TRUE(rising.get(1e-9));
    const auto falling = TwoKeys<AVar_Linear<bool>>(true, false);
    EXPECT_TRUE(falling.get(0.999999));
    EXPECT_FALSE(falling.get(1.0));
}

TEST(AVarFlavours, MatrixBlendsTranslationScaleAndRotation) {
    const auto rotY = [](double degrees) { return FromRotationVector(V{0, 1, 0} * (degrees * kPi / 180)); };
    const auto v = TwoKeys<AVar_Matrix>(ToMatrix(QTransform<double>{{0, 0, 0}, rotY(0)}, V{1, 1, 1}),
                                        ToMatrix(QTransform<double>{{2, 4, 6}, rotY(90)}, V{3, 1, 2}), 2);
    ExpectNear(v.get(1.0), ToMatrix(QTransform<double>{{1, 2, 3}, rotY(45)}, V{2, 1, 1.5}));

    // 170° and 190° about Y: the shorter arc passes through 180°, not back through 0°.
    ExpectNear(TwoKeys<AVar_Matrix>(ToMatrix(rotY(170)), ToMatrix(rotY(190))).get(0.5), ToMatrix(rotY(180)));
}

TYPED_TEST(AVarRoundTrip, KeysComeBackBitForBit) {
    using T = std::remove_cvref_t<decltype(TypeParam().GetDefault())>;
    TypeParam v;
    for (int i = 0; i < 3; ++i) v.set(i * 1e6 - 1.5, Sample<T>(i));
    const Bytes bytes = Serialize(v);
    ASSERT_EQ(bytes.size(), 16 + 3 * (8 + kAVarDiskSize<T>));

    TypeParam w;
    w.set(42.0, Sample<T>(3));
    ASSERT_TRUE(w.deserialize(bytes.data(), bytes.size()));
    EXPECT_EQ(Serialize(w), bytes);
}

TEST(AVarSerialize, WritesPackedLittleEndianRecords) {
    AVar_Linear<double> linear;
    linear.set(0.5, 2.0);
    linear.set(1.0, -3.0);
    EXPECT_EQ(Serialize(linear), Record(16, 32, 100, 2, {0.5, 2.0, 1.0, -3.0}));

    AVar_Latest<bool> flag;
    flag.set(2.0, true);
    Bytes expected = Record(16, 9, 100, 1, {2.0}); // a bool key is 9 bytes
    expected.push_back(1);
    EXPECT_EQ(Serialize(flag), expected);

    AVar_Nearest<QTransform<double>> pose; // translation, then rotation x, y, z, w
    pose.set(1.0, {{1, 2, 3}, {4, 5, 6, 7}});
    EXPECT_EQ(Serialize(pose), Record(16, 64, 100, 1, {1, 1, 2, 3, 4, 5, 6, 7}));
    AVar_Matrix matrix; // row by row
    matrix.set(0.5, Sample<Matrix<double>>(0));
    std::vector<double> rows = {0.5};
    for (const auto& row : Sample<Matrix<double>>(0).m) rows.insert(rows.end(), row, row + 4);
    EXPECT_EQ(Serialize(matrix), Record(16, 136, 100, 1, rows));

    // A buffer too short for the keys gets the header alone; one too short for that, nothing.
    Bytes buffer(34, 0xEE);
    EXPECT_EQ(flag.serialize(buffer.data(), 24), 25u);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 16), Record(16, 9, 100, 1, {}));
    EXPECT_EQ(buffer[16], 0xEE);
    EXPECT_EQ(flag.serialize(buffer.data() + 20, 15), 25u);
    EXPECT_EQ(buffer[20], 0xEE);
}

TEST(AVarSerialize, RejectsBadRecordsAndKeepsTheVariable) {
    AVar_Latest<bool> source;
    source.set(0.0, true);
    source.set(1.0, false);
    const Bytes good = Serialize(source); // 16 + 2 × 9 bytes

    std::vector<Bytes> bad;
    for (size_t length = 0; length < good.size(); ++length)
        bad.emplace_back(good.begin(), good.begin() + length);
    const auto withHeader = [&](int32_t headerSize, int32_t payload, int32_t version, int32_t count) {
        Bytes b = Record(headerSize, payload, version, count, {});
        b.insert(b.end(), good.begin() + 16, good.end());
        return b;
    };
    bad.push_back(withHeader(20, 18, 100, 2));
    bad.push_back(withHeader(16, 18, 101, 2));
    bad.push_back(withHeader(16, 19, 100, 2));        // payload size does not match the count
    bad.push_back(withHeader(16, 27, 100, 3));        // announces more keys than there are bytes
    bad.push_back(withHeader(16, -9, 100, -1));       // negative count
    bad.push_back(withHeader(16, 5, 100, 477218589)); // count × 9 wraps to 5 in 32 bits
    bad.push_back(good);
    std::fill_n(bad.back().begin() + 25, 8, 0); // second key's time 1.0 becomes 0.0, like the first
    bad.push_back(good);
    bad.back()[22] = 0xF8; // first key's time becomes NaN
    bad.back()[23] = 0x7F;
    bad.push_back(good);
    bad.back()[24] = 2; // a bool byte other than 0 or 1

    for (const Bytes& b : bad) {
        AVar_Latest<bool> v;
        v.set(5.0, true);
        // Each record sits in a buffer of exactly its length, so an overread is a heap overflow.
        EXPECT_FALSE(v.deserialize(b.empty() ? nullptr : b.data(), b.size())) << b.size();
        ASSERT_EQ(v.GetKeyCount(), 1);
        EXPECT_EQ(v.GetKey(0).time, 5.0);
    }

    // Bytes after the record are not part of it.
    Bytes longer = good;
    longer.push_back(0xAB);
    AVar_Latest<bool> v;
    ASSERT_TRUE(v.deserialize(longer.data(), longer.size()));
    EXPECT_EQ(Serialize(v), good);
}
