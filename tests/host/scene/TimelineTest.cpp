#include "host/scene/Timeline.h"

#include "host/scene/MessageHub.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>
#include <maya/MTime.h>

#include <vector>

namespace vex::host {
namespace {

class TimelineTest : public ::testing::Test {
protected:
    void SetUp() override {
        Scene::Instance().Reset();
        MTime::setUIUnit(MTime::kFilm);
        timeline_.Reset();
        timeline_.setMinTime(frame(1));
        timeline_.setMaxTime(frame(3));
        timeline_.setCurrentTime(frame(1));
    }
    void TearDown() override { timeline_.Reset(); }

    static double frame(double f) { return f / 24.0; }
    // The frames reached by the given number of steps.
    std::vector<double> Steps(int count) {
        std::vector<double> frames;
        for (int i = 0; i < count; ++i) {
            timeline_.step();
            frames.push_back(timeline_.currentTime() * 24.0);
        }
        return frames;
    }

    Timeline& timeline_ = Timeline::Instance();
};

TEST_F(TimelineTest, OscillationTurnsAtBothEnds) {
    timeline_.SetMode(Timeline::Mode::kOscillate);
    timeline_.Play(true);
    const std::vector<double> expected{2, 3, 2, 1, 2, 3};
    const auto frames = Steps(6);
    ASSERT_EQ(frames.size(), expected.size());
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_NEAR(frames[i], expected[i], 1e-9) << i;
}

TEST_F(TimelineTest, BackwardsLoopsAndStepsCountInUIFrames) {
    timeline_.Play(false);
    const auto frames = Steps(3);
    EXPECT_NEAR(frames[0], 3.0, 1e-9); // 0 is before the range: the loop goes round to its end
    EXPECT_NEAR(frames[1], 2.0, 1e-9);
    EXPECT_NEAR(frames[2], 1.0, 1e-9);

    // Two NTSC frames per step (1/15 s), the range given in seconds.
    MTime::setUIUnit(MTime::kNTSCFrame);
    timeline_.setMinTime(0.0);
    timeline_.setMaxTime(1.0);
    timeline_.setCurrentTime(0.0);
    timeline_.SetPlaybackBy(2.0);
    timeline_.Play(true);
    timeline_.step();
    EXPECT_NEAR(timeline_.currentTime(), 1.0 / 15.0, 1e-12);
    MTime::setUIUnit(MTime::kFilm);
}

TEST_F(TimelineTest, PlayingStateDrivesTheConditionOnlyOnChanges) {
    auto& hub = MessageHub::get();
    timeline_.Play(true);
    timeline_.Play(false); // a change of direction is not a new start
    EXPECT_TRUE(hub.Condition("playingBack"));
    timeline_.stop();
    timeline_.stop();
    EXPECT_FALSE(hub.Condition("playingBack"));
    EXPECT_FALSE(timeline_.step());
    // A reset stops playback as well.
    timeline_.Play(true);
    timeline_.Reset();
    EXPECT_FALSE(timeline_.IsPlaying());
    EXPECT_FALSE(hub.Condition("playingBack"));
    EXPECT_NEAR(timeline_.maxTime(), 1.0, 1e-12); // frame 24 of film
}

} // namespace
} // namespace vex::host
