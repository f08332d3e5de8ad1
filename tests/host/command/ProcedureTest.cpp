#include "host/command/Interpreter.h"
#include "tests/host/command/InterpreterFixture.h"

namespace vex::host::command {
namespace {

class ProcedureTest : public InterpreterTest {};

TEST_F(ProcedureTest, ProceduresTakeTypedArgumentsAndAnswerTheirReturnType) {
    ASSERT_TRUE(Run("global proc string label(string $name, int $count) { return $name + \"#\" + $count; }\n"
                    "proc float half(float $x) { return $x / 2; }\n"
                    "proc string[] pair(string $a) { return {$a, $a + \"2\"}; }\n"
                    "proc int truncated() { return 7.9; }\n"
                    "proc nothing() { rec called; }"))
        << error_.Format();
    EXPECT_EQ(Answer("label(\"ball\", 3)"), "ball#3");
    EXPECT_EQ(Answer("half(3)"), "1.5") << "an int argument becomes the declared float";
    EXPECT_EQ(Answer("truncated()"), "7") << "the value is converted to the return type";
    ASSERT_TRUE(Run("string $p[] = pair(\"x\");"));
    EXPECT_EQ(Var("p"), "x x2");
    // Called like a command: the words and numbers are converted to the argument types.
    ASSERT_TRUE(Run("string $c = `label box 12`; nothing;")) << error_.Format();
    EXPECT_EQ(Var("c"), "box#12");
    EXPECT_EQ(calls_.size(), 1u);
    EXPECT_TRUE(interp_.HasProcedure("label"));
}

TEST_F(ProcedureTest, RecursionAndProceduresCallingEachOther) {
    ASSERT_TRUE(
        Run("proc int fib(int $n) { if ($n < 2) return $n; return fib($n - 1) + fib($n - 2); }\n"
            "proc int fact(int $n) { return $n <= 1 ? 1 : $n * fact($n - 1); }\n"
            "proc string pad(string $s, int $width) {\n"
            "    while (size($s) < $width) $s = \"0\" + $s;\n"
            "    return $s;\n"
            "}\n"
            "proc string frameName(string $base, int $frame) { return $base + \".\" + pad($frame, 4); }"))
        << error_.Format();
    EXPECT_EQ(Answer("fib(15)"), "610");
    EXPECT_EQ(Answer("fact(10)"), "3628800");
    EXPECT_EQ(Answer("frameName(\"render\", 42)"), "render.0042");
    // Endless recursion stops with an error instead of exhausting the stack.
    ASSERT_TRUE(Run("proc int down(int $n) { return down($n + 1); }"));
    EXPECT_FALSE(Run("down(0);"));
    EXPECT_NE(error_.reason.find("nested more than"), std::string::npos) << error_.Format();
    // Each call nests a deep expression: the stack runs out long before the call limit, and the
    // script still fails with a message.
    std::string deep = "down2($n + 1)";
    for (int i = 0; i < 150; ++i) deep = "1 + (" + deep + ")";
    ASSERT_TRUE(Run("proc int down2(int $n) { return " + deep + "; }"));
    EXPECT_FALSE(Run("down2(0);"));
    EXPECT_NE(error_.reason.find("nested more than"), std::string::npos) << error_.Format();
}

TEST_F(ProcedureTest, VariablesInsideAProcedureAreItsOwnUnlessDeclaredGlobal) {
    ASSERT_TRUE(Run("global int $gCount = 10; int $topLevel = 1;\n"
                    "proc bump() { global int $gCount; $gCount++; int $local = 5; $temp = 3; }\n"
                    "proc int readsTop() { return $topLevel; }\n"
                    "bump(); bump();"))
        << error_.Format();
    EXPECT_EQ(Var("gCount"), "12");
    EXPECT_EQ(Var("local"), "<undeclared>");
    EXPECT_EQ(Var("temp"), "<undeclared>") << "an assignment inside a procedure declares a local";
    EXPECT_FALSE(Run("readsTop();"));
    EXPECT_EQ(error_.reason, "\"$topLevel\" is an undeclared variable.");
    // Each call starts with fresh locals: recursion does not see its caller's.
    ASSERT_TRUE(Run("proc int depth(int $n) { int $mine = $n; if ($n > 0) depth($n - 1); return $mine; }"));
    EXPECT_EQ(Answer("depth(3)"), "3");
}

TEST_F(ProcedureTest, ArraysGoByReferenceAndEverythingElseByValue) {
    ASSERT_TRUE(
        Run("proc addItem(string $list[], string $item) { $list[size($list)] = $item; }\n"
            "proc int total(int $values[]) { int $sum = 0; for ($v in $values) $sum += $v; $values = {};"
            " return $sum; }\n"
            "proc bump(int $x) { $x++; }\n"
            "string $items[] = {\"a\"}; addItem($items, \"b\"); addItem $items \"c\";\n"
            "int $nums[] = {1, 2, 3}; int $t = total($nums); int $literal = total({4, 5});\n"
            "int $n = 1; bump($n);"))
        << error_.Format();
    EXPECT_EQ(Var("items"), "a b c");
    EXPECT_EQ(Var("t"), "6");
    EXPECT_EQ(Var("nums"), "") << "emptied by the procedure";
    EXPECT_EQ(Var("literal"), "9");
    EXPECT_EQ(Var("n"), "1");
}

TEST_F(ProcedureTest, BadCallsAndBadDefinitionsAreRefusedClearly) {
    ASSERT_TRUE(Run("proc int twice(int $x) { return 2 * $x; }\nproc list(string $a[]) { print $a; }"));
    EXPECT_FALSE(Run("twice(1, 2);"));
    EXPECT_EQ(error_.reason, "Wrong number of arguments on call to twice: it takes 1, not 2.");
    EXPECT_FALSE(Run("twice({1, 2});"));
    EXPECT_EQ(error_.reason, "Argument 1 of twice: Cannot convert data of type int[] to type int.");
    EXPECT_FALSE(Run("list(\"a\");"));
    EXPECT_EQ(error_.reason, "Argument 1 of list: Cannot convert data of type string to type string[].");
    EXPECT_FALSE(Run("rec a;\nnoSuchProc(1);"));
    EXPECT_EQ(error_.Format(), "line 2: Cannot find procedure \"noSuchProc\".");

    // Found before anything runs.
    const std::pair<const char*, const char*> syntax[] = {
        {"rec a; return 1;", "\"return\" is only allowed inside a procedure"},
        {"proc int f() { return; }", "must return a value of type int"},
        {"proc f() { return 2; }", "has no return type"},
        {"proc f() { proc g() { } }", "cannot be defined inside another"},
        {"proc f(int) { }", "expected an argument name"},
        {"proc f(int $a { }", "expected \",\""},
    };
    for (const auto& [script, reason] : syntax) {
        calls_.clear();
        EXPECT_FALSE(Run(script)) << script;
        EXPECT_NE(error_.reason.find(reason), std::string::npos) << script << "\n" << error_.Format();
        EXPECT_TRUE(calls_.empty()) << script;
    }
    // An error inside a procedure is located at its own line and stops the caller.
    ASSERT_TRUE(Run("proc broken() {\n  rec in;\n  rec -fail;\n  rec never;\n}"));
    calls_.clear();
    EXPECT_FALSE(Run("broken(); rec after;"));
    EXPECT_EQ(error_.Format(), "line 3: rec: asked to fail");
    EXPECT_EQ(calls_.size(), 2u);
}

TEST_F(ProcedureTest, AScriptInTheStyleOfAUsersTool) {
    // A renaming tool: splits names, changes a suffix, keeps a count, and answers a report.
    ASSERT_TRUE(Run(R"(
global proc string[] renameAll(string $names[], string $from, string $to) {
    string $result[];
    for ($name in $names) {
        string $parts[];
        int $n = tokenize($name, "_", $parts);
        if ($n > 1 && $parts[$n - 1] == $from) $parts[$n - 1] = $to;
        $result[size($result)] = stringArrayToString($parts, "_");
    }
    return $result;
}
global proc string describe(string $names[]) {
    int $geo = 0, $other = 0;
    for ($n in $names) {
        switch (`match "_[a-z]+$" $n`) {
            case "_geo":
                $geo++;
                break;
            default:
                $other++;
        }
    }
    return ($geo + " geometry, " + $other + " other");
}
string $renamed[] = renameAll({"arm_L_mesh", "leg_R_mesh", "root_jnt"}, "mesh", "geo");
string $report = describe($renamed);
)")) << error_.Format();
    EXPECT_EQ(Var("renamed"), "arm_L_geo leg_R_geo root_jnt");
    EXPECT_EQ(Var("report"), "2 geometry, 1 other");
}

} // namespace
} // namespace vex::host::command
