#include "plugins/sinusoid/CMesh_SinusMesh.h"
#include "plugins/sinusoid/SinusWave.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

TEST(SinusoidWave, SettingsFollowTheUserValueFromTheKeyOneFrameEarlierAndAreKeyedAtT) {
    util::AVar_Linear<double> setting(1.0);
    setting.set(0.0, 1.0);
    // One 0.04 s frame is two sub-steps of half a reference frame: 1 → 1.5 → 1.875 toward 3 at 0.5.
    EXPECT_DOUBLE_EQ(FollowSetting(setting, 3.0, 0.5, 0.04, 0.04), 1.875);
    EXPECT_EQ(setting.GetKeyCount(), 2);
    EXPECT_DOUBLE_EQ(setting.get(0.04), 1.875);
    // The next frame starts from the key just written, not from the first one.
    EXPECT_DOUBLE_EQ(FollowSetting(setting, 3.0, 0.5, 0.08, 0.04), 1.875 + 1.125 * 0.4375);
    // Factors 0 and 1 both take the user value at once.
    EXPECT_EQ(FollowSetting(setting, -2.0, 0.0, 0.12, 0.04), -2.0);
    EXPECT_EQ(FollowSetting(setting, 7.0, 1.0, 0.16, 0.04), 7.0);
    // Before the first key it follows from the default and keys t, the same however often asked.
    util::AVar_Linear<double> fresh(1.0);
    fresh.set(0.04, 5.0);
    EXPECT_DOUBLE_EQ(FollowSetting(fresh, 3.0, 0.5, 0.0, 0.04), 1.875);
    EXPECT_DOUBLE_EQ(FollowSetting(fresh, 3.0, 0.5, 0.0, 0.04), 1.875);
    EXPECT_EQ(fresh.GetKeyCount(), 2);
    EXPECT_DOUBLE_EQ(fresh.get(0.0), 1.875);
}

TEST(SinusoidWave, ValueIsAmplitudeTimesSineOfFrequencyTimesHostTime) {
    EXPECT_DOUBLE_EQ(WaveValue(2.0, 3.0, 0.25, false), 2.0 * std::sin(0.75));
    EXPECT_DOUBLE_EQ(WaveValue(1.0, std::numbers::pi, 1.5, false), -1.0);
    EXPECT_DOUBLE_EQ(WaveValue(1.0, std::numbers::pi, 1.5, true), 1.0);
    EXPECT_DOUBLE_EQ(WaveValue(-2.0, 1.0, std::numbers::pi / 2, true), 2.0);
}

TEST(SinusoidWave, PointLiesAlongTheReferenceYRowAndIsDividedByW) {
    util::Matrix<double> m;
    // y-axis of the reference along world -x, origin at (2, 3, 4).
    m.m[1][0] = -1.0;
    m.m[1][1] = 0.0;
    m.m[3][0] = 2.0;
    m.m[3][1] = 3.0;
    m.m[3][2] = 4.0;
    const util::Vector3<double> p = PointOnReferenceAxis(m, 0.5);
    EXPECT_EQ(p.x, 1.5);
    EXPECT_EQ(p.y, 3.0);
    EXPECT_EQ(p.z, 4.0);

    m.m[1][3] = 1.0; // w = 0.5·1 + 1
    EXPECT_EQ(PointOnReferenceAxis(m, 0.5).x, 1.0);
    m.m[3][3] = -0.5; // w = 0 is taken as 1
    EXPECT_EQ(PointOnReferenceAxis(m, 0.5).x, 1.5);
}

TEST(SinusoidWave, HelperIsARibbonAlongOnePeriod) {
    const util::CMeshSinusMesh mesh;
    constexpr int kN = util::CMeshSinusMesh::kSegments;
    ASSERT_EQ(mesh.vertices.size(), 2u * (kN + 1));
    EXPECT_EQ(mesh.GetTriangleCount(), 2u * kN);
    EXPECT_EQ(mesh.texFaces.size(), mesh.faces.size());
    // The crest at x = 0.5 and the trough at x = -0.5, each a tenth of a unit wide.
    const auto& trough = mesh.vertices[2 * (kN / 4)];
    EXPECT_DOUBLE_EQ(trough.x, -0.5);
    EXPECT_DOUBLE_EQ(trough.y, -0.55);
    EXPECT_DOUBLE_EQ(mesh.vertices[2 * (3 * kN / 4) + 1].y, 0.55);
    for (int32_t index : mesh.faces) EXPECT_LT(index, static_cast<int32_t>(mesh.vertices.size()));
}

} // namespace
} // namespace vex::orb::addon
