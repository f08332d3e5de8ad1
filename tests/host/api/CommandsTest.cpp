#include "host/scene/CommandRegistry.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"

#include <gtest/gtest.h>
#include <maya/MArgList.h>
#include <maya/MCommandMessage.h>
#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MPxCommand.h>
#include <maya/MStringArray.h>

#include <string>
#include <vector>

namespace {

using vex::host::CommandRegistry;
using vex::host::ScriptEditor;
using vex::host::UndoQueue;

// What the test commands did, in order: "do 2", "undo 2", "redo 2", "destroy 2", ...
std::vector<std::string> gLog;
int gTotal = 0;

void Record(const std::string& what, int amount) {
    gLog.push_back(what + " " + std::to_string(amount));
}

/// testAdd -v/-value <int>: adds to g_total; undoable. Fails with a usage text without a value.
class AddCmd : public MPxCommand {
public:
    ~AddCmd() override { Record("destroy", amount_); }
    MStatus doIt(const MArgList& args) override {
        const unsigned int flag = args.flagIndex("v", "value");
        MStatus status;
        if (flag != MArgList::kInvalidArgIndex) amount_ = args.asInt(flag + 1, &status);
        if (flag == MArgList::kInvalidArgIndex || !status) {
            MStatus usage(MStatus::kInvalidParameter, "Usage: testAdd -value <integer>");
            usage.perror("testAdd");
            return usage;
        }
        Record("do", amount_);
        setUndoable(true);
        gTotal += amount_;
        setResult(gTotal);
        return MStatus::kSuccess;
    }
    MStatus undoIt() override {
        Record(MGlobal::isUndoing() ? "undo" : "undo outside undo", amount_);
        gTotal -= amount_;
        return MStatus::kSuccess;
    }
    MStatus redoIt() override {
        Record(MGlobal::isRedoing() ? "redo" : "redo outside redo", amount_);
        gTotal += amount_;
        return MStatus::kSuccess;
    }
    static void* Creator() { return new AddCmd; }

private:
    int amount_ = 0;
};

/// testList: not undoable; answers an array of the kind named by its first argument, or the
/// result of running its second argument as a nested command when the first is "nested".
class ListCmd : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override {
        const MString kind = args.asString(0);
        if (kind == "ints") {
            appendToResult(1);
            appendToResult(2);
        } else if (kind == "doubles") {
            MDoubleArray values;
            values.append(0.5);
            values.append(-2.25);
            setResult(values);
        } else if (kind == "strings") {
            appendToResult("a b");
            appendToResult(MString("c"));
        } else if (kind == "nested") {
            setResult("outer");
            MString inner;
            MStatus status = MGlobal::executeCommand(args.asString(1), inner, false, true);
            appendToResult(MString("outer"));
            appendToResult(inner);
            return status;
        }
        return MStatus::kSuccess;
    }
    static void* Creator() { return new ListCmd; }
};

/// testUndoRuns <command>: undoable; its undoIt executes the given command with undo enabled.
class UndoRunsCmd : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override {
        command_ = args.asString(0);
        setUndoable(true);
        return MStatus::kSuccess;
    }
    MStatus undoIt() override { return MGlobal::executeCommand(command_, false, true); }
    MStatus redoIt() override { return MStatus::kSuccess; }
    static void* Creator() { return new UndoRunsCmd; }

private:
    MString command_;
};

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CommandRegistry::get().Add("testAdd", &AddCmd::Creator, "tests"));
        ASSERT_TRUE(CommandRegistry::get().Add("testList", &ListCmd::Creator, "tests"));
        ASSERT_TRUE(CommandRegistry::get().Add("testUndoRuns", &UndoRunsCmd::Creator, "tests"));
        UndoQueue::get().Flush();
        ScriptEditor::get().clear();
        gLog.clear();
        gTotal = 0;
    }
    void TearDown() override {
        UndoQueue::get().Flush();
        CommandRegistry::get().remove("testAdd");
        CommandRegistry::get().remove("testList");
        CommandRegistry::get().remove("testUndoRuns");
    }

    static std::vector<std::string> Shown(ScriptEditor::Kind kind) {
        std::vector<std::string> lines;
        for (const auto& line : ScriptEditor::get().Lines())
            if (line.kind == kind) lines.push_back(line.text);
        return lines;
    }
};

TEST_F(CommandsTest, UndoableCommandIsKeptAndUndoneAndRedone) {
    int total = 0;
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 2", total, false, true));
    EXPECT_EQ(total, 2);
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -value 5", total, false, true)) << "long flag name";
    EXPECT_EQ(total, 7);
    EXPECT_EQ(UndoQueue::get().size(), 2u);

    ASSERT_TRUE(MGlobal::executeCommand("undo", false, false));
    EXPECT_EQ(gTotal, 2);
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(gTotal, 0);
    ASSERT_TRUE(MGlobal::executeCommand("undo")) << "nothing left to undo only warns";
    EXPECT_EQ(Shown(ScriptEditor::Kind::kWarning),
              (std::vector<std::string>{"There are no more commands to undo."}));
    ASSERT_TRUE(MGlobal::executeCommand("redo"));
    EXPECT_EQ(gTotal, 2);
    EXPECT_EQ(gLog, (std::vector<std::string>{"do 2", "do 5", "undo 5", "undo 2", "redo 2"}));
}

TEST_F(CommandsTest, NewCommandAfterUndoDestroysTheRedoTail) {
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 1; testAdd -v 10", false, true));
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 100", false, true));
    // The tail goes once the new command is known to be kept: a failing command must not lose it.
    EXPECT_EQ(gLog, (std::vector<std::string>{"do 1", "do 10", "undo 10", "do 100", "destroy 10"}));
    EXPECT_EQ(UndoQueue::get().size(), UndoQueue::get().Position()) << "nothing left to redo";
    EXPECT_EQ(gTotal, 101);
    EXPECT_EQ(UndoQueue::get().UndoText(), "testAdd -v 100;");
}

TEST_F(CommandsTest, FailedOrUnkeptCommandsLeaveTheRedoTail) {
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 1", false, true));
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_FALSE(MGlobal::executeCommand("testAdd", false, true));
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 5", false, false));
    ASSERT_TRUE(MGlobal::executeCommand("redo"));
    EXPECT_EQ(gTotal, 6);
}

TEST_F(CommandsTest, CommandsRunWhileUndoingAreNotKept) {
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 2; testUndoRuns \"testAdd -v 40\"", false, true));
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(gTotal, 42) << "the command ran";
    EXPECT_EQ(UndoQueue::get().size(), 2u)
        << "but did not enter the queue, which would have cut the redo tail";
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(gTotal, 40);
    ASSERT_TRUE(MGlobal::executeCommand("redo; redo"));
    EXPECT_EQ(UndoQueue::get().Position(), 2u);
}

TEST_F(CommandsTest, CommandsOutsideTheQueueAreDestroyedAfterDoIt) {
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 3", false, false)) << "undo not enabled";
    EXPECT_EQ(gLog, (std::vector<std::string>{"do 3", "destroy 3"}));
    ASSERT_TRUE(MGlobal::executeCommand("testList ints", false, true)) << "not an undoable command";
    EXPECT_EQ(UndoQueue::get().size(), 0u);
    EXPECT_FALSE(MGlobal::executeCommand("testAdd", false, true)) << "missing value";
    EXPECT_EQ(UndoQueue::get().size(), 0u) << "a failed command is not kept";
}

TEST_F(CommandsTest, MissingArgumentReportsTheUsageThroughPerror) {
    MStatus status = MGlobal::executeCommand("testAdd -v many");
    EXPECT_FALSE(status);
    // The usage the command printed is the reason of its failure, shown once with the line.
    const auto errors = Shown(ScriptEditor::Kind::kError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(),
              "line 1: testAdd: testAdd: (kInvalidParameter): Usage: testAdd -value <integer>");
}

TEST_F(CommandsTest, DisplayOptionEchoesTheCommandAndItsResult) {
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 4", false, false));
    EXPECT_TRUE(Shown(ScriptEditor::Kind::kCommand).empty());
    ASSERT_TRUE(MGlobal::executeCommand("testAdd -v 4", true, false));
    EXPECT_EQ(Shown(ScriptEditor::Kind::kCommand), (std::vector<std::string>{"testAdd -v 4"}));
    EXPECT_EQ(Shown(ScriptEditor::Kind::kResult), (std::vector<std::string>{"8"}));
}

TEST_F(CommandsTest, CommandCallbacksReceiveEveryExecutedCommand) {
    std::vector<std::string> seen;
    MCallbackId id = MCommandMessage::addCommandCallback(
        [](const MString& text, void* data) {
            static_cast<std::vector<std::string>*>(data)->push_back(text.str());
        },
        &seen);
    ASSERT_TRUE(MGlobal::executeCommand("testList nested \"testAdd -value 6\"", false, true));
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_FALSE(MGlobal::executeCommand("noSuchCommand -x"));
    MMessage::removeCallback(id);
    EXPECT_EQ(seen, (std::vector<std::string>{"testAdd -value 6;", "testList nested \"testAdd -value 6\";",
                                              "undo;"}))
        << "nested commands come first as they finish first; unknown commands never ran";
    EXPECT_EQ(gTotal, 0);
}

TEST_F(CommandsTest, ResultsArriveInTheRequestedShape) {
    MIntArray ints;
    ASSERT_TRUE(MGlobal::executeCommand("testList ints", ints));
    ASSERT_EQ(ints.length(), 2u);
    EXPECT_EQ(ints[1], 2);
    MDoubleArray doubles;
    ASSERT_TRUE(MGlobal::executeCommand("testList doubles", doubles));
    ASSERT_EQ(doubles.length(), 2u);
    EXPECT_DOUBLE_EQ(doubles[1], -2.25);
    MStringArray strings;
    ASSERT_TRUE(MGlobal::executeCommand("testList strings", strings));
    ASSERT_EQ(strings.length(), 2u);
    EXPECT_EQ(strings[0], "a b");
    MStringArray none;
    ASSERT_TRUE(MGlobal::executeCommand("testList nothing", none));
    EXPECT_EQ(none.length(), 0u);

    MStringArray nested;
    ASSERT_TRUE(MGlobal::executeCommand("testList nested \"testAdd -v 9\"", nested));
    EXPECT_EQ(nested, MStringArray(std::vector<MString>{"outer", "9"}.data(), 2))
        << "each call has its own result";
    EXPECT_EQ(MGlobal::executeCommandStringResult("testAdd -v 1"), "10");
}

TEST_F(CommandsTest, UnknownCommandFailsWithAClearError) {
    EXPECT_FALSE(MGlobal::executeCommand("testAdd -v 1; noSuchCommand; testAdd -v 2"));
    EXPECT_EQ(gTotal, 1) << "execution stops at the failing statement";
    const auto errors = Shown(ScriptEditor::Kind::kError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Cannot find procedure \"noSuchCommand\""), std::string::npos) << errors[0];
}

TEST(ArgListTest, FlagsValuesAndConversions) {
    MArgList args;
    for (const char* word : {"-n", "ball", "-3", "2.5", "-width", "on", "x", "y", "-q"})
        args.addArg(MString(word));
    EXPECT_EQ(args.length(), 9u);
    EXPECT_EQ(args.flagIndex("n", "name"), 0u);
    EXPECT_EQ(args.flagIndex("-w", "-width"), 4u);
    EXPECT_EQ(args.flagIndex("3"), MArgList::kInvalidArgIndex) << "negative numbers are values";
    EXPECT_EQ(args.flagIndex("name"), MArgList::kInvalidArgIndex);

    MStatus status;
    EXPECT_EQ(args.asInt(2, &status), -3);
    EXPECT_TRUE(status);
    EXPECT_DOUBLE_EQ(args.asDouble(3), 2.5);
    args.asInt(1, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    args.asString(42, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(args.asBool(5));

    unsigned int index = 6;
    const MStringArray rest = args.asStringArray(index);
    EXPECT_EQ(rest.length(), 2u);
    EXPECT_EQ(index, 8u) << "stops at the next flag";
}

} // namespace
