#include "tests/host/builtins/BuiltinsFixture.h"

#include <string>
#include <vector>

namespace {

using vex::host::AnimCurveData;
using vex::host::Scene;
using vex::host::UndoQueue;

class KeyCommandsTest : public BuiltinsFixture {
protected:
    void SetUp() override { Run("createNode transform -n pCube1"); }

    static std::shared_ptr<AnimCurveData> Curve(const std::string& name) {
        const auto node = Scene::Instance().findNode(name);
        return node ? AnimCurveData::Of(*node) : nullptr;
    }
    static std::vector<double> Numbers(const std::string& script) {
        const auto value = Run(script);
        std::vector<double> numbers;
        for (std::size_t i = 0; i < value.Size(); ++i) numbers.push_back(value.At(i).AsDouble());
        return numbers;
    }
    // The numbers a query answers, each within rounding of the frames and units it went through.
    static void ExpectNumbers(const std::string& script, const std::vector<double>& expected) {
        const auto numbers = Numbers(script);
        ASSERT_EQ(numbers.size(), expected.size()) << script;
        for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_NEAR(numbers[i], expected[i], 1e-9) << script;
    }
};

TEST_F(KeyCommandsTest, SetKeyframeMakesTheCurveAndKeysAsScriptsAskEachUndoneInOneStep) {
    const std::string empty = Snapshot();
    const std::size_t entries = UndoQueue::get().size();
    EXPECT_EQ(Number("setKeyframe -t 10 -v 5 -at \"tx\" pCube1"), 1.0);
    EXPECT_EQ(UndoQueue::get().size(), entries + 1);
    const auto curve = Curve("pCube1_translateX");
    ASSERT_TRUE(curve) << "the curve is named after the plug";
    EXPECT_EQ(curve->KeyAt(0).in, AnimCurveData::kClamped);
    Run("setKeyframe -t 20 -v 7 -itt linear -ott step pCube1.tx; setKeyframe -t 10 -v 5 -ott step pCube1.tx");
    EXPECT_DOUBLE_EQ(Number("getAttr -t 15 pCube1.tx"), 5.0) << "the step holds the first key";
    EXPECT_EQ(curve->KeyAt(0).in, AnimCurveData::kClamped) << "only the out tangent was asked for";
    EXPECT_EQ(curve->KeyAt(1).in, AnimCurveData::kLinear);
    EXPECT_EQ(curve->KeyAt(1).out, AnimCurveData::kStep);
    // Without a value the key takes the attribute's own; a key at a taken time replaces that key.
    Run("setAttr pCube1.ry 30; setKeyframe -t 1 -at ry pCube1; setKeyframe -t 20 -v 9 pCube1.tx");
    EXPECT_DOUBLE_EQ(Number("getAttr -t 1 pCube1.ry"), 30.0);
    ASSERT_EQ(curve->size(), 2u);
    EXPECT_EQ(curve->KeyAt(1).out, AnimCurveData::kStep) << "a replaced key keeps its tangents";
    EXPECT_DOUBLE_EQ(Number("getAttr -t 20 pCube1.tx"), 9.0);

    // An object alone keys every keyable channel.
    Run("createNode transform -n ball; currentTime 3");
    EXPECT_GE(Number("setKeyframe ball"), 9.0);
    EXPECT_TRUE(Curve("ball_scaleZ"));
    EXPECT_TRUE(Curve("ball_visibility") || Curve("ball_rotateX"));

    const std::size_t made = UndoQueue::get().size() - entries;
    for (std::size_t i = 0; i < made; ++i) Run("undo");
    EXPECT_EQ(Snapshot(), empty);

    EXPECT_NE(RunFailing("setKeyframe -t 1 -itt bendy pCube1.tx").find("bendy"), std::string::npos);
    EXPECT_NE(RunFailing("setKeyframe -t 1 -at noSuch pCube1").find("noSuch"), std::string::npos);
    EXPECT_NE(RunFailing("setKeyframe -t 1 -v 2 nothing").find("nothing"), std::string::npos);
    EXPECT_EQ(Snapshot(), empty);
}

TEST_F(KeyCommandsTest, KeyframeQueriesCountsTimesAndValuesInARange) {
    Run("setKeyframe -t 1 -v 0 pCube1.tx; setKeyframe -t 10 -v 5 pCube1.tx; setKeyframe -t 20 -v 2 "
        "pCube1.tx");
    Run("setKeyframe -t 15 -v 90 pCube1.ry");
    EXPECT_EQ(Number("keyframe -q -kc pCube1.tx"), 3.0);
    EXPECT_EQ(Number("keyframe -q -kc pCube1"), 4.0) << "an object counts the keys of all its curves";
    EXPECT_EQ(Number("keyframe -q -kc -at tx pCube1"), 3.0);
    EXPECT_EQ(Number("keyframe -q -kc -t \"10:20\" pCube1"), 3.0);
    EXPECT_EQ(Number("keyframe -q -kc -t \"11:\" pCube1.tx"), 1.0);
    EXPECT_EQ(Number("keyframe -q -kc -t 10 pCube1_translateX"), 1.0) << "a curve node names itself";
    ExpectNumbers("keyframe -q -tc -t \":10\" pCube1.tx", {1.0, 10.0});
    ExpectNumbers("keyframe -q -vc -at ry pCube1", {90.0});
    EXPECT_EQ(Number("keyframe -q -sl -kc pCube1"), 0.0) << "no key is ever selected";
    Run("select -r pCube1");
    EXPECT_EQ(Number("keyframe -q -kc"), 4.0) << "the selection stands in for the targets";
    EXPECT_NE(RunFailing("keyframe -q -kc -t \"a:b\" pCube1").find("a:b"), std::string::npos);
}

TEST_F(KeyCommandsTest, KeyframeEditsMoveAndChangeKeysAndUndoInOneStep) {
    Run("setKeyframe -t 1 -v 0 pCube1.tx; setKeyframe -t 10 -v 5 pCube1.tx; setKeyframe -t 20 -v 2 "
        "pCube1.tx");
    Run("setKeyframe -t 5 -v 1 pCube1.ty");
    const std::string before = Snapshot();
    EXPECT_EQ(Number("keyframe -e -r -tc 5 pCube1"), 2.0) << "two curves changed";
    ExpectNumbers("keyframe -q -tc pCube1.tx", {6.0, 15.0, 25.0});
    Run("undo");
    EXPECT_EQ(Snapshot(), before);

    Run("keyframe -e -t \"10:20\" -r -vc 1 pCube1.tx");
    ExpectNumbers("keyframe -q -vc pCube1.tx", {0.0, 6.0, 3.0});
    Run("keyframe -e -t 20 -a -tc 10 -o over pCube1.tx");
    ExpectNumbers("keyframe -q -tc pCube1.tx", {1.0, 10.0});
    ExpectNumbers("keyframe -q -vc pCube1.tx", {0.0, 3.0});
    Run("keyframe -e -t 10 -vc 4 pCube1.tx");
    ExpectNumbers("keyframe -q -vc pCube1.tx", {0.0, 4.0});

    const std::string edited = Snapshot();
    EXPECT_NE(RunFailing("keyframe -e -tc 5 -o slide pCube1").find("slide"), std::string::npos);
    EXPECT_NE(RunFailing("keyframe -e -tc soon pCube1").find("soon"), std::string::npos);
    EXPECT_EQ(Snapshot(), edited);
}

TEST_F(KeyCommandsTest, CutKeyRemovesTheKeysInTheRange) {
    Run("setKeyframe -t 1 -v 0 pCube1.tx; setKeyframe -t 10 -v 5 pCube1.tx; setKeyframe -t 20 -v 2 "
        "pCube1.tx");
    Run("setKeyframe -t 10 -v 3 pCube1.ty");
    const std::string before = Snapshot();
    EXPECT_EQ(Number("cutKey -t \"5:15\" pCube1"), 2.0);
    ExpectNumbers("keyframe -q -tc pCube1.tx", {1.0, 20.0});
    EXPECT_EQ(Number("keyframe -q -kc pCube1.ty"), 0.0);
    Run("undo");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Number("cutKey -cl -at tx pCube1"), 1.0);
    EXPECT_EQ(Number("keyframe -q -kc pCube1"), 1.0);
}

TEST_F(KeyCommandsTest, KeyTangentSetsAndQueriesTypesAnglesAndWeights) {
    Run("setKeyframe -t 0 -v 0 pCube1.tx; setKeyframe -t 24 -v 24 pCube1.tx");
    Run("keyTangent -t 0 -ott linear -itt flat pCube1.tx");
    EXPECT_EQ(Run("keyTangent -q -t 0 -ott pCube1.tx").AsString(), "linear");
    EXPECT_EQ(Run("keyTangent -q -itt pCube1.tx").AsString(), "flat clamped");
    Run("keyTangent -t 24 -ia 0 pCube1.tx");
    EXPECT_EQ(Run("keyTangent -q -t 24 -itt -ott pCube1.tx").AsString(), "fixed fixed") << "locked";
    EXPECT_NEAR(Numbers("keyTangent -q -t 24 -ia pCube1.tx").at(0), 0.0, 1e-9);
    Run("keyTangent -t 24 -l off -oa 30 -ow 2 pCube1.tx");
    const auto out = Numbers("keyTangent -q -t 24 -oa -ow pCube1.tx");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_NEAR(out[0], 30.0, 1e-9);
    EXPECT_NEAR(out[1], 2.0, 1e-9);
    EXPECT_NEAR(Numbers("keyTangent -q -t 24 -ia pCube1.tx").at(0), 0.0, 1e-9) << "unlocked: in stays";
    Run("undo");
    ExpectNumbers("keyTangent -q -t 24 -l pCube1.tx", {1.0});

    const std::string before = Snapshot();
    EXPECT_NE(RunFailing("keyTangent -ia 95 pCube1.tx").find("95"), std::string::npos);
    EXPECT_NE(RunFailing("keyTangent -iw -1 pCube1.tx").find("-1"), std::string::npos);
    EXPECT_EQ(Snapshot(), before);
}

} // namespace
