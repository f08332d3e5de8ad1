#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"
#include "tests/host/file/SceneFileFixture.h"

#include <maya/MSceneMessage.h>

#include <algorithm>
#include <vector>

namespace {

using vex::host::Scene;

class SceneFileErrorsTest : public SceneFileFixture {
protected:
    // A saved scene to spoil, and a different open scene that must survive the attempts to open it.
    void SetUp() override {
        Run("createNode transform -n \"saved\"; createNode transform -n \"child\" -p \"saved\"; setAttr "
            "saved.tx 4");
        file_ = path("spoilt.ma");
        ASSERT_TRUE(MFileIO::saveAs(file_.c_str()));
        ASSERT_TRUE(MFileIO::newFile(true));
        Run("createNode transform -n \"mine\"; setAttr mine.ry 45; createNode camera -n \"mineShape\" -p "
            "mine; "
            "select mine; currentTime 7");
        ids_.append(MSceneMessage::addCallback(
            MSceneMessage::kBeforeOpen, [](void* data) { ++*static_cast<int*>(data); }, &openMessages_));
    }

    std::string file_;
    int openMessages_ = 0;
};

TEST_F(SceneFileErrorsTest, AMalformedFileIsRefusedNamingItsLineAndTheOpenSceneStays) {
    const std::string before = Scene::Instance().Dump(); // exact: the very same nodes stay
    const std::size_t undoable = vex::host::UndoQueue::get().size();
    const std::string original = ReadFile(file_);
    const struct {
        const char* line;
        const char* reason;
    } spoilt[] = {
        {"setAttr \".tx\" 1 );", "Syntax error"},
        {"createNode transform -n \"x\" -p \"nowhere\";", "createNode: No object matches name: nowhere"},
        {"file -new -f;", "not a command scene files may use"},
        {"loadPlugin \"/tmp/anything.so\";", "not a command scene files may use"},
        {"rename \"saved\" \"other\";", "not a command scene files may use"},
    };
    for (const auto& bad : spoilt) {
        WriteFile(file_, original);
        ReplaceLine(file_, 7, bad.line);
        const MStatus status = MFileIO::open(file_.c_str());
        EXPECT_FALSE(status) << bad.line;
        const std::string text = status.errorString().str();
        EXPECT_NE(text.find(file_ + ": line 7: "), std::string::npos) << text;
        EXPECT_NE(text.find(bad.reason), std::string::npos) << text;
        EXPECT_EQ(Scene::Instance().Dump(), before) << bad.line;
    }
    EXPECT_EQ(openMessages_, 0) << "a refused file sends no scene messages";
    EXPECT_EQ(vex::host::UndoQueue::get().size(), undoable);
    EXPECT_EQ(Run("currentUnit -q -l") + Run("currentUnit -q -t"), "cmfilm");
    EXPECT_EQ(Run("ls -sl"), "mine");

    // Through the command, the error names the line as well; the unspoilt file still opens.
    WriteFile(file_, original);
    ReplaceLine(file_, 7, "setAttr \".tx\" 1 );");
    EXPECT_NE(Fails("file -o \"" + file_ + "\"").find("line 7: Syntax error"), std::string::npos);
    WriteFile(file_, original);
    ASSERT_TRUE(MFileIO::open(file_.c_str()));
    EXPECT_EQ(openMessages_, 1);
    EXPECT_EQ(Scene::Instance().findNode("mine"), nullptr);
    EXPECT_EQ(Scene::Instance().findNode("saved|child")->name(), "child");
}

TEST_F(SceneFileErrorsTest, LinesTheHostCannotApplyAreKeptNotRefusedAndWrittenBack) {
    const std::string original = ReadFile(file_);
    const struct {
        const char* line;
        bool warns; // about a known attribute of a known node: its value is not the scene's
    } kept[] = {
        {"setAttr \"saved.noSuchAttribute\" 1;", false}, {"setAttr \"saved.t\" -type \"double3\" 1 2;", true},
        {"setAttr \"saved.tx\" \"oops\";", true},        {"connectAttr \"nowhere.tx\" \"saved.tx\";", false},
        {"createNode noSuchType -n \"x\";", false},
    };
    for (const auto& line : kept) {
        WriteFile(file_, original + line.line + "\n");
        const std::size_t shown = vex::host::ScriptEditor::get().Lines().size();
        ASSERT_TRUE(MFileIO::open(file_.c_str())) << line.line;
        const auto& lines = vex::host::ScriptEditor::get().Lines();
        const bool warned =
            std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(shown), lines.end(),
                        [](const auto& l) { return l.kind == vex::host::ScriptEditor::Kind::kWarning; });
        EXPECT_EQ(warned, line.warns) << line.line;
        EXPECT_EQ(Run("getAttr saved.tx"), "4") << line.line;
        const std::string again = path("again.ma");
        ASSERT_TRUE(MFileIO::saveAs(again.c_str()));
        EXPECT_NE(ReadFile(again).find(line.line), std::string::npos) << line.line;
    }
}

TEST_F(SceneFileErrorsTest, AnImportThatFailsHalfwayLeavesNothingBehind) {
    const std::string before = Scene::Instance().Dump();
    std::string text = ReadFile(file_);
    text += "createNode transform -n \"late\";\nsetAttr \".tx\" 1 );\n";
    WriteFile(file_, text);
    EXPECT_FALSE(MFileIO::importFile(file_.c_str(), nullptr, false, "ext"));
    EXPECT_EQ(Scene::Instance().Dump(), before);
    EXPECT_EQ(Scene::Instance().findNode("ext:saved"), nullptr);
}

TEST_F(SceneFileErrorsTest, GarbageAndEmptyFilesAreRefusedOrRead) {
    WriteFile(file_, "");
    EXPECT_TRUE(MFileIO::open(file_.c_str())) << "an empty file is an empty scene";
    EXPECT_NE(Scene::Instance().findNode("persp"), nullptr);
    WriteFile(file_, std::string("\x01\xff{{{\"", 6));
    EXPECT_FALSE(MFileIO::open(file_.c_str()));
    WriteFile(file_, "while (1) { }\n");
    const MStatus endless = MFileIO::open(file_.c_str());
    EXPECT_FALSE(endless) << "a file that never ends is stopped";
}

TEST_F(SceneFileErrorsTest, KeyListsReadFastStillFailWhereTheyStandAndKeepLaterLinesRight) {
    const std::string before = Scene::Instance().Dump();
    // Keys spread over three lines, then a bad command on line 6.
    WriteFile(file_, "createNode animCurveTL -n \"c\";\n"
                     "setAttr -s 2 \".ktv[0:1]\" 0 1\n"
                     "  5 2\n"
                     "  ;\n"
                     "createNode transform -n \"t\";\n"
                     "setAttr t.tx 1 );\n");
    MStatus status = MFileIO::open(file_.c_str());
    EXPECT_FALSE(status);
    EXPECT_NE(status.errorString().str().find(file_ + ": line 6: "), std::string::npos)
        << status.errorString().str();
    EXPECT_EQ(Scene::Instance().Dump(), before);
    // The scanner's call name written by hand reaches no list the file did not have.
    for (const char* call : {"__keyList 0;", "__keyList -1;", "__keyList 1e30;", "__keyList;"}) {
        WriteFile(file_, std::string("createNode animCurveTL -n \"c\";\n") + call + "\n");
        const MStatus refused = MFileIO::open(file_.c_str());
        EXPECT_FALSE(refused) << call;
        EXPECT_NE(refused.errorString().str().find(file_ + ": line 2: "), std::string::npos) << call;
    }
    // A key list on a node that is no curve fails on its own line, as the language would have it.
    WriteFile(file_, "createNode transform -n \"t\";\nsetAttr -s 1 \".ktv[0:0]\" 0 1;\n");
    status = MFileIO::open(file_.c_str());
    const std::string text = status.errorString().str();
    EXPECT_FALSE(status);
    EXPECT_NE(text.find(file_ + ": line 2: "), std::string::npos) << text;
    EXPECT_NE(text.find("t is not an anim curve."), std::string::npos) << text;
    EXPECT_EQ(Scene::Instance().Dump(), before);
}

} // namespace
