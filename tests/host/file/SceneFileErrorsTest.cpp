#include "host/scene/UndoQueue.h"
#include "tests/host/file/SceneFileFixture.h"

#include <maya/MSceneMessage.h>

#include <vector>

namespace {

using vex::host::Scene;

class SceneFileErrorsTest : public SceneFileFixture {
protected:
    // A saved scene to spoil, and a different open scene that must survive the attempts to open it.
    void SetUp() override {
        run("createNode transform -n \"saved\"; createNode transform -n \"child\" -p \"saved\"; setAttr "
            "saved.tx 4");
        file = path("spoilt.ma");
        ASSERT_TRUE(MFileIO::saveAs(file.c_str()));
        ASSERT_TRUE(MFileIO::newFile(true));
        run("createNode transform -n \"mine\"; setAttr mine.ry 45; createNode camera -n \"mineShape\" -p "
            "mine; "
            "select mine; currentTime 7");
        ids.append(MSceneMessage::addCallback(
            MSceneMessage::kBeforeOpen, [](void* data) { ++*static_cast<int*>(data); }, &openMessages));
    }

    std::string file;
    int openMessages = 0;
};

TEST_F(SceneFileErrorsTest, AMalformedFileIsRefusedNamingItsLineAndTheOpenSceneStays) {
    const std::string before = Scene::instance().dump(); // exact: the very same nodes stay
    const std::size_t undoable = vex::host::UndoQueue::get().size();
    const std::string original = readFile(file);
    const struct {
        const char* line;
        const char* reason;
    } spoilt[] = {
        {"setAttr \".noSuchAttribute\" 1;", "setAttr: No object matches name: .noSuchAttribute"},
        {"createNode noSuchType -n \"x\";", "createNode:"},
        {"setAttr \".t\" -type \"double3\" 1 2;", "setAttr:"},
        {"connectAttr \"nowhere.tx\" \"saved.tx\";", "connectAttr:"},
        {"setAttr \".tx\" 1 );", "Syntax error"},
        {"file -new -f;", "not a command scene files may use"},
        {"loadPlugin \"/tmp/anything.so\";", "not a command scene files may use"},
    };
    for (const auto& bad : spoilt) {
        writeFile(file, original);
        replaceLine(file, 7, bad.line);
        const MStatus status = MFileIO::open(file.c_str());
        EXPECT_FALSE(status) << bad.line;
        const std::string text = status.errorString().str();
        EXPECT_NE(text.find(file + ": line 7: "), std::string::npos) << text;
        EXPECT_NE(text.find(bad.reason), std::string::npos) << text;
        EXPECT_EQ(Scene::instance().dump(), before) << bad.line;
    }
    EXPECT_EQ(openMessages, 0) << "a refused file sends no scene messages";
    EXPECT_EQ(vex::host::UndoQueue::get().size(), undoable);
    EXPECT_EQ(run("currentUnit -q -l") + run("currentUnit -q -t"), "cmfilm");
    EXPECT_EQ(run("ls -sl"), "mine");

    // Through the command, the error names the line as well; the unspoilt file still opens.
    writeFile(file, original);
    replaceLine(file, 7, "setAttr \".bad\" 1;");
    EXPECT_NE(fails("file -o \"" + file + "\"").find("line 7: setAttr"), std::string::npos);
    writeFile(file, original);
    ASSERT_TRUE(MFileIO::open(file.c_str()));
    EXPECT_EQ(openMessages, 1);
    EXPECT_EQ(Scene::instance().findNode("mine"), nullptr);
    EXPECT_EQ(Scene::instance().findNode("saved|child")->name(), "child");
}

TEST_F(SceneFileErrorsTest, AnImportThatFailsHalfwayLeavesNothingBehind) {
    const std::string before = Scene::instance().dump();
    std::string text = readFile(file);
    text += "createNode transform -n \"late\";\nsetAttr \".tx\" oops;\n";
    writeFile(file, text);
    EXPECT_FALSE(MFileIO::importFile(file.c_str(), nullptr, false, "ext"));
    EXPECT_EQ(Scene::instance().dump(), before);
    EXPECT_EQ(Scene::instance().findNode("ext:saved"), nullptr);
}

TEST_F(SceneFileErrorsTest, GarbageAndEmptyFilesAreRefusedOrRead) {
    writeFile(file, "");
    EXPECT_TRUE(MFileIO::open(file.c_str())) << "an empty file is an empty scene";
    EXPECT_NE(Scene::instance().findNode("persp"), nullptr);
    writeFile(file, std::string("\x01\xff{{{\"", 6));
    EXPECT_FALSE(MFileIO::open(file.c_str()));
    writeFile(file, "while (1) { }\n");
    const MStatus endless = MFileIO::open(file.c_str());
    EXPECT_FALSE(endless) << "a file that never ends is stopped";
}

TEST_F(SceneFileErrorsTest, KeyListsReadFastStillFailWhereTheyStandAndKeepLaterLinesRight) {
    const std::string before = Scene::instance().dump();
    // Keys spread over three lines, then a bad command on line 6.
    writeFile(file, "createNode animCurveTL -n \"c\";\n"
                    "setAttr -s 2 \".ktv[0:1]\" 0 1\n"
                    "  5 2\n"
                    "  ;\n"
                    "createNode transform -n \"t\";\n"
                    "setAttr t.noSuchPlug 1;\n");
    MStatus status = MFileIO::open(file.c_str());
    EXPECT_FALSE(status);
    EXPECT_NE(status.errorString().str().find(file + ": line 6: "), std::string::npos)
        << status.errorString().str();
    EXPECT_EQ(Scene::instance().dump(), before);
    // The scanner's call name written by hand reaches no list the file did not have.
    for (const char* call : {"__keyList 0;", "__keyList -1;", "__keyList 1e30;", "__keyList;"}) {
        writeFile(file, std::string("createNode animCurveTL -n \"c\";\n") + call + "\n");
        const MStatus refused = MFileIO::open(file.c_str());
        EXPECT_FALSE(refused) << call;
        EXPECT_NE(refused.errorString().str().find(file + ": line 2: "), std::string::npos) << call;
    }
    // A key list on a node that is no curve fails on its own line, as the language would have it.
    writeFile(file, "createNode transform -n \"t\";\nsetAttr -s 1 \".ktv[0:0]\" 0 1;\n");
    status = MFileIO::open(file.c_str());
    const std::string text = status.errorString().str();
    EXPECT_FALSE(status);
    EXPECT_NE(text.find(file + ": line 2: "), std::string::npos) << text;
    EXPECT_NE(text.find("t is not an anim curve."), std::string::npos) << text;
    EXPECT_EQ(Scene::instance().dump(), before);
}

} // namespace
