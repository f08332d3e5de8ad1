#include "host/scene/ScriptEditor.h"
#include "tests/host/file/SceneFileFixture.h"
#include "tests/support/SaveFaults.h"
#include "util/AtomicFile.h"
#include "util/AtomicWriteHook.h"

#include <cerrno>
#include <cstring>
#include <regex>
#include <string>

namespace {

using vex::host::ScriptEditor;

// What can go wrong around a scene file: a crash or a full disk while it is saved, and a file that
// was cut short before it reached the user.
class SceneFaultsTest : public SceneFileFixture {
protected:
    void TearDown() override { vex::util::SetAtomicWriteHook({}); }

    // A scene with hierarchy, attributes and keyed curves (`keys` frames), so its file has every
    // kind of line, saved as `file`; answers the file's text.
    static std::string SavedScene(const std::string& file, int keys) {
        Run("polyCube -n crate; spaceLocator -n aim; group -n rig crate aim;"
            "addAttr -ln speed -at double -min 0 -max 10 rig; setAttr rig.speed 2.5;");
        for (int f = 1; f <= keys; ++f)
            Run("setKeyframe -t " + std::to_string(f) + " -v " + std::to_string(f * 0.5) +
                " -at tx crate;"
                "setKeyframe -t " +
                std::to_string(f) + " -v " + std::to_string(-f) + " -at ry aim;");
        Run("file -rename \"" + file + "\"; file -s");
        return ReadFile(file);
    }
};

TEST_F(SceneFaultsTest, AKillAnywhereInASaveLeavesTheOldSceneOrTheNewOneWhole) {
    const std::string file = path("rig.ma");
    const std::string before = SavedScene(file, 5);
    Run("setAttr rig.speed 7; setKeyframe -t 40 -v 3 -at tz crate");

    const vex::test::CrashReport report = vex::test::CrashDuringSave(
        file, before, before.size() / 60, [] { Run("file -s"); },
        [](const std::string& text) {
            return std::regex_replace(text, std::regex("//Last modified: [^\n]*\n"), "");
        });
    EXPECT_TRUE(report.failures.empty())
        << report.failures.size() << " failures, the first: " << report.failures.front();
    RecordProperty("kills", report.kills);
    RecordProperty("bytes", static_cast<int>(report.saved.size()));
    EXPECT_GE(report.oldKept, 60);
    EXPECT_EQ(report.newWhole, 1);
    ASSERT_TRUE(MFileIO::open(file.c_str())) << "the file the last kill left (after the rename) opens";
    EXPECT_EQ(Run("getAttr rig.speed"), "7");
}

TEST_F(SceneFaultsTest, AFullDiskOrAReadOnlyFolderFailsTheSaveWithItsReasonAndKeepsTheOldFile) {
    const std::string file = path("rig.ma");
    const std::string before = SavedScene(file, 3);
    Run("setAttr rig.speed 9");
    struct Fault {
        vex::util::AtomicWriteStep step;
        int code;
    };
    for (const Fault fault : {Fault{vex::util::AtomicWriteStep::kWrite, ENOSPC},
                              Fault{vex::util::AtomicWriteStep::kCreate, EROFS}}) {
        vex::util::SetAtomicWriteHook([fault](vex::util::AtomicWriteStep step, std::size_t) {
            return step == fault.step ? fault.code : 0;
        });
        const std::string error = Fails("file -s");
        EXPECT_NE(error.find(file), std::string::npos) << error;
        EXPECT_NE(error.find(std::strerror(fault.code)), std::string::npos) << error;
        EXPECT_EQ(ReadFile(file), before);
        EXPECT_EQ(Run("getAttr rig.speed"), "9") << "the scene in memory is not touched";
    }
    vex::util::SetAtomicWriteHook({});
    Run("file -s");
    EXPECT_NE(ReadFile(file), before) << "once the disk has room the save goes through";
}

TEST_F(SceneFaultsTest, ASceneCutAtEveryPercentOpensWithAWarningOrIsRefusedAndIsNeverWrittenOver) {
    const std::string whole = path("whole.ma");
    const std::string text = SavedScene(whole, 20);
    const std::string cut = path("cut.ma");
    int opened = 0, refused = 0;
    for (int percent = 1; percent < 100; ++percent) {
        const std::string part = text.substr(0, text.size() * percent / 100);
        WriteFile(cut, part);
        ASSERT_TRUE(MFileIO::newFile(true));
        const std::size_t lines = ScriptEditor::get().Lines().size();
        if (MFileIO::open(cut.c_str())) {
            ++opened;
            bool warned = false;
            const auto& shown = ScriptEditor::get().Lines();
            for (std::size_t i = lines; i < shown.size(); ++i)
                warned = warned || (shown[i].kind == ScriptEditor::Kind::kWarning &&
                                    shown[i].text.find("incomplete") != std::string::npos);
            EXPECT_TRUE(warned) << "cut at " << percent << "% opened without saying it is incomplete";
        } else {
            ++refused;
            EXPECT_EQ(Run("objExists crate"), "0") << "a refused file leaves nothing";
        }
        EXPECT_EQ(ReadFile(cut), part) << "cut at " << percent << "%: the file was written over";
    }
    RecordProperty("opened", opened);
    RecordProperty("refused", refused);
    EXPECT_GT(opened, 50) << "most cuts fall between whole statements";
    ASSERT_TRUE(MFileIO::newFile(true));
    ASSERT_TRUE(MFileIO::open(whole.c_str()));
    EXPECT_EQ(Run("getAttr rig.speed"), "2.5");
}

} // namespace
