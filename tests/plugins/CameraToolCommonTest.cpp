#include "plugins/common/CameraPose.h"
#include "plugins/common/ToolEvents.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;

TEST(CameraPose, SplitsAMatrixIntoPoseAndAxisLengthsAndBuildsItBack) {
    const util::Quat<double> q = util::EulerXYZToQuat(V{0.3, -1.1, 0.7});
    const util::Matrix<double> world = util::ToMatrix(util::QTransform<double>{{1, 2, 3}, q}, V{2, 1, 0.5});
    const CameraPose pose = ToCameraPose(world);
    EXPECT_NEAR(pose.axisLengths.x, 2.0, 1e-12);
    EXPECT_NEAR(pose.axisLengths.y, 1.0, 1e-12);
    EXPECT_NEAR(pose.axisLengths.z, 0.5, 1e-12);
    EXPECT_EQ(pose.transform.translation, (V{1, 2, 3}));
    EXPECT_NEAR(std::abs(util::Dot(pose.transform.rotation, q)), 1.0, 1e-12);
    const util::Matrix<double> back = ToWorldMatrix(pose);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(back.m[i][j], world.m[i][j], 1e-12) << i << j;
}

TEST(CameraPose, RescaleBasisSetsEachRowLengthAndLeavesAZeroRowAndTheTranslation) {
    util::Matrix<double> world;
    world.m[0][0] = 4.0;
    world.m[1][1] = 0.0;
    world.m[3][0] = 7.0;
    RescaleBasis(world, V{2, 5, 3});
    EXPECT_EQ(world.m[0][0], 2.0);
    EXPECT_EQ(world.m[1][1], 0.0);
    EXPECT_EQ(world.m[2][2], 3.0);
    EXPECT_EQ(world.m[3][0], 7.0);
}

TEST(ToolEvents, StripsTheUndoAndRedoPrefixesOnly) {
    const ToolEvent undo = ParseToolEvent("REALUNDOHide Helpers");
    EXPECT_EQ(undo.item, "Hide Helpers");
    EXPECT_TRUE(undo.undo);
    EXPECT_FALSE(undo.redo);
    const ToolEvent redo = ParseToolEvent("REALREDOHide Helpers");
    EXPECT_EQ(redo.item, "Hide Helpers");
    EXPECT_TRUE(redo.redo);
    const ToolEvent plain = ParseToolEvent("REALUNDHide");
    EXPECT_EQ(plain.item, "REALUNDHide");
    EXPECT_FALSE(plain.undo || plain.redo);
}

} // namespace
} // namespace vex::orb::addon
