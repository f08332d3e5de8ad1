#include "host/gui/Timeline.h"
#include "tests/host/gui/HostGuiFixture.h"
#include "tests/support/Screenshot.h"

#include <QElapsedTimer>
#include <QTest>

using vex::host::gui::Timeline;
using Button = vex::host::gui::Timeline::Button;

namespace {

class TimelineWidgetTest : public HostGuiFixture {
protected:
    TimelineWidgetTest() {
        // A ball whose translate X goes from 0 at frame 1 to 10 at frame 11.
        RunAndSettle("createNode transform -n ball; createNode animCurveTL -n ball_tx;"
                     "setAttr -s 2 \".ktv[0:1]\" 1 0 11 10; connectAttr ball_tx.output ball.tx; select ball; "
                     "currentTime 1");
        timeline_.resize(720, 40);
        timeline_.show();
        Settle();
    }
    ~TimelineWidgetTest() override { vex::host::Timeline::Instance().stop(); }

    static double frame() { return RunAndSettle("currentTime -q").AsDouble(); }
    static double BallX() { return RunAndSettle("getAttr ball.tx").AsDouble(); }

    void Click(Button which) {
        QTest::mouseClick(&timeline_.button(which), Qt::LeftButton);
        Settle();
    }

    Timeline timeline_;
};

TEST_F(TimelineWidgetTest, ScrubbingWithKeysAndMouseMovesTheTimeAndTheKeyedValue) {
    vex::host::gui::TimeSlider& slider = timeline_.Slider();
    const std::size_t undoSteps = vex::host::UndoQueue::get().size();
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_End);
    Settle();
    EXPECT_DOUBLE_EQ(frame(), 24.0);
    EXPECT_DOUBLE_EQ(BallX(), 10.0);
    QTest::keyClick(&slider, Qt::Key_Home);
    QTest::keyClick(&slider, Qt::Key_Right);
    Settle();
    EXPECT_DOUBLE_EQ(frame(), 2.0);
    EXPECT_EQ(timeline_.FrameField().text(), "2");

    // Dragging the handle to frame 6 puts the time there, the ball half way.
    const QPoint from(slider.PositionOf(2), slider.height() / 2),
        to(slider.PositionOf(6), slider.height() / 2);
    QTest::mousePress(&slider, Qt::LeftButton, {}, from);
    QTest::mouseMove(&slider, to);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, to);
    Settle();
    EXPECT_DOUBLE_EQ(frame(), 6.0);
    EXPECT_GT(BallX(), 0.0);
    EXPECT_LT(BallX(), 10.0);
    // Scrubbing is not kept for undo.
    EXPECT_EQ(vex::host::UndoQueue::get().size(), undoSteps);

    // A time set by command moves the handle.
    RunAndSettle("currentTime 9");
    EXPECT_EQ(slider.value(), 9);
    EXPECT_EQ(timeline_.FrameField().text(), "9");
}

TEST_F(TimelineWidgetTest, TicksShowTheKeysOfTheSelectedNodes) {
    EXPECT_EQ(timeline_.Slider().KeyFrames(), (std::vector<double>{1.0, 11.0}));
    EXPECT_TRUE(vex::test::SaveScreenshot(timeline_, "timeline"));
    RunAndSettle("createNode transform -n box; select box");
    EXPECT_TRUE(timeline_.Slider().KeyFrames().empty());
    RunAndSettle("connectAttr ball_tx.output box.ty; select ball box");
    EXPECT_EQ(timeline_.Slider().KeyFrames(), (std::vector<double>{1.0, 11.0}));
}

TEST_F(TimelineWidgetTest, TheRangeFollowsTheHostAndTypedEnds) {
    RunAndSettle("playbackOptions -min 5 -max 30");
    EXPECT_EQ(timeline_.Slider().minimum(), 5);
    EXPECT_EQ(timeline_.Slider().maximum(), 30);
    EXPECT_EQ(timeline_.StartField().text(), "5");

    vex::host::gui::NumberField& end = timeline_.EndField();
    end.setFocus();
    end.selectAll();
    QTest::keyClicks(&end, "40.5");
    QTest::keyClick(&end, Qt::Key_Return);
    Settle();
    EXPECT_DOUBLE_EQ(RunAndSettle("playbackOptions -q -max").AsDouble(), 40.5);
    EXPECT_EQ(timeline_.Slider().maximum(), 41);
    EXPECT_EQ(end.text(), "40.5");
    // Text that is no number changes nothing and shows the value again.
    end.selectAll();
    QTest::keyClicks(&end, "4O");
    QTest::keyClick(&end, Qt::Key_Return);
    Settle();
    EXPECT_DOUBLE_EQ(RunAndSettle("playbackOptions -q -max").AsDouble(), 40.5);
    EXPECT_EQ(end.text(), "40.5");
}

TEST_F(TimelineWidgetTest, StepButtonsStayInsideTheRange) {
    Click(Button::kStepForward);
    EXPECT_DOUBLE_EQ(frame(), 2.0);
    Click(Button::kStepBack);
    Click(Button::kStepBack);
    EXPECT_DOUBLE_EQ(frame(), 1.0);
    Click(Button::kToEnd);
    Click(Button::kStepForward);
    EXPECT_DOUBLE_EQ(frame(), 24.0);
    Click(Button::kToStart);
    EXPECT_DOUBLE_EQ(frame(), 1.0);
}

TEST_F(TimelineWidgetTest, PlayingAdvancesInRealTimeUntilStopped) {
    // 24 frames a second: about 7 frames in 300 ms, never more than the clock allows.
    QElapsedTimer clock;
    clock.start();
    Click(Button::kPlay);
    EXPECT_TRUE(vex::host::Timeline::Instance().IsPlaying());
    QTest::qWait(300);
    const double played = frame() - 1.0;
    EXPECT_LE(played, static_cast<double>(clock.elapsed()) * 24.0 / 1000.0 + 1.0);
    EXPECT_GE(played, 3.0);
    Click(Button::kPlay);
    EXPECT_FALSE(vex::host::Timeline::Instance().IsPlaying());
    const double stopped = frame();
    QTest::qWait(100);
    EXPECT_DOUBLE_EQ(frame(), stopped);

    // The play command starts the same stepping.
    RunAndSettle("play -st true");
    QTest::qWait(200);
    EXPECT_GT(frame(), stopped);
    RunAndSettle("play -st false");
}

} // namespace
