#include "host/scene/AnimCurveData.h"
#include "host/scene/ScriptEditor.h"
#include "tests/host/file/SceneFileFixture.h"

#include <algorithm>
#include <string>

namespace {

using vex::host::AnimCurveData;
using vex::host::Scene;
using vex::host::ScriptEditor;

// A curve as Maya 2014 writes one: the curve's settings, then the keys, then only the lists and
// settings that differ from the defaults.
const char* const kMayaCurve = "//Maya ASCII 2014 scene\n"
                               "requires maya \"2014\";\n"
                               "currentUnit -l centimeter -a degree -t film;\n"
                               "createNode transform -n \"ball\";\n"
                               "createNode animCurveTL -n \"ball_translateY\";\n"
                               "\tsetAttr \".tan\" 10;\n"
                               "\tsetAttr \".wgt\" no;\n"
                               "\tsetAttr -s 4 \".ktv[0:3]\"  1 0 10 5 20 0 30 2;\n"
                               "\tsetAttr -s 4 \".kit[1:3]\"  1 18 2;\n"
                               "\tsetAttr -s 4 \".kot[1:3]\"  1 5 2;\n"
                               "\tsetAttr -s 4 \".ktl[1]\" no;\n"
                               "\tsetAttr -s 4 \".kwl[0:1]\" no yes;\n"
                               "\tsetAttr -s 4 \".kb[1]\" yes;\n"
                               "\tsetAttr -s 4 \".kix[1]\"  0.5;\n"
                               "\tsetAttr -s 4 \".kiy[1]\"  1;\n"
                               "\tsetAttr -s 4 \".kox[1]\"  0.25;\n"
                               "\tsetAttr -s 4 \".koy[1]\"  -1;\n"
                               "\tsetAttr \".pre\" 1;\n"
                               "\tsetAttr \".pst\" 4;\n"
                               "connectAttr \"ball_translateY.o\" \"ball.ty\";\n";

class CurveAttributesFileTest : public SceneFileFixture {
protected:
    static std::shared_ptr<AnimCurveData> Curve(const std::string& name) {
        const auto node = Scene::Instance().findNode(name);
        return node ? AnimCurveData::Of(*node) : nullptr;
    }

    // The lines of the file from the curve's createNode up to the next createNode or connectAttr.
    static std::string CurveBlock(const std::string& text, const std::string& name) {
        const auto start = text.find("createNode animCurveTL -n \"" + name + "\"");
        if (start == std::string::npos) return {};
        const auto end =
            std::min(text.find("\ncreateNode", start + 1), text.find("\nconnectAttr", start + 1));
        return text.substr(start, end - start + 1);
    }
};

TEST_F(CurveAttributesFileTest, AMayaCurveReadsWithItsTangentsLocksAndInfinity) {
    const std::string file = path("ball.ma");
    WriteFile(file, kMayaCurve);
    ASSERT_TRUE(MFileIO::open(file.c_str(), nullptr, true));
    const auto curve = Curve("ball_translateY");
    ASSERT_TRUE(curve);
    ASSERT_EQ(curve->size(), 4u);
    EXPECT_EQ(curve->DefaultTangent(), AnimCurveData::kClamped);
    EXPECT_FALSE(curve->IsWeighted());
    const auto& keys = curve->Keys();
    EXPECT_EQ(keys[0].in, AnimCurveData::kClamped) << "keys not in a list take the curve's type";
    EXPECT_EQ(keys[1].in, AnimCurveData::kFixed);
    EXPECT_EQ(keys[1].out, AnimCurveData::kFixed);
    EXPECT_EQ(keys[2].in, AnimCurveData::kAuto);
    EXPECT_EQ(keys[2].out, AnimCurveData::kStep);
    EXPECT_EQ(keys[3].in, AnimCurveData::kLinear);
    EXPECT_DOUBLE_EQ(keys[1].inFixed.x, 0.5);
    EXPECT_DOUBLE_EQ(keys[1].inFixed.y, 1.0);
    EXPECT_DOUBLE_EQ(keys[1].outFixed.y, -1.0);
    EXPECT_TRUE(keys[0].tangentsLocked);
    EXPECT_FALSE(keys[1].tangentsLocked);
    EXPECT_FALSE(keys[0].weightsLocked);
    EXPECT_TRUE(keys[1].weightsLocked);
    EXPECT_EQ(curve->PreInfinity(), AnimCurveData::Infinity::kLinear);
    EXPECT_EQ(curve->PostInfinity(), AnimCurveData::Infinity::kCycleRelative);

    // The step out of the third key holds its value; past the keys the cycle climbs by 2 a round.
    EXPECT_DOUBLE_EQ(curve->evaluate(25.0 / 24.0), 0.0);
    EXPECT_NEAR(curve->evaluate(40.0 / 24.0), curve->evaluate(11.0 / 24.0) + 2.0, 1e-9);
}

TEST_F(CurveAttributesFileTest, SavedCurvesAreWrittenAsMayaWritesThemAndReadBackToTheSameText) {
    const std::string maya = path("ball.ma");
    WriteFile(maya, kMayaCurve);
    ASSERT_TRUE(MFileIO::open(maya.c_str(), nullptr, true));
    const std::string first = path("first.ma");
    ASSERT_TRUE(MFileIO::saveAs(first.c_str()));
    const std::string block = CurveBlock(ReadFile(first), "ball_translateY");
    for (const char* line : {"\tsetAttr \".tan\" 10;\n\tsetAttr \".wgt\" no;\n\tsetAttr -s 4 \".ktv[0:3]\"",
                             "\tsetAttr -s 4 \".kit[1:3]\"  1 18 2;\n\tsetAttr -s 4 \".kot[1:3]\"  1 5 2;\n"
                             "\tsetAttr -s 4 \".ktl[1]\" no;\n\tsetAttr -s 4 \".kwl[0]\" no;\n"
                             "\tsetAttr -s 4 \".kix[1]\"  0.5;\n\tsetAttr -s 4 \".kiy[1]\"  1;\n"
                             "\tsetAttr -s 4 \".kox[1]\"  0.25;\n\tsetAttr -s 4 \".koy[1]\"  -1;\n"
                             "\tsetAttr \".pre\" 1;\n\tsetAttr \".pst\" 4;\n"})
        EXPECT_NE(block.find(line), std::string::npos) << line << "\nin\n" << block;

    // Reading what was written and writing it again gives the very same text.
    ASSERT_TRUE(MFileIO::open(first.c_str(), nullptr, true));
    const std::string second = path("second.ma");
    ASSERT_TRUE(MFileIO::saveAs(second.c_str()));
    // Only the lines that name the file differ.
    auto withoutName = [](const std::string& text) {
        const auto start = text.find("//Codeset");
        return text.substr(start, text.rfind("// End of") - start);
    };
    EXPECT_EQ(withoutName(ReadFile(second)), withoutName(ReadFile(first)));
}

TEST_F(CurveAttributesFileTest, BadCurveValuesAreKeptWithAWarningAndLeaveTheCurveAsItWas) {
    const std::string file = path("bad.ma");
    const std::string head = "createNode animCurveTU -n \"c\";\nsetAttr -s 2 \".ktv[0:1]\" 0 1 5 2;\n";
    for (const auto& [line, complaint] : {std::pair{"setAttr -s 2 \".kit[0]\" 4;", "\"4\""},
                                          {"setAttr \".tan\" 2.5;", "\"2.5\""},
                                          {"setAttr \".pre\" 2;", "\"2\""},
                                          {"setAttr \".wgt\" maybe;", "\"maybe\""},
                                          {"setAttr -s 2 \".ktl[0:1]\" no sometimes;", "\"sometimes\""},
                                          {"setAttr -s 2 \".kix[1:2]\" 1 1;", "no key 2"},
                                          {"setAttr \".pst\" 1 3;", "one value"}}) {
        WriteFile(file, head + line + "\n// End of bad.ma\n");
        const std::size_t shown = ScriptEditor::get().Lines().size();
        ASSERT_TRUE(MFileIO::open(file.c_str())) << line;
        const auto& lines = ScriptEditor::get().Lines();
        const auto warning =
            std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(shown), lines.end(),
                         [](const auto& l) { return l.kind == ScriptEditor::Kind::kWarning; });
        ASSERT_NE(warning, lines.end()) << line;
        EXPECT_NE(warning->text.find("line 3: "), std::string::npos) << warning->text;
        EXPECT_NE(warning->text.find(complaint), std::string::npos) << warning->text;
        // The curve has its keys with the defaults, and the line goes back into the file unchanged.
        const auto curve = AnimCurveData::Of(*Scene::Instance().findNode("c"));
        ASSERT_TRUE(curve) << line;
        EXPECT_EQ(curve->size(), 2u);
        EXPECT_FALSE(curve->IsWeighted());
        const std::string again = path("again.ma");
        ASSERT_TRUE(MFileIO::saveAs(again.c_str()));
        EXPECT_NE(ReadFile(again).find(line), std::string::npos) << line;
    }
}

} // namespace
