#include "system/adaptors/maya/HostUnits.h"

#include "util/Matrix.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>
#include <maya/MDistance.h>
#include <maya/MGlobal.h>
#include <maya/MTime.h>

namespace vex::orb::adaptor::maya {
namespace {

using util::Matrix;
using V = util::Vector3<double>;

// Puts the process-wide host settings back after each test.
class HostUnitsTest : public ::testing::Test {
protected:
    void TearDown() override {
        MDistance::setUIUnit(MDistance::kCentimeters);
        MGlobal::setYAxisUp();
    }
};

TEST_F(HostUnitsTest, FrameRatesFollowMayasUnitOrderAndOthersAreZero) {
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::kHours), 1.0 / 3600.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::kFilm), 24.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::kNTSCFrame), 30.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::kNTSCField), 60.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::k2FPS), 2.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::k375FPS), 375.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::k6000FPS), 6000.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::kInvalid), 0.0);
    EXPECT_EQ(HostUnits::FramesPerSecond(MTime::kUserDef), 0.0);
    // Every rate is the host's own idea of the unit.
    for (int unit = MTime::kHours; unit <= MTime::k6000FPS; ++unit) {
        const auto u = static_cast<MTime::Unit>(unit);
        EXPECT_DOUBLE_EQ(HostUnits::FramesPerSecond(u), MTime(1.0, MTime::kSeconds).as(u)) << unit;
    }
}

TEST_F(HostUnitsTest, ZUpCentimetresTurnAndScaleWorldNodesOnlyAndReadBack) {
    ASSERT_TRUE(MDistance::setUIUnit(MDistance::kCentimeters));
    const HostUnits units(HostUnits::MetreInUIUnits());
    EXPECT_EQ(units.GetMetre(), 100.0);

    const Matrix<double> core = util::ToMatrix(util::QTransform<double>{{1, 2, 3}, {}});
    ASSERT_TRUE(MGlobal::setYAxisUp());
    Matrix<double> host = units.ToHost(core, true);
    EXPECT_EQ(host.m[3][0], 100.0);
    EXPECT_EQ(host.m[3][1], 200.0);
    EXPECT_EQ(host.m[3][2], 300.0);

    // Z up: the core's up (y) becomes the host's z, the core's z its −y.
    ASSERT_TRUE(MGlobal::setZAxisUp());
    host = units.ToHost(core, true);
    EXPECT_EQ(host.m[3][0], 100.0);
    EXPECT_EQ(host.m[3][1], -300.0);
    EXPECT_EQ(host.m[3][2], 200.0);
    const Matrix<double> back = units.FromHost(host, true);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(back.m[r][c], core.m[r][c], 1e-12) << r << "," << c;

    // A child of a system node keeps its local matrix as it is, both ways.
    EXPECT_EQ(units.ToHost(core, false), core);
    EXPECT_EQ(units.FromHost(host, false), host);
}

} // namespace
} // namespace vex::orb::adaptor::maya
