// Calls that do not fit a command's flags and arguments are refused before the command runs.
#include "host/scene/CommandSyntax.h"

#include "host/command/CommandCall.h"
#include "tests/host/builtins/BuiltinsFixture.h"

namespace {

using vex::host::CommandSyntax;
using vex::host::command::Argument;
using vex::host::command::CommandCall;
using vex::host::command::Value;

class CommandSyntaxTest : public BuiltinsFixture {
protected:
    CommandSyntaxTest() { Run("createNode transform -n box; setAttr box.tx 2; currentTime 5"); }
};

TEST_F(CommandSyntaxTest, AnUndeclaredFlagIsRefusedNamingTheFlagAndTheCommand) {
    EXPECT_EQ(Refused("createNode transform -nmae foo"), "line 1: createNode: Invalid flag \"-nmae\"");
    Run("setAttr box.tx 4");
    EXPECT_EQ(Refused("\nsetAttr -lokc box.tx 9"), "line 2: setAttr: Invalid flag \"-lokc\"");
    EXPECT_EQ(text("getAttr box.tx"), "4");
    EXPECT_EQ(Refused("file -save -nonsense"), "line 1: file: Invalid flag \"-nonsense\"");
    EXPECT_EQ(Refused("undo -all"), "line 1: undo: Invalid flag \"-all\"");
    // The flag is found among all of them, even after a flag that would change the scene.
    EXPECT_EQ(Refused("playbackOptions -min 3 -max 40 -mxa 50"),
              "line 1: playbackOptions: Invalid flag \"-mxa\"");
    EXPECT_EQ(Number("playbackOptions -q -min"), 1.0);
}

TEST_F(CommandSyntaxTest, AFlagWithoutItsValueIsRefused) {
    EXPECT_EQ(Refused("createNode transform -n"), "line 1: createNode: Flag \"-n\" needs an argument");
    EXPECT_EQ(Refused("playbackOptions -min -max 20"),
              "line 1: playbackOptions: Flag \"-min\" needs an argument");
    EXPECT_EQ(Refused("getAttr box.tx -time"), "line 1: getAttr: Flag \"-time\" needs an argument");
}

TEST_F(CommandSyntaxTest, AValueThatDoesNotParseIsRefused) {
    EXPECT_EQ(Refused("currentTime abc"), "line 1: currentTime: Argument \"abc\" is not a number");
    EXPECT_EQ(Refused("playbackOptions -max 12x"),
              "line 1: playbackOptions: Flag \"-max\" needs a number, not \"12x\"");
    EXPECT_EQ(Refused("setAttr -s 2.5 box.tx 1"),
              "line 1: setAttr: Flag \"-s\" needs a whole number, not \"2.5\"");
    EXPECT_EQ(Refused("polyTriangulate -ch maybe box"),
              "line 1: polyTriangulate: Flag \"-ch\" needs a truth value "
              "(true/false, on/off, yes/no, 1/0), not \"maybe\"");
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
              "Flag \"-n\" needs a whole number, not \"2.5\"");
    EXPECT_EQ(syntax.Check(call({{Value::String("1,5")}})).value_or(""), "Argument \"1,5\" is not a number");
    EXPECT_EQ(CommandSyntax().Check(call({flagN})).value_or(""), "Invalid flag \"-n\"");
    EXPECT_EQ(syntax.Check(call({{Value::String("x")}, flagN, {Value::String("2.5")}})).value_or(""),
              "Argument \"x\" is not a number")
        << "the first misfit in the order written is named";
    EXPECT_EQ(
        syntax.Positional(call({flagN, {Value::Int(3)}, {Value::Float(1.5)}, {Value::String("box")}})).size(),
        2u);
}

} // namespace
