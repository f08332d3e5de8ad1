#include <gtest/gtest.h>
#include <maya/MAngle.h>
#include <maya/MDGContext.h>
#include <maya/MDistance.h>
#include <maya/MTime.h>

#include <cmath>

namespace {

// Restores the process-wide UI units after each test.
class Units : public ::testing::Test {
protected:
    void TearDown() override {
        MTime::setUIUnit(MTime::kFilm);
        MDistance::setUIUnit(MDistance::kCentimeters);
        MAngle::setUIUnit(MAngle::kDegrees);
    }
};

TEST_F(Units, EveryTimeUnitConvertsThroughSeconds) {
    struct Rate {
        MTime::Unit unit;
        double perSecond;
    };
    const Rate rates[] = {
        {MTime::kHours, 1.0 / 3600}, {MTime::kMinutes, 1.0 / 60},
        {MTime::kSeconds, 1},        {MTime::kMilliseconds, 1000},
        {MTime::kGames, 15},         {MTime::kFilm, 24},
        {MTime::kPALFrame, 25},      {MTime::kNTSCFrame, 30},
        {MTime::kShowScan, 48},      {MTime::kPALField, 50},
        {MTime::kNTSCField, 60},     {MTime::k2FPS, 2},
        {MTime::k3FPS, 3},           {MTime::k4FPS, 4},
        {MTime::k5FPS, 5},           {MTime::k6FPS, 6},
        {MTime::k8FPS, 8},           {MTime::k10FPS, 10},
        {MTime::k12FPS, 12},         {MTime::k16FPS, 16},
        {MTime::k20FPS, 20},         {MTime::k40FPS, 40},
        {MTime::k75FPS, 75},         {MTime::k80FPS, 80},
        {MTime::k100FPS, 100},       {MTime::k120FPS, 120},
        {MTime::k125FPS, 125},       {MTime::k150FPS, 150},
        {MTime::k200FPS, 200},       {MTime::k240FPS, 240},
        {MTime::k250FPS, 250},       {MTime::k300FPS, 300},
        {MTime::k375FPS, 375},       {MTime::k400FPS, 400},
        {MTime::k500FPS, 500},       {MTime::k600FPS, 600},
        {MTime::k750FPS, 750},       {MTime::k1200FPS, 1200},
        {MTime::k1500FPS, 1500},     {MTime::k2000FPS, 2000},
        {MTime::k3000FPS, 3000},     {MTime::k6000FPS, 6000},
    };
    ASSERT_EQ(std::size(rates), 42u); // the units 1 to 42 in order
    for (std::size_t i = 0; i < std::size(rates); ++i) {
        const Rate& r = rates[i];
        EXPECT_EQ(static_cast<int>(r.unit), static_cast<int>(i) + 1);
        EXPECT_NEAR(MTime::unitsPerSecond(r.unit), r.perSecond, r.perSecond * 1e-12);
        const MTime twoSeconds(2.0, MTime::kSeconds);
        EXPECT_NEAR(twoSeconds.as(r.unit), 2.0 * r.perSecond, r.perSecond * 1e-12);
        // Whole units are whole 1/6000 s ticks, so the same moment in another unit compares equal.
        const MTime seven(7.0, r.unit);
        EXPECT_TRUE(seven == MTime(seven.as(MTime::k6000FPS), MTime::k6000FPS)) << i;
        EXPECT_EQ(seven.value(), 7.0);
    }
    EXPECT_EQ(MTime::unitsPerSecond(MTime::kUserDef), 0.0);
    EXPECT_EQ(MTime(3.0, MTime::kSeconds).as(MTime::kInvalid), 0.0);
}

TEST_F(Units, TimeDefaultsToFilmAndFollowsTheUIUnit) {
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
    const MTime frame48(48.0);
    EXPECT_EQ(frame48.unit(), MTime::kFilm);
    EXPECT_EQ(frame48.as(MTime::kSeconds), 2.0);

    ASSERT_TRUE(MTime::setUIUnit(MTime::kNTSCFrame));
    EXPECT_EQ(MTime(30.0).as(MTime::kSeconds), 1.25); // a bare count is film frames, whatever the UI unit
    EXPECT_EQ(MTime().unit(), MTime::kNTSCFrame);
    EXPECT_EQ(frame48.unit(), MTime::kFilm); // existing times keep their unit
    EXPECT_FALSE(MTime::setUIUnit(MTime::kUserDef));
    EXPECT_EQ(MTime::uiUnit(), MTime::kNTSCFrame);

    // Changing a time's unit keeps the moment; frame arithmetic counts in the time's own unit.
    MTime t(1.5, MTime::kSeconds);
    t.setUnit(MTime::kPALFrame);
    EXPECT_EQ(t.value(), 37.5);
    EXPECT_EQ((t + 2.5).as(MTime::kSeconds), 1.6);
    EXPECT_TRUE(MTime(24.0, MTime::kFilm) == MTime(1.0, MTime::kSeconds));
    EXPECT_TRUE(MTime(23.0, MTime::kFilm) < MTime(1.0, MTime::kSeconds));
    EXPECT_EQ((MTime(10.0, MTime::kFilm) - MTime(0.25, MTime::kSeconds)).value(), 4.0);

    MTime when;
    EXPECT_FALSE(MDGContext().getTime(when));
    EXPECT_TRUE(MDGContext::fsNormal.isNormal());
    const MDGContext atTime(MTime(12.0, MTime::kFilm));
    EXPECT_FALSE(atTime.isNormal());
    ASSERT_TRUE(atTime.getTime(when));
    EXPECT_EQ(when.as(MTime::kSeconds), 0.5);
}

TEST_F(Units, DistanceAndAngleConvertBetweenInternalAndUI) {
    EXPECT_EQ(MDistance::uiUnit(), MDistance::kCentimeters);
    EXPECT_EQ(MDistance(1.0, MDistance::kMeters).as(MDistance::uiUnit()), 100.0);
    EXPECT_EQ(MDistance::internalToUI(250.0), 250.0);
    EXPECT_NEAR(MDistance(1.0, MDistance::kInches).asCentimeters(), 2.54, 1e-12);
    EXPECT_NEAR(MDistance(3.0, MDistance::kFeet).as(MDistance::kYards), 1.0, 1e-12);
    EXPECT_NEAR(MDistance(1.0, MDistance::kMiles).as(MDistance::kKilometers), 1.609344, 1e-12);
    EXPECT_NEAR(MDistance(5.0, MDistance::kMillimeters).asCentimeters(), 0.5, 1e-12);

    ASSERT_TRUE(MDistance::setUIUnit(MDistance::kMeters));
    EXPECT_EQ(MDistance(1.0, MDistance::kMeters).as(MDistance::uiUnit()), 1.0);
    EXPECT_EQ(MDistance::internalToUI(250.0), 2.5);
    EXPECT_EQ(MDistance::uiToInternal(2.5), 250.0);
    EXPECT_EQ(MDistance::internalUnit(), MDistance::kCentimeters);
    EXPECT_FALSE(MDistance::setUIUnit(MDistance::kInvalid));

    MStatus status;
    EXPECT_EQ(MDistance(1.0, MDistance::kMeters).as(MDistance::kLast, &status), 0.0);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    MDistance d(2.0, MDistance::kMeters);
    d.setUnit(MDistance::kMillimeters);
    EXPECT_EQ(d.value(), 2000.0);

    EXPECT_EQ(MAngle::uiUnit(), MAngle::kDegrees);
    EXPECT_NEAR(MAngle(M_PI).asDegrees(), 180.0, 1e-12);
    EXPECT_NEAR(MAngle(1.0, MAngle::kDegrees).asAngMinutes(), 60.0, 1e-9);
    EXPECT_NEAR(MAngle::uiToInternal(90.0), M_PI / 2, 1e-12);
    EXPECT_EQ(MAngle(33.0, MAngle::kDegrees).asDegrees(), 33.0); // same unit: untouched
}

} // namespace
