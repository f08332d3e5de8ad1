#include "system/adaptors/maya/LensConversion.h"

#include <gtest/gtest.h>

namespace vex::orb::adaptor::maya {
namespace {

TEST(LensConversion, AFieldOfViewBecomesTheFocalLengthThatShowsItAndBack) {
    // A 35 mm lens behind Maya's default 1.417-inch aperture shows about 54.43 degrees.
    EXPECT_NEAR(LensConversion::FocalLength(1.417f, 54.43f), 35.0f, 0.01f);
    EXPECT_NEAR(LensConversion::FieldOfView(1.417f, 35.0f), 54.43f, 0.01f);
    // Wider views need shorter lenses; the round trip holds to single precision.
    EXPECT_LT(LensConversion::FocalLength(1.417f, 90.0f), LensConversion::FocalLength(1.417f, 30.0f));
    for (float fov : {10.0f, 45.0f, 90.0f, 150.0f}) {
        const float back = LensConversion::FieldOfView(0.98f, LensConversion::FocalLength(0.98f, fov));
        EXPECT_NEAR(back, fov, fov * 1e-5f) << fov;
    }
}

} // namespace
} // namespace vex::orb::adaptor::maya
