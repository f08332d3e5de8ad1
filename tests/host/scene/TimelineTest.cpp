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
        Scene::instance().reset();
        MTime::setUIUnit(MTime::kFilm);
        timeline.reset();
        timeline.setMinTime(frame(1));
        timeline.setMaxTime(frame(3));
        timeline.setCurrentTime(frame(1));
    }
    void TearDown() override { timeline.reset(); }

    static double frame(double f) { return f / 24.0; }
    // The frames reached by the given number of steps.
    std::vector<double> steps(int count) {
        std::vector<double> frames;
        for (int i = 0; i < count; ++i) {
            timeline.step();
            frames.push_back(timeline.currentTime() * 24.0);
        }
        return frames;
    }

    Timeline& timeline = Timeline::instance();
};

TEST_F(TimelineTest, OscillationTurnsAtBothEnds) {
    timeline.setMode(Timeline::Mode::Oscillate);
    timeline.play(true);
    const std::vector<double> expected{2, 3, 2, 1, 2, 3};
    const auto frames = steps(6);
    ASSERT_EQ(frames.size(), expected.size());
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_NEAR(frames[i], expected[i], 1e-9) << i;
}

TEST_F(TimelineTest, BackwardsLoopsAndStepsCountInUIFrames) {
    timeline.play(false);
    const auto frames = steps(3);
    EXPECT_NEAR(frames[0], 3.0, 1e-9); // 0 is before the range: the loop goes round to its end
    EXPECT_NEAR(frames[1], 2.0, 1e-9);
    EXPECT_NEAR(frames[2], 1.0, 1e-9);

    // Two NTSC frames per step (1/15 s), the range given in seconds.
    MTime::setUIUnit(MTime::kNTSCFrame);
    timeline.setMinTime(0.0);
    timeline.setMaxTime(1.0);
    timeline.setCurrentTime(0.0);
    timeline.setPlaybackBy(2.0);
    timeline.play(true);
    timeline.step();
    EXPECT_NEAR(timeline.currentTime(), 1.0 / 15.0, 1e-12);
    MTime::setUIUnit(MTime::kFilm);
}

TEST_F(TimelineTest, PlayingStateDrivesTheConditionOnlyOnChanges) {
    auto& hub = MessageHub::get();
    timeline.play(true);
    timeline.play(false); // a change of direction is not a new start
    EXPECT_TRUE(hub.condition("playingBack"));
    timeline.stop();
    timeline.stop();
    EXPECT_FALSE(hub.condition("playingBack"));
    EXPECT_FALSE(timeline.step());
    // A reset stops playback as well.
    timeline.play(true);
    timeline.reset();
    EXPECT_FALSE(timeline.isPlaying());
    EXPECT_FALSE(hub.condition("playingBack"));
    EXPECT_NEAR(timeline.maxTime(), 1.0, 1e-12); // frame 24 of film
}

} // namespace
} // namespace vex::host
