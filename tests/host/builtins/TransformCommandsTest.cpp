// xform, move, rotate and scale: object and world space, absolute and relative, queries, undo.
#include "host/builtins/TransformMath.h"
#include "host/scene/MatrixMath.h"
#include "tests/host/builtins/BuiltinsFixture.h"

#include <cmath>
#include <vector>

namespace {

using vex::host::builtins::Decompose;

void ExpectNumbers(const vex::host::command::Value& value, const std::vector<double>& expected,
                   const std::string& what) {
    ASSERT_EQ(value.Size(), expected.size()) << what << ": " << value.AsString();
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(value.At(i).AsDouble(), expected[i], 1e-9) << what << " [" << i << "]";
}

class TransformCommandsTest : public BuiltinsFixture {
protected:
    // A parent moved to (10, 0, 0), turned 90 degrees about Y and scaled by 2, with a child under it.
    TransformCommandsTest() {
        Run("createNode transform -n rig; createNode transform -n arm -p rig;"
            "setAttr rig.t 10 0 0; setAttr rig.ry 90; setAttr rig.s 2 2 2");
    }

    void Expect(const std::string& script, const std::vector<double>& expected) {
        ExpectNumbers(Run(script), expected, script);
    }
};

TEST_F(TransformCommandsTest, XformQueriesInObjectAndWorldSpace) {
    Run("setAttr arm.t 1 0 0; setAttr arm.rx 30");
    Expect("xform -q -t arm", {1, 0, 0});
    // The parent turns local +X into world -Z and doubles it.
    Expect("xform -q -ws -t arm", {10, 0, -2});
    Expect("xform -q -ro arm", {30, 0, 0});
    Expect("xform -q -s rig", {2, 2, 2});
    Expect("xform -q -ws -s arm", {2, 2, 2});
    Expect("xform -q -m rig", {0, 0, -2, 0, 0, 2, 0, 0, 2, 0, 0, 0, 10, 0, 0, 1});
    Expect("xform -q -ws -piv arm", {10, 0, -2, 10, 0, -2});
    EXPECT_EQ(text("xform -q -roo arm"), "xyz");
    // Lengths answer in the UI unit.
    Run("currentUnit -l mm");
    Expect("xform -q -t arm", {10, 0, 0});
}

TEST_F(TransformCommandsTest, XformEditsWorldPlacementThroughTheParent) {
    Run("xform -ws -t 10 4 -6 arm");
    Expect("xform -q -ws -t arm", {10, 4, -6});
    Expect("getAttr arm.t", {3, 2, 0});
    Run("xform -r -t 1 0 0 arm");
    Expect("xform -q -t arm", {4, 2, 0});
    Run("xform -ws -ro 0 0 0 arm");
    Expect("xform -q -ws -ro arm", {0, 0, 0});
    Expect("xform -q -ro arm", {0, -90, 0});
    Run("xform -s 3 1 1 -roo zyx arm");
    Expect("getAttr arm.s", {3, 1, 1});
    EXPECT_EQ(text("xform -q -roo arm"), "zyx");
    Run("xform -m 1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1 arm");
    Expect("getAttr arm.t", {5, 6, 7});
    Expect("getAttr arm.r", {0, 0, 0});
}

TEST_F(TransformCommandsTest, MoveRotateAndScaleAreAbsoluteUnlessRelative) {
    Run("select -r arm; move 10 0 -4");
    Expect("xform -q -ws -t arm", {10, 0, -4});
    Run("move -r 0 2 0");
    Expect("xform -q -ws -t arm", {10, 2, -4});
    Run("move -os 1 2 3 arm");
    Expect("getAttr arm.t", {1, 2, 3});
    Run("move -r -os 1 0 0 rig");
    Expect("getAttr rig.t", {10, 0, -1}); // along its own X, turned onto -Z
    Run("rotate 0 45 0 arm; rotate -r 0 45 0 arm");
    Expect("getAttr arm.r", {0, 90, 0});
    Run("rotate -ws 0 0 0 arm");
    Expect("xform -q -ws -ro arm", {0, 0, 0});
    Run("scale 2 3 4 arm; scale -r 0.5 0.5 0.5 arm");
    Expect("getAttr arm.s", {1, 1.5, 2});
}

TEST_F(TransformCommandsTest, EachCommandUndoesAsOneStep) {
    ExpectOneUndoStep("xform -ws -t 1 2 3 -ro 10 20 30 -s 2 2 2 arm");
    Run("select -r arm rig");
    ExpectOneUndoStep("move -r 1 1 1");
    ExpectOneUndoStep("rotate -r -ws 0 30 0 arm rig");
    ExpectOneUndoStep("scale 3 3 3 arm");
}

TEST_F(TransformCommandsTest, BadCallsChangeNothing) {
    EXPECT_EQ(Refused("move 1 2 3 nothing"), "line 1: move: No object matches name: nothing");
    EXPECT_EQ(Refused("xform -ws -trans 1 2 3 arm"), "line 1: xform: Invalid flag \"-trans\"");
    EXPECT_EQ(Refused("xform -t 1 2 arm"), "line 1: xform: Flag \"-t\" needs a number, not \"arm\"");
    EXPECT_EQ(Refused("xform -t 1 2"), "line 1: xform: Flag \"-t\" needs an argument");
    EXPECT_EQ(Refused("rotate x 0 0 arm"), "line 1: rotate: Argument \"x\" is not a number");
    Run("select -cl");
    EXPECT_EQ(Refused("scale 1 1 1"), "line 1: scale: No object was given or selected.");
    EXPECT_EQ(Refused("xform -roo abc arm"), "line 1: xform: Invalid rotate order: abc");
    EXPECT_EQ(Refused("xform -q arm"), "line 1: xform: xform -q needs one of -t, -ro, -s, -m, -piv or -roo.");
}

TEST(TransformMath, DecomposeGivesBackTheRotationInEveryOrder) {
    const vex::host::Double3 rotate{0.3, -1.1, 2.4};
    for (int order = 0; order < 6; ++order) {
        const auto matrix = vex::host::ComposeTransform({1, 2, 3}, rotate, {2, 0.5, -3}, order);
        const auto parts = Decompose(matrix, order);
        const auto again = vex::host::ComposeTransform(parts.translate, parts.rotate, parts.scale, order);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(again[i], matrix[i], 1e-9) << "order " << order << " [" << i << "]";
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(parts.translate[i], i + 1.0, 1e-12);
    }
    // Without a mirror the angles themselves come back.
    const auto parts = Decompose(vex::host::ComposeTransform({}, rotate, {1, 1, 1}, 4), 4);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(parts.rotate[i], rotate[i], 1e-9);
}

} // namespace
