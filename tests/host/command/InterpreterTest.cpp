#include "host/command/Interpreter.h"

#include "tests/host/command/InterpreterFixture.h"

namespace vex::host::command {
namespace {

TEST_F(InterpreterTest, CommandArgumentsKeepFlagsWordsNumbersAndStrings) {
    ASSERT_TRUE(Run("rec -n \"a \\\"quoted\\\" \\\\ name\\n\" -width 12 -1 2.5 |group1|ball.tx pCube* -q;"))
        << error_.Format();
    ASSERT_EQ(calls_.size(), 1u);
    const auto& args = calls_[0].args;
    ASSERT_EQ(args.size(), 9u);
    EXPECT_TRUE(args[0].isFlag);
    EXPECT_EQ(args[0].value.AsString(), "-n");
    EXPECT_EQ(args[1].value.AsString(), "a \"quoted\" \\ name\n");
    EXPECT_EQ(args[3].value, Value::Int(12));
    EXPECT_EQ(args[4].value, Value::Int(-1));
    EXPECT_EQ(args[5].value, Value::Float(2.5));
    EXPECT_EQ(args[6].value.AsString(), "|group1|ball.tx");
    EXPECT_EQ(args[7].value.AsString(), "pCube*");
    EXPECT_TRUE(args[8].isFlag);
    EXPECT_EQ(calls_[0].FlagIndex("-w", "-width"), 2);
    EXPECT_TRUE(calls_[0].HasFlag("-q", "-query"));
    EXPECT_EQ(calls_[0].Positional({{"-n", 1}, {"-width", 1}}).size(), 4u);
}

TEST_F(InterpreterTest, VariablesConcatenationAndConversions) {
    ASSERT_TRUE(Run("string $name = \"ball\"; int $i = 3; float $f = 2;"
                    "string $plug = $name + \".t\" + $i; $i += 2; $f = $f / 4; int $cut = 7.9;"
                    "string $list[] = {\"a\", \"b\"}; $list[size($list)] = \"c\";"))
        << error_.Format();
    EXPECT_EQ(Var("plug"), "ball.t3");
    EXPECT_EQ(Var("i"), "5");
    EXPECT_EQ(Var("f"), "0.5");
    EXPECT_EQ(Var("cut"), "7");
    EXPECT_EQ(Var("list"), "a b c");
    ASSERT_TRUE(Run("int $q = 7 / 2; float $r = 7 / 2.0; int $p = 2 + 3 * 4 - (1 + 1);"));
    EXPECT_EQ(Var("q"), "3");
    EXPECT_EQ(Var("r"), "3.5");
    EXPECT_EQ(Var("p"), "12");
}

TEST_F(InterpreterTest, IfElseComparisonsAndNegation) {
    ASSERT_TRUE(Run("string $s = \"x\";\n"
                    "if ($s == \"x\" && !(1 > 2)) { rec yes1; } else { rec no1; }\n"
                    "if (\"abc\" < \"abd\") rec yes2; else rec no2;\n"
                    "if (0) rec no3; else if (2 >= 2) rec yes3;\n"
                    "if (!`rec 0`) rec yes4;"))
        << error_.Format();
    std::vector<std::string> ran;
    for (const auto& c : calls_) ran.push_back(c.args.empty() ? "" : c.args[0].value.AsString());
    EXPECT_EQ(ran, (std::vector<std::string>{"yes1", "yes2", "yes3", "0", "yes4"}));
}

TEST_F(InterpreterTest, BackquoteSubstitutionAndLoops) {
    ASSERT_TRUE(Run("string $all[] = `ls`; string $joined; for ($n in $all) $joined += $n + \";\";"
                    "int $sum = 0; for ($k = 1; $k <= 4; $k += 1) { if ($k == 3) continue; $sum += $k; }"
                    "int $w = 0; while (1) { $w += 1; if ($w == 5) break; }"
                    "string $got = `rec -q \"value\"`;"))
        << error_.Format();
    EXPECT_EQ(Var("joined"), "ball;box;");
    EXPECT_EQ(Var("sum"), "7");
    EXPECT_EQ(Var("w"), "5");
    EXPECT_EQ(Var("got"), "value");
}

TEST_F(InterpreterTest, PrintAndFunctionSyntax) {
    ASSERT_TRUE(Run("print \"hello\\n\"; print(\"n=\" + size(`ls`) + \"\\n\"); print `ls`;"))
        << error_.Format();
    // print adds no line end of its own; an array prints one element a line.
    EXPECT_EQ(printed_, "hello\nn=2\nball\nbox\n");
}

TEST_F(InterpreterTest, ArithmeticFunctionsAndTheErrorCommand) {
    ASSERT_TRUE(Run("float $s = sin(0.5) * sin(0.5) + cos(0.5) * cos(0.5); float $a = abs(-2.5) + sqrt(16) + "
                    "floor(-1.5); int $i = abs(-3);"))
        << error_.Format();
    EXPECT_EQ(Var("s"), "1");
    EXPECT_EQ(Var("a"), "4.5");
    EXPECT_EQ(Var("i"), "3");
    EXPECT_FALSE(Run("float $x = sin(1, 2);"));
    EXPECT_EQ(error_.Format(), "line 1: sin: Wrong number of arguments: expects 1 argument, got 2.");
    EXPECT_FALSE(Run("float $v[] = {1.0}; float $x = cos($v);"));
    EXPECT_EQ(error_.reason, "Argument 1 must be a number, not a value of type float[].");

    EXPECT_FALSE(Run("rec a;\nerror (\"the check failed by \" + 2);\nrec b;"));
    EXPECT_EQ(error_.Format(), "line 2: the check failed by 2");
    EXPECT_EQ(calls_.size(), 1u) << "the error stops the script";
}

TEST_F(InterpreterTest, ResultsOfTopLevelCommandsReachTheSink) {
    std::vector<std::string> results;
    interp_.SetResultSink(
        [&](const CommandCall& call, const Value& v) { results.push_back(call.name + "=" + v.AsString()); });
    ASSERT_TRUE(Run("rec 1; rec; if (1) rec 2; string $x = `rec 3`;")) << error_.Format();
    // Only statements at the top of the script report; nested ones and substitutions do not.
    EXPECT_EQ(results, (std::vector<std::string>{"rec=1"}));
}

TEST_F(InterpreterTest, ErrorsNameTheCommandAndLineAndStopTheScript) {
    EXPECT_FALSE(Run("rec one;\nrec two;\nrec -fail;\nrec four;"));
    EXPECT_EQ(error_.line, 3);
    EXPECT_EQ(error_.command, "rec");
    EXPECT_EQ(error_.Format(), "line 3: rec: asked to fail");
    EXPECT_EQ(calls_.size(), 3u);

    EXPECT_FALSE(Run("noSuchCommand 1;"));
    EXPECT_EQ(error_.reason, "Cannot find procedure \"noSuchCommand\".");

    EXPECT_FALSE(Run("rec a;\nprint $missing;"));
    EXPECT_EQ(error_.line, 2);
    EXPECT_EQ(error_.reason, "\"$missing\" is an undeclared variable.");

    EXPECT_FALSE(Run("int $z = 1 / 0;"));
    EXPECT_EQ(error_.reason, "Division by zero.");
}

TEST_F(InterpreterTest, SyntaxErrorsStopTheScriptBeforeItStarts) {
    calls_.clear();
    EXPECT_FALSE(Run("rec first;\nrec second\nif (1 { rec third; }"));
    EXPECT_TRUE(calls_.empty());
    EXPECT_EQ(error_.line, 3);
    EXPECT_NE(error_.reason.find("Syntax error"), std::string::npos);
    for (const char* bad : {"\"open", "/* open", "rec `ls", "{ rec a;", "string $a = ;", "$ = 3;", "rec @;",
                            "int $x = 99999999999999999999;"}) {
        EXPECT_FALSE(Run(bad)) << bad;
        EXPECT_TRUE(error_.IsSet()) << bad;
    }
}

TEST_F(InterpreterTest, CommentsAndLineNumbersAcrossThem) {
    EXPECT_FALSE(Run("// a comment\n/* a\nlong\ncomment */ rec a; // rec b;\nrec -fail;"));
    EXPECT_EQ(calls_.size(), 2u);
    EXPECT_EQ(error_.line, 5);
}

TEST_F(InterpreterTest, HostileNestingAndEndlessLoopsAreRefused) {
    EXPECT_FALSE(Run(std::string(5000, '(') + "1" + std::string(5000, ')') + ";"));
    EXPECT_NE(error_.reason.find("too deep"), std::string::npos);
    EXPECT_FALSE(Run(std::string(5000, '{')));
    interp_.SetStepLimit(1000);
    EXPECT_FALSE(Run("while (1) { }"));
    EXPECT_NE(error_.reason.find("loop steps"), std::string::npos);
}

TEST_F(InterpreterTest, FallbackServesCommandsTheTableDoesNotKnow) {
    interp_.SetFallback([](const CommandCall& call, Value& result, std::string&) {
        if (call.name != "pluginCmd") return false;
        result = Value::String("from plug-in");
        return true;
    });
    ASSERT_TRUE(Run("string $r = `pluginCmd`;"));
    EXPECT_EQ(Var("r"), "from plug-in");
    EXPECT_FALSE(Run("otherCmd;"));
    EXPECT_EQ(error_.reason, "Cannot find procedure \"otherCmd\".");
}

} // namespace
} // namespace vex::host::command

namespace vex::host::command {
namespace {

TEST_F(InterpreterTest, GlobalsKeepTheirValueWhenDeclaredAgain) {
    ASSERT_TRUE(Run("global string $shelf = \"ShelfLayout\";")) << error_.Format();
    ASSERT_TRUE(Run("global string $shelf; string $copy = $shelf;")) << error_.Format();
    EXPECT_EQ(Var("copy"), "ShelfLayout");
    // A plain declaration starts afresh.
    ASSERT_TRUE(Run("string $shelf;")) << error_.Format();
    EXPECT_EQ(Var("shelf"), "");
}

TEST_F(InterpreterTest, AParenthesisedFirstArgumentIsNotAFunctionCall) {
    ASSERT_TRUE(Run("string $n = \"ball\"; rec ($n + \".ty\") 1.5; rec(\"a\", 2); rec (\"b\");"))
        << error_.Format();
    ASSERT_EQ(calls_.size(), 3u);
    ASSERT_EQ(calls_[0].args.size(), 2u);
    EXPECT_EQ(calls_[0].args[0].value.AsString(), "ball.ty");
    EXPECT_EQ(calls_[0].args[1].value, Value::Float(1.5));
    EXPECT_EQ(calls_[1].args.size(), 2u);
    EXPECT_EQ(calls_[2].args[0].value.AsString(), "b");
}

TEST_F(InterpreterTest, ComponentRangesAndNamespacesStayOneWord) {
    ASSERT_TRUE(Run("rec ballShape.f[0:11] :time1 set:ball.tx;")) << error_.Format();
    ASSERT_EQ(calls_.size(), 1u);
    ASSERT_EQ(calls_[0].args.size(), 3u);
    EXPECT_EQ(calls_[0].args[0].value.AsString(), "ballShape.f[0:11]");
    EXPECT_EQ(calls_[0].args[1].value.AsString(), ":time1");
    EXPECT_EQ(calls_[0].args[2].value.AsString(), "set:ball.tx");
}

} // namespace
} // namespace vex::host::command

namespace vex::host::command {
namespace {

TEST_F(InterpreterTest, CompoundAssignmentFollowsTheOperatorsRules) {
    ASSERT_TRUE(Run("int $n[] = {1, 2}; $n[1] += 5; string $s[] = {\"a\"}; $s[0] += \"b\";"
                    "int $big = 9223372036854775807; $big += 1;"))
        << error_.Format();
    EXPECT_EQ(Var("n"), "1 7");
    EXPECT_EQ(Var("s"), "ab");
    EXPECT_EQ(Var("big"), "-9223372036854775808"); // wraps, as whole-number "+" does
    EXPECT_FALSE(Run("string $t = \"x\"; $t -= 1;"));
    EXPECT_FALSE(Run("string $u[] = {\"x\"}; $u[0] -= 1;"));
}

} // namespace
} // namespace vex::host::command
