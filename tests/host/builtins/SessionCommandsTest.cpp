// undoInfo, about, optionVar and help.
#include "host/builtins/Install.h"
#include "host/builtins/OptionVars.h"
#include "host/scene/BuiltinCommands.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Views.h"
#include "tests/host/builtins/BuiltinsFixture.h"

#include <maya/MTypes.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using vex::host::UndoQueue;

class SessionCommandsTest : public BuiltinsFixture {
protected:
    SessionCommandsTest() { vex::host::builtins::OptionVars::get().clear(); }
    ~SessionCommandsTest() override { Run("undoInfo -st on"); }
};

TEST_F(SessionCommandsTest, UndoInfoTurnsUndoOffAndAnswersItsState) {
    EXPECT_EQ(Number("undoInfo -q -st"), 1.0);
    Run("createNode transform -n a");
    EXPECT_EQ(text("undoInfo -q -un"), "createNode transform -n a;");
    Run("undoInfo -swf off");
    EXPECT_EQ(UndoQueue::get().size(), 1u) << "-swf keeps the queue";
    Run("createNode transform -n b");
    EXPECT_EQ(UndoQueue::get().size(), 1u) << "commands run with undo off are not kept";
    EXPECT_EQ(Number("undoInfo -q -st"), 0.0);
    Run("undoInfo -st on; undoInfo -st off");
    EXPECT_EQ(UndoQueue::get().size(), 0u) << "-st off forgets the queue";
    Run("undoInfo -st on; undoInfo -infinity off -l 20");
    EXPECT_EQ(Number("undoInfo -q -infinity"), 0.0);
    EXPECT_EQ(Number("undoInfo -q -l"), 20.0);
    EXPECT_EQ(Refused("undoInfo -cck"), "line 1: undoInfo: There is no open undo chunk to close.");
    EXPECT_EQ(Refused("undoInfo -st maybe"), "line 1: undoInfo: Flag \"-st\" needs a truth value "
                                             "(true/false, on/off, yes/no, 1/0), not \"maybe\"");
    EXPECT_EQ(Refused("undoInfo -l -3"), "line 1: undoInfo: The undo queue length cannot be negative.");
}

TEST_F(SessionCommandsTest, WhatRunsInAnUndoChunkIsOneStep) {
    const std::string before = Snapshot();
    Run("undoInfo -ock; createNode transform -n a; setAttr a.tx 3; undoInfo -ock; createNode transform -n b;"
        "undoInfo -cck; move 1 2 3 b; undoInfo -cck -cn \"make a and b\"");
    const std::string after = Snapshot();
    EXPECT_EQ(UndoQueue::get().size(), 1u);
    EXPECT_EQ(text("undoInfo -q -un"), "make a and b");
    Run("undo");
    EXPECT_EQ(Snapshot(), before);
    Run("redo");
    EXPECT_EQ(Snapshot(), after);
    // A command that fails inside a chunk leaves nothing of itself in it.
    Run("undoInfo -ock; createNode transform -n c");
    RunFailing("parent c nothing");
    Run("undoInfo -cck");
    Run("undo");
    EXPECT_EQ(Snapshot(), after);
    EXPECT_EQ(Refused("undoInfo -cck"), "line 1: undoInfo: There is no open undo chunk to close.");
}

TEST_F(SessionCommandsTest, AboutAnswersTheHost) {
    EXPECT_EQ(text("about -v"), "2014");
    EXPECT_EQ(Number("about -api"), static_cast<double>(MAYA_API_VERSION));
    EXPECT_EQ(text("about -os"), "linux64");
    EXPECT_EQ(Number("about -linux"), 1.0);
    EXPECT_EQ(Number("about -batch"), 1.0);
    vex::host::Views::get().SetApplicationShell(42);
    EXPECT_EQ(Number("about -batch"), 0.0) << "a session with a window";
    vex::host::Views::get().SetApplicationShell(0);
    EXPECT_EQ(Refused("about"), "line 1: about: about needs a flag that says what to answer.");
    EXPECT_EQ(Refused("about -windows"), "line 1: about: Invalid flag \"-windows\"");
}

TEST_F(SessionCommandsTest, OptionVarKeepsValuesAndArrays) {
    Run("optionVar -iv rigCount 3 -sv rigName \"left arm\"");
    EXPECT_EQ(Run("optionVar -q rigCount").GetType(), vex::host::command::Value::Type::kInt);
    EXPECT_EQ(Number("optionVar -q rigCount"), 3.0);
    EXPECT_EQ(text("optionVar -q rigName"), "left arm");
    Run("optionVar -fv rigCount 2.5");
    EXPECT_EQ(Number("optionVar -q rigCount"), 2.5);
    Run("optionVar -sva recent a; optionVar -sva recent b");
    Run("optionVar -iv first 1 -iv second 2");
    EXPECT_EQ(Number("optionVar -q second"), 2.0) << "each setting flag given counts";
    EXPECT_EQ(Run("optionVar -q recent").AsStrings(), (Names{"a", "b"}));
    Run("optionVar -sv single x; optionVar -sva single y");
    EXPECT_EQ(Run("optionVar -q single").AsStrings(), (Names{"x", "y"}));
    Run("optionVar -ca recent");
    EXPECT_EQ(Run("optionVar -q recent").Size(), 0u);
    EXPECT_EQ(Number("optionVar -ex recent"), 1.0);
    Run("optionVar -rm recent");
    EXPECT_EQ(Number("optionVar -ex recent"), 0.0);
    EXPECT_EQ(Number("optionVar -q recent"), 0.0);
    EXPECT_EQ(Refused("optionVar -iv rigCount"), "line 1: optionVar: Flag \"-iv\" needs an argument");
    EXPECT_EQ(Refused("optionVar -iv rigCount many"),
              "line 1: optionVar: Flag \"-iv\" needs a whole number, not \"many\"");
    EXPECT_EQ(Number("optionVar -q rigCount"), 2.5);
}

TEST_F(SessionCommandsTest, OptionVarsWriteAndReadBackTheirPrefsFile) {
    using vex::host::builtins::OptionVars;
    Run("optionVar -iv count -4 -fv ratio 0.1 -sv title \"say \\\"hi\\\"\\n\";"
        "optionVar -fva weights 1.5 -fva weights 2; optionVar -iva ids 7");
    const std::string path =
        (std::filesystem::temp_directory_path() / ("optionVars" + std::to_string(::getpid()) + ".mel"))
            .string();
    ASSERT_TRUE(OptionVars::get().Save(path));
    OptionVars::get().clear();
    ASSERT_TRUE(OptionVars::get().Load(path));
    EXPECT_EQ(Run("optionVar -q count").GetType(), vex::host::command::Value::Type::kInt);
    EXPECT_EQ(Number("optionVar -q count"), -4.0);
    EXPECT_EQ(Number("optionVar -q ratio"), 0.1);
    EXPECT_EQ(text("optionVar -q title"), "say \"hi\"\n");
    EXPECT_EQ(Run("optionVar -q weights").AsString(), "1.5 2");
    EXPECT_EQ(Run("optionVar -q ids").GetType(), vex::host::command::Value::Type::kIntArray);
    // A file that is not one of ours changes nothing.
    std::ofstream(path) << "optionVar -iv count 1;\nsetAttr a.tx 5;\n";
    EXPECT_FALSE(OptionVars::get().Load(path));
    EXPECT_EQ(Number("optionVar -q count"), -4.0);
    std::filesystem::remove(path);
}

TEST_F(SessionCommandsTest, HelpListsCommandsAndPrintsASynopsis) {
    const std::string all = text("help");
    for (const char* name : {"about", "move", "xform", "polyCube", "undo", "help"})
        EXPECT_NE(all.find(std::string(name) + "\n"), std::string::npos) << name;
    EXPECT_LT(all.find("about\n"), all.find("xform\n"));
    const std::string move = text("help move");
    EXPECT_EQ(move.substr(0, move.find('\n')), "Synopsis: move [flags] [Float] [Float] [Float] [String...]");
    EXPECT_NE(move.find("\nFlags:\n"), std::string::npos);
    EXPECT_NE(move.find("\n   -r -relative\n"), std::string::npos) << move;
    EXPECT_NE(move.find("\n  -ws -worldSpace\n"), std::string::npos) << move;
    const std::string cube = text("help polyCube");
    EXPECT_NE(cube.find("\n   -w -width                     Float\n"), std::string::npos) << cube;
    EXPECT_NE(cube.find("\n  -ch -constructionHistory       on|off\n"), std::string::npos) << cube;
    EXPECT_NE(text("help xform").find("-m -matrix                    Float Float"), std::string::npos);
    EXPECT_EQ(Refused("help moove"), "line 1: help: No command named \"moove\" exists.");
}

TEST_F(SessionCommandsTest, EveryHostCommandDeclaresItsSyntax) {
    const auto& registry = vex::host::CommandRegistry::get();
    std::size_t checked = 0;
    for (const std::string& name : registry.Names()) {
        const bool builtIn =
            vex::host::builtins::BuiltinBody(name) != nullptr ||
            std::any_of(vex::host::BuiltinCommands().begin(), vex::host::BuiltinCommands().end(),
                        [&](const auto& command) { return name == command.name; });
        if (!builtIn) continue;
        ++checked;
        EXPECT_NE(registry.Syntax(name), nullptr) << name;
    }
    EXPECT_GT(checked, 50u);
    // So a misspelt flag stops even the commands that take none.
    EXPECT_EQ(Refused("objExists -n a"), "line 1: objExists: Invalid flag \"-n\"");
    EXPECT_EQ(Refused("echo -x"), "line 1: echo: Invalid flag \"-x\"");
}

} // namespace
