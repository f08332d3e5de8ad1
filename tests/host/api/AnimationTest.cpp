#include "host/scene/Scene.h"
#include "host/scene/Timeline.h"

#include <gtest/gtest.h>
#include <maya/MAngle.h>
#include <maya/MAnimControl.h>
#include <maya/MAnimCurveChange.h>
#include <maya/MAnimUtil.h>
#include <maya/MConditionMessage.h>
#include <maya/MDGContext.h>
#include <maya/MDGModifier.h>
#include <maya/MEventMessage.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>
#include <maya/MTime.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const char* const kChannels[] = {"tx", "ty", "tz", "rx", "ry", "rz", "sx", "sy", "sz"};

class Animation : public ::testing::Test {
protected:
    void SetUp() override {
        vex::host::Scene::Instance().Reset();
        vex::host::Timeline::Instance().Reset();
        MTime::setUIUnit(MTime::kFilm);
        node_ = MFnDependencyNode().create("transform", "cube");
    }
    void TearDown() override {
        vex::host::Timeline::Instance().Reset();
        MTime::setUIUnit(MTime::kFilm);
    }

    MPlug Plug(const char* name) const { return MFnDependencyNode(node_).findPlug(name); }
    static MTime frame(double f) { return MTime(f, MTime::kFilm); }

    // A linear key on the channel at the frame, creating its curve first when it has none.
    void Key(const char* channel, double f, double value, MAnimCurveChange* change = nullptr) {
        MObjectArray curves;
        MFnAnimCurve fn;
        if (MAnimUtil::findAnimation(Plug(channel), curves))
            ASSERT_TRUE(fn.setObject(curves[0]));
        else
            ASSERT_FALSE(fn.create(Plug(channel)).isNull());
        MStatus status;
        fn.addKey(frame(f), value, MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear, change,
                  &status);
        ASSERT_TRUE(status);
    }

    MObject node_;
};

TEST_F(Animation, KeyedChannelsReadBackExactlyAtKeysAndLinearlyBetween) {
    for (int c = 0; c < 9; ++c) {
        Key(kChannels[c], 10, c + 0.5);
        Key(kChannels[c], 20, 10.0 * c - 3.0);
        Key(kChannels[c], 40, -c * 1.25);
    }
    for (int c = 0; c < 9; ++c) {
        const MPlug p = Plug(kChannels[c]);
        EXPECT_EQ(p.asDouble(MDGContext(frame(10))), c + 0.5) << kChannels[c];
        EXPECT_EQ(p.asDouble(MDGContext(frame(20))), 10.0 * c - 3.0) << kChannels[c];
        EXPECT_EQ(p.asDouble(MDGContext(frame(40))), -c * 1.25) << kChannels[c];
        EXPECT_DOUBLE_EQ(p.asDouble(MDGContext(frame(15))), 0.5 * (c + 0.5) + 0.5 * (10.0 * c - 3.0));
        EXPECT_DOUBLE_EQ(p.asDouble(MDGContext(frame(25))), 0.75 * (10.0 * c - 3.0) + 0.25 * (-c * 1.25));
        // Held before the first key and after the last.
        EXPECT_EQ(p.asDouble(MDGContext(frame(-100))), c + 0.5);
        EXPECT_EQ(p.asDouble(MDGContext(frame(1000))), -c * 1.25);
    }
    // Reads without a context follow the current time.
    ASSERT_TRUE(MAnimControl::setCurrentTime(frame(30)));
    EXPECT_DOUBLE_EQ(Plug("ty").asDouble(), 0.5 * 7.0 + 0.5 * -1.25);
    // A key time given in another unit is the same key.
    unsigned int index = 99;
    MFnAnimCurve curve(Plug("tz"));
    EXPECT_TRUE(curve.find(MTime(20.0 / 24.0, MTime::kSeconds), index));
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(curve.time(2).value(), 40.0);
    EXPECT_EQ(curve.time(2).unit(), MTime::kFilm);
}

TEST_F(Animation, CurvesSuitTheirChannelsAndAreFoundFromThePlug) {
    Key("tx", 1, 1.0);
    Key("rx", 1, 1.0);
    Key("sx", 1, 1.0);
    EXPECT_EQ(MFnAnimCurve(Plug("tx")).animCurveType(), MFnAnimCurve::kAnimCurveTL);
    EXPECT_EQ(MFnAnimCurve(Plug("rx")).animCurveType(), MFnAnimCurve::kAnimCurveTA);
    EXPECT_EQ(MFnAnimCurve(Plug("sx")).animCurveType(), MFnAnimCurve::kAnimCurveTU);
    EXPECT_EQ(MFnAnimCurve(Plug("tx")).name(), "cube_translateX");

    MObjectArray curves;
    EXPECT_TRUE(MAnimUtil::findAnimation(Plug("translate"), curves));
    EXPECT_EQ(curves.length(), 1u);
    EXPECT_FALSE(MAnimUtil::findAnimation(Plug("ty"), curves));
    EXPECT_TRUE(MAnimUtil::isAnimated(node_));

    // A plug already driven cannot get a second curve.
    MStatus status;
    MFnAnimCurve().create(Plug("tx"), nullptr, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(Animation, CurveChangeUndoesAndRedoesKeyEdits) {
    Key("tx", 1, 1.0);
    Key("tx", 5, 5.0);
    MFnAnimCurve curve(Plug("tx"));

    MAnimCurveChange change;
    curve.addKey(frame(3), 30.0, MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear, &change);
    curve.addKey(frame(5), 50.0, MFnAnimCurve::kTangentStep, MFnAnimCurve::kTangentStep, &change); // replaces
    ASSERT_TRUE(curve.setValue(0, -1.0, &change));
    ASSERT_TRUE(curve.setTime(0, frame(2), &change));
    ASSERT_TRUE(curve.remove(1, &change));                                      // the key at frame 3
    EXPECT_EQ(curve.setTime(0, frame(5), &change), MStatus::kInvalidParameter); // occupied
    ASSERT_EQ(curve.numKeys(), 2u);

    ASSERT_TRUE(change.undoIt());
    ASSERT_EQ(curve.numKeys(), 2u);
    EXPECT_EQ(curve.time(0).value(), 1.0);
    EXPECT_EQ(curve.value(0), 1.0);
    EXPECT_EQ(curve.value(1), 5.0);
    EXPECT_EQ(curve.outTangentType(1), MFnAnimCurve::kTangentLinear);
    EXPECT_DOUBLE_EQ(Plug("tx").asDouble(MDGContext(frame(3))), 3.0);

    ASSERT_TRUE(change.redoIt());
    ASSERT_EQ(curve.numKeys(), 2u);
    EXPECT_EQ(curve.time(0).value(), 2.0);
    EXPECT_EQ(curve.value(0), -1.0);
    EXPECT_EQ(curve.value(1), 50.0);
    EXPECT_EQ(curve.inTangentType(1), MFnAnimCurve::kTangentStep);

    // Edits made without the change object are not part of it.
    curve.addKey(frame(9), 9.0);
    change.undoIt();
    EXPECT_EQ(curve.numKeys(), 3u);
}

TEST_F(Animation, CurveCreatedThroughAModifierIsUndoneWithIt) {
    MDGModifier modifier;
    MFnAnimCurve curve;
    MStatus status;
    const MObject created = curve.create(Plug("ry"), &modifier, &status);
    ASSERT_TRUE(status);
    curve.addKey(frame(1), 0.5);
    EXPECT_TRUE(MAnimUtil::isAnimated(Plug("ry")));

    ASSERT_TRUE(modifier.undoIt());
    EXPECT_FALSE(MAnimUtil::isAnimated(Plug("ry")));
    EXPECT_EQ(Plug("ry").asDouble(), 0.0);
    ASSERT_TRUE(modifier.doIt());
    EXPECT_EQ(Plug("ry").asDouble(), 0.5); // the very same curve, keys and all
    EXPECT_EQ(MFnAnimCurve(Plug("ry")).object(), created);
}

TEST_F(Animation, KeyListsQueriesAndRefusedEdits) {
    Key("sy", 1, 2.0);
    Key("rz", 1, 0.5);
    MFnAnimCurve curve(Plug("sy"));

    MTimeArray times;
    MDoubleArray values;
    for (int f : {4, 2, 8}) {
        times.append(frame(f));
        values.append(f * 10.0);
    }
    ASSERT_TRUE(curve.addKeys(&times, &values, MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear));
    ASSERT_EQ(curve.numKeys(), 3u); // the key at frame 1 was replaced by the list
    EXPECT_EQ(curve.time(0).value(), 2.0);
    EXPECT_EQ(curve.findClosest(frame(6.5)), 2u);
    EXPECT_EQ(curve.findClosest(frame(5.5)), 1u);
    EXPECT_FALSE(curve.isStatic());
    times.append(frame(9));
    EXPECT_EQ(curve.addKeys(&times, &values), MStatus::kInvalidParameter); // lengths differ
    ASSERT_TRUE(
        curve.addKeys(&times, &values, MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear, true)
            .error()); // still refused, nothing kept half-done
    EXPECT_EQ(curve.numKeys(), 3u);

    MStatus status;
    curve.value(3, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(curve.remove(3), MStatus::kInvalidParameter);
    EXPECT_EQ(curve.setValue(7, 1.0), MStatus::kInvalidParameter);
    EXPECT_EQ(curve.evaluate(frame(3)), 30.0);

    // The node's animated plugs are its driven leaf plugs.
    MPlugArray animated;
    ASSERT_TRUE(MAnimUtil::findAnimatedPlugs(node_, animated));
    ASSERT_EQ(animated.length(), 2u);
    EXPECT_EQ(animated[0].partialName(), "rz");
    EXPECT_EQ(animated[1].partialName(), "sy");

    // A function set on a plug without a curve, or on a node that is no curve, is empty.
    MFnAnimCurve none(Plug("tx"), &status);
    EXPECT_FALSE(status);
    EXPECT_EQ(none.numKeys(&status), 0u);
    EXPECT_FALSE(status);
    MFnAnimCurve(node_, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(Animation, DeletedCurvesLetGoOfThePlugAndComeBackWithTheirKeys) {
    ASSERT_TRUE(Plug("tx").setValue(7.0));
    Key("tx", 1, 1.0);
    Key("tx", 3, 3.0);
    const MObject curve = MFnAnimCurve(Plug("tx")).object();
    MAnimControl::setCurrentTime(frame(2));
    EXPECT_DOUBLE_EQ(Plug("tx").asDouble(), 2.0);

    MDGModifier modifier;
    ASSERT_TRUE(modifier.deleteNode(curve));
    ASSERT_TRUE(modifier.doIt());
    EXPECT_FALSE(MAnimUtil::isAnimated(Plug("tx")));
    EXPECT_EQ(Plug("tx").asDouble(), 7.0); // the stored value shows again
    ASSERT_TRUE(modifier.undoIt());
    EXPECT_DOUBLE_EQ(Plug("tx").asDouble(), 2.0);
    EXPECT_EQ(MFnAnimCurve(Plug("tx")).numKeys(), 2u);
}

TEST_F(Animation, ConnectedInputReplacesTimeAsTheCurveInput) {
    // A curve whose input is driven by another plug reads its keys at that plug's value (in seconds).
    MFnAnimCurve warp;
    const MObject curve = warp.create(MFnAnimCurve::kAnimCurveTU);
    warp.addKey(MTime(0.0, MTime::kSeconds), 0.0, MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear);
    warp.addKey(MTime(1.0, MTime::kSeconds), 10.0, MFnAnimCurve::kTangentLinear,
                MFnAnimCurve::kTangentLinear);
    MFnDependencyNode curveNode(curve);
    MDGModifier modifier;
    ASSERT_TRUE(modifier.connect(Plug("sx"), curveNode.findPlug("input")));
    ASSERT_TRUE(modifier.connect(curveNode.findPlug("output"), Plug("sz")));
    ASSERT_TRUE(modifier.doIt());

    ASSERT_TRUE(Plug("sx").setValue(0.25));
    EXPECT_DOUBLE_EQ(Plug("sz").asDouble(MDGContext(frame(100))), 2.5);
    ASSERT_TRUE(Plug("sx").setValue(0.5));
    EXPECT_DOUBLE_EQ(Plug("sz").asDouble(), 5.0);
}

void CountCall(void* count) {
    ++*static_cast<int*>(count);
}
void RecordState(bool state, void* states) {
    static_cast<std::vector<bool>*>(states)->push_back(state);
}

TEST_F(Animation, TangentsAsVectorsOrAnglesWithLocksAndUndo) {
    Key("ty", 0, 0.0);
    Key("ty", 24, 2.0); // one second, rising 2
    MFnAnimCurve curve(Plug("ty"));
    float x = 0, y = 0;
    ASSERT_TRUE(curve.getTangent(0, x, y, false));
    EXPECT_FLOAT_EQ(y / x, 2.0f) << "a linear tangent points at the next key";
    MAngle angle;
    double weight = 0;
    ASSERT_TRUE(curve.getTangent(0, angle, weight, false));
    EXPECT_NEAR(angle.asRadians(), std::atan(2.0), 1e-6);
    EXPECT_NEAR(weight, std::hypot(x, y), 1e-6);

    MAnimCurveChange change;
    EXPECT_TRUE(curve.tangentsLocked(1));
    ASSERT_TRUE(curve.setTangent(1, 1.0f, 0.0f, true, &change));
    EXPECT_EQ(curve.inTangentType(1), MFnAnimCurve::kTangentFixed);
    EXPECT_EQ(curve.outTangentType(1), MFnAnimCurve::kTangentFixed) << "locked tangents turn together";
    EXPECT_GT(Plug("ty").asDouble(MDGContext(frame(18))), 1.5 + 0.1) << "flat into the key: above the line";
    ASSERT_TRUE(curve.setTangentsLocked(0, false, &change));
    ASSERT_TRUE(curve.setAngle(0, MAngle(-45.0, MAngle::kDegrees), false, &change));
    EXPECT_EQ(curve.inTangentType(0), MFnAnimCurve::kTangentLinear) << "unlocked: the in tangent stays";
    ASSERT_TRUE(curve.getTangent(0, angle, weight, false));
    EXPECT_NEAR(angle.asDegrees(), -45.0, 1e-4);
    ASSERT_TRUE(curve.setWeight(0, 3.0, false, &change));
    ASSERT_TRUE(curve.getTangent(0, angle, weight, false));
    EXPECT_NEAR(weight, 3.0, 1e-6);
    EXPECT_NEAR(angle.asDegrees(), -45.0, 1e-4) << "a weight keeps the angle";

    // Refused edits change nothing.
    EXPECT_EQ(curve.setTangent(0, -1.0f, 0.0f, true), MStatus::kInvalidParameter);
    EXPECT_EQ(curve.setAngle(0, MAngle(90.0, MAngle::kDegrees), true), MStatus::kInvalidParameter);
    EXPECT_EQ(curve.setWeight(0, 0.0, true), MStatus::kInvalidParameter);
    EXPECT_EQ(curve.setTangent(7, 1.0f, 1.0f, true), MStatus::kInvalidParameter);
    ASSERT_TRUE(curve.setIsWeighted(true, &change));
    EXPECT_FALSE(curve.setWeight(1, 2.0, true)) << "weights are locked on a weighted curve";

    ASSERT_TRUE(change.undoIt());
    EXPECT_FALSE(curve.isWeighted());
    EXPECT_TRUE(curve.tangentsLocked(0));
    EXPECT_EQ(curve.outTangentType(1), MFnAnimCurve::kTangentLinear);
    EXPECT_DOUBLE_EQ(Plug("ty").asDouble(MDGContext(frame(18))), 1.5);
    ASSERT_TRUE(change.redoIt());
    EXPECT_TRUE(curve.isWeighted());
    EXPECT_EQ(curve.outTangentType(0), MFnAnimCurve::kTangentFixed);
}

TEST_F(Animation, InfinityTypesRepeatOrExtendTheCurveAndUndo) {
    Key("tz", 0, 0.0);
    Key("tz", 12, 1.0);
    Key("tz", 24, 3.0);
    MFnAnimCurve curve(Plug("tz"));
    EXPECT_EQ(curve.preInfinityType(), MFnAnimCurve::kConstant);
    EXPECT_DOUBLE_EQ(Plug("tz").asDouble(MDGContext(frame(36))), 3.0);

    MAnimCurveChange change;
    ASSERT_TRUE(curve.setPostInfinityType(MFnAnimCurve::kCycleRelative, &change));
    ASSERT_TRUE(curve.setPreInfinityType(MFnAnimCurve::kLinear, &change));
    EXPECT_EQ(curve.postInfinityType(), MFnAnimCurve::kCycleRelative);
    EXPECT_DOUBLE_EQ(Plug("tz").asDouble(MDGContext(frame(30))), 3.0 + 0.5);
    EXPECT_DOUBLE_EQ(Plug("tz").asDouble(MDGContext(frame(-12))), -1.0);
    EXPECT_EQ(curve.setPostInfinityType(static_cast<MFnAnimCurve::InfinityType>(2)),
              MStatus::kInvalidParameter);
    EXPECT_EQ(curve.postInfinityType(), MFnAnimCurve::kCycleRelative);

    ASSERT_TRUE(change.undoIt());
    EXPECT_EQ(curve.postInfinityType(), MFnAnimCurve::kConstant);
    EXPECT_EQ(curve.preInfinityType(), MFnAnimCurve::kConstant);
    EXPECT_DOUBLE_EQ(Plug("tz").asDouble(MDGContext(frame(30))), 3.0);
}

TEST_F(Animation, AnimControlRangesTimeAndPlayback) {
    EXPECT_EQ(MAnimControl::minTime().value(), 1.0);
    EXPECT_EQ(MAnimControl::maxTime().value(), 24.0);
    EXPECT_EQ(MAnimControl::minTime().unit(), MTime::kFilm);
    ASSERT_TRUE(MAnimControl::setMinMaxTime(frame(10), frame(12)));
    EXPECT_EQ(MAnimControl::setMinMaxTime(frame(12), frame(10)), MStatus::kInvalidParameter);
    MTime::setUIUnit(MTime::kNTSCFrame);
    EXPECT_EQ(MAnimControl::maxTime().value(), 15.0); // the range stays where it was in time

    int timeChanges = 0;
    std::vector<bool> playing;
    const MCallbackId timeId = MEventMessage::addEventCallback("timeChanged", CountCall, &timeChanges);
    const MCallbackId playId = MConditionMessage::addConditionCallback("playingBack", RecordState, &playing);

    ASSERT_TRUE(MAnimControl::setCurrentTime(MTime(0.4, MTime::kSeconds)));
    EXPECT_EQ(MAnimControl::currentTime().value(), 12.0);
    EXPECT_EQ(timeChanges, 1);

    MTime::setUIUnit(MTime::kFilm);
    MAnimControl::setCurrentTime(frame(11));
    MAnimControl::setPlaybackMode(MAnimControl::kPlaybackLoop);
    ASSERT_TRUE(MAnimControl::playForward());
    EXPECT_TRUE(MAnimControl::isPlaying());
    EXPECT_TRUE(MConditionMessage::getConditionState("playingBack"));
    auto& timeline = vex::host::Timeline::Instance();
    std::vector<double> frames;
    for (int i = 0; i < 3; ++i) {
        timeline.step();
        frames.push_back(MAnimControl::currentTime().value());
    }
    EXPECT_EQ(frames, (std::vector<double>{12, 10, 11}));

    MAnimControl::setPlaybackMode(MAnimControl::kPlaybackOnce);
    timeline.step();
    timeline.step();
    EXPECT_EQ(MAnimControl::currentTime().value(), 12.0);
    EXPECT_FALSE(MAnimControl::isPlaying()); // stopped at the end of the range
    EXPECT_EQ(playing, (std::vector<bool>{true, false}));
    EXPECT_FALSE(timeline.step());

    MMessage::removeCallback(timeId);
    MMessage::removeCallback(playId);
}

} // namespace
