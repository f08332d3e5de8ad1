// Calls that do not fit a command's flags and arguments are refused before the command runs.
#include "host/scene/CommandSyntax.h"

#include "host/command/CommandCall.h"
#include "tests/host/builtins/BuiltinsFixture.h"

namespace {

using vex::host::CommandSyntax;
using vex::host::ScriptEditor;
using vex::host::command::Argument;
using vex::host::command::CommandCall;
using vex::host::command::Value;

class CommandSyntaxTest : public BuiltinsFixture {
protected:
    CommandSyntaxTest() { Run("createNode transform -n box; setAttr box.tx 2; currentTime 5"); }

    /// Runs a call that must be refused: the scene stays as it was, the undo queue takes nothing and
    /// exactly one error is shown. Answers the error.
    std::string Refused(const std::string& script) {
        const std::string before = Snapshot();
        const auto queued = vex::host::UndoQueue::get().size();
        ScriptEditor::get().clear();
        RunFailing(script);
        EXPECT_EQ(Snapshot(), before) << script;
        EXPECT_EQ(vex::host::UndoQueue::get().size(), queued) << script;
        std::vector<std::string> errors;
        for (const auto& line : ScriptEditor::get().Lines())
            if (line.kind == ScriptEditor::Kind::kError) errors.push_back(line.text);
        EXPECT_EQ(errors.size(), 1u) << script;
        return errors.empty() ? std::string() : errors.front();
    }
};

TEST_F(CommandSyntaxTest, AnUndeclaredFlagIsRefusedNamingTheFlagAndTheCommand) {
    EXPECT_EQ(Refused("createNode transform -nmae foo"), "line 1: createNode: invalid flag -nmae");
    Run("setAttr box.tx 4");
    EXPECT_EQ(Refused("\nsetAttr -lokc box.tx 9"), "line 2: setAttr: invalid flag -lokc");
    EXPECT_EQ(text("getAttr box.tx"), "4");
    EXPECT_EQ(Refused("file -save -nonsense"), "line 1: file: invalid flag -nonsense");
    EXPECT_EQ(Refused("undo -all"), "line 1: undo: invalid flag -all");
    // The flag is found among all of them, even after a flag that would change the scene.
    EXPECT_EQ(Refused("playbackOptions -min 3 -max 40 -mxa 50"),
              "line 1: playbackOptions: invalid flag -mxa");
    EXPECT_EQ(Number("playbackOptions -q -min"), 1.0);
}

TEST_F(CommandSyntaxTest, AFlagWithoutItsValueIsRefused) {
    EXPECT_EQ(Refused("createNode transform -n"), "line 1: createNode: flag -n needs a value");
    EXPECT_EQ(Refused("playbackOptions -min -max 20"), "line 1: playbackOptions: flag -min needs a number");
    EXPECT_EQ(Refused("getAttr box.tx -time"), "line 1: getAttr: flag -time needs a number");
}

TEST_F(CommandSyntaxTest, AValueThatDoesNotParseIsRefused) {
    EXPECT_EQ(Refused("currentTime abc"), "line 1: currentTime: argument \"abc\" is not a number");
    EXPECT_EQ(Refused("playbackOptions -max 12x"),
              "line 1: playbackOptions: flag -max: \"12x\" is not a number");
    EXPECT_EQ(Refused("setAttr -s 2.5 box.tx 1"), "line 1: setAttr: flag -s: \"2.5\" is not a whole number");
    EXPECT_EQ(Refused("polyTriangulate -ch maybe box"), "line 1: polyTriangulate: flag -ch: \"maybe\" is not "
                                                        "a truth value (true/false, on/off, yes/no, 1/0)");
    EXPECT_EQ(Number("currentTime -q"), 5.0);
}

TEST_F(CommandSyntaxTest, WellFormedCallsStillRun) {
    // Numbers written as strings, negative numbers, query mode without flag values, optional truth
    // values with and without their word.
    EXPECT_EQ(Number("currentTime \"7.5\"; currentTime -q"), 7.5);
    EXPECT_EQ(Number("playbackOptions -min -4 -max 30; playbackOptions -q -min"), -4.0);
    Run("setAttr -l box.tx; setAttr -l off box.tx; setAttr -k on box.ty");
    EXPECT_EQ(text("setAttr box.tx 3; getAttr box.tx"), "3");
    EXPECT_EQ(text("currentUnit -q -l -f"), "centimeter");
}

TEST(CommandSyntaxCheck, ChecksFlagValuesAndTheDeclaredLeadingArguments) {
    auto call = [](std::vector<Argument> args) {
        CommandCall c;
        c.name = "probe";
        c.args = std::move(args);
        return c;
    };
    const Argument flagN{Value::String("-n"), true};
    CommandSyntax syntax;
    syntax.flag("-n", "-name", CommandSyntax::Arg::kInteger).Arguments({CommandSyntax::Arg::kNumber});
    EXPECT_FALSE(syntax.Check(call({flagN, {Value::Int(3)}, {Value::Float(1.5)}})));
    EXPECT_FALSE(syntax.Check(call({{Value::String("2e3")}, {Value::String("any word")}})))
        << "only the leading arguments declared are checked";
    EXPECT_EQ(syntax.Check(call({flagN, {Value::Float(2.5)}})).value_or(""),
              "flag -n: \"2.5\" is not a whole number");
    EXPECT_EQ(syntax.Check(call({{Value::String("1,5")}})).value_or(""), "argument \"1,5\" is not a number");
    EXPECT_EQ(CommandSyntax().Check(call({flagN})).value_or(""), "invalid flag -n");
}

} // namespace
