#include "host/command/Interpreter.h"
#include "host/command/Parser.h"
#include "tests/host/command/InterpreterFixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vex::host::command {
namespace {

class ControlFlowTest : public InterpreterTest {};

TEST_F(ControlFlowTest, IncrementsBeforeAndAfterTheVariable) {
    ASSERT_TRUE(Run("int $i = 5; int $a = $i++; int $b = ++$i; int $c = $i--; int $d = --$i;"
                    "float $f = 0.5; $f++; int $list[] = {1, 2}; $list[1]++;"
                    "int $sum = 0; for ($k = 0; $k < 4; $k++) $sum += $k;"
                    "int $m = 3; $m *= 4; $m /= 2;"))
        << error_.Format();
    EXPECT_EQ(Var("a"), "5");
    EXPECT_EQ(Var("b"), "7");
    EXPECT_EQ(Var("c"), "7");
    EXPECT_EQ(Var("d"), "5");
    EXPECT_EQ(Var("i"), "5");
    EXPECT_EQ(Var("f"), "1.5");
    EXPECT_EQ(Var("list"), "1 3");
    EXPECT_EQ(Var("sum"), "6");
    EXPECT_EQ(Var("m"), "6");
    EXPECT_FALSE(Run("$never++;"));
    EXPECT_EQ(error_.reason, "\"$never\" is an undeclared variable.");
    EXPECT_FALSE(Run("string $s = \"a\"; $s++;"));
    EXPECT_NE(error_.reason.find("needs a number"), std::string::npos) << error_.Format();
}

TEST_F(ControlFlowTest, SwitchFallsThroughUntilBreakAndFallsBackToDefault) {
    ASSERT_TRUE(Run(R"(
proc string menu(string $choice) {
    string $done = "";
    switch ($choice) {
        case "new":
            $done += "cleared ";
        case "open":
            $done += "opened";
            break;
        case "quit":
            $done = "bye";
            break;
        default:
            $done = "unknown " + $choice;
    }
    return $done;
}
proc string sized(int $n) {
    switch ($n) { case 1: return "one"; case 2: return "two"; }
    return "many";
}
)")) << error_.Format();
    EXPECT_EQ(Answer("menu(\"new\")"), "cleared opened");
    EXPECT_EQ(Answer("menu(\"open\")"), "opened");
    EXPECT_EQ(Answer("menu(\"quit\")"), "bye");
    EXPECT_EQ(Answer("menu(\"help\")"), "unknown help");
    EXPECT_EQ(Answer("sized(2)"), "two");
    EXPECT_EQ(Answer("sized(5)"), "many");
    // continue inside a switch belongs to the loop around it.
    ASSERT_TRUE(
        Run("int $odd = 0; for ($i = 0; $i < 5; $i++) { switch ($i % 2) { case 0: continue; } $odd++; }"));
    EXPECT_EQ(Var("odd"), "2");
    EXPECT_FALSE(Run("switch (1) { rec a; }"));
    EXPECT_NE(error_.reason.find("expected \"case\" or \"default\""), std::string::npos);
}

TEST_F(ControlFlowTest, DoWhileRunsOnceAndTheConditionalOperatorPicksOneSide) {
    ASSERT_TRUE(Run("int $n = 10; do { $n++; } while ($n < 5);"
                    "int $k = 0; do $k += 2; while ($k < 7);"
                    "string $s = $n > 10 ? \"big\" : \"small\"; string $t = 0 ? \"a\" : 1 ? \"b\" : \"c\";"
                    "int $calls = 1 ? 0 : `rec unused`;"))
        << error_.Format();
    EXPECT_EQ(Var("n"), "11");
    EXPECT_EQ(Var("k"), "8");
    EXPECT_EQ(Var("s"), "big");
    EXPECT_EQ(Var("t"), "b");
    EXPECT_TRUE(calls_.empty()) << "the side not taken is not evaluated";
    EXPECT_FALSE(Run("do { } until (1);"));
    EXPECT_NE(error_.reason.find("expected \"while\""), std::string::npos);
}

TEST_F(ControlFlowTest, CatchStopsAnErrorAndTellsItOnceCatchQuietTellsNothing) {
    ASSERT_TRUE(Run("int $a = catch(`rec -fail`);\nint $b = catchQuiet(error(\"quiet\"));\n"
                    "int $c = catch(rec(\"fine\"));\nwarning \"careful\";\nrec after;"))
        << error_.Format();
    EXPECT_EQ(Var("a"), "1");
    EXPECT_EQ(Var("b"), "1");
    EXPECT_EQ(Var("c"), "0");
    EXPECT_EQ(diagnostics_,
              (std::vector<std::string>{"error: line 1: rec: asked to fail", "warning: line 4: careful"}));
    EXPECT_EQ(calls_.size(), 3u) << "the script went on after the caught error and the warning";
}

TEST_F(ControlFlowTest, EvalRunsTextAtTheTopLevelAndAnswersItsValue) {
    ASSERT_TRUE(Run("string $cmd = \"rec \" + 42; string $got = eval($cmd); eval \"int $made = 3\";"
                    "proc string inner() { string $local = \"x\"; return eval(\"size(\\\"abcd\\\")\"); }"
                    "string $n = inner();"))
        << error_.Format();
    EXPECT_EQ(Var("got"), "42");
    EXPECT_EQ(Var("made"), "3") << "eval'd declarations are global";
    EXPECT_EQ(Var("n"), "4");
    // The error inside the text is told as it is, at the line inside the text.
    EXPECT_FALSE(Run("rec a;\neval(\"rec b;\\nrec -fail\");"));
    EXPECT_EQ(error_.Format(), "line 2: rec: asked to fail");
    EXPECT_FALSE(Run("eval(\"rec (\");"));
    EXPECT_NE(error_.reason.find("Syntax error"), std::string::npos);
}

TEST_F(ControlFlowTest, SourceFindsFilesOnTheScriptPathAndKeepsTheirProcedures) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "torva-source-test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "helpers.mel")
        << "global proc string greet(string $who) { return \"hi \" + $who; }\n"
           "proc string broken() {\n  rec -fail;\n  return \"\";\n}\n";
    std::ofstream(folder / "bad.mel") << "rec one;\nrec (;\n";
    ::setenv("MAYA_SCRIPT_PATH", ("/nowhere:" + folder.string()).c_str(), 1);
    const bool sourced = Run("source helpers;");
    const std::string greeting = Answer("greet(\"ann\")");
    const bool brokenRan = Run("broken();");
    const std::string brokenError = error_.Format();
    calls_.clear();
    const bool badRan = Run("source \"bad.mel\";");
    const std::string badError = error_.Format();
    const bool missingRan = Run("source \"noSuchFile.mel\";");
    const std::string missingError = error_.Format();
    ::unsetenv("MAYA_SCRIPT_PATH");
    std::filesystem::remove_all(folder);

    EXPECT_TRUE(sourced);
    EXPECT_EQ(greeting, "hi ann");
    EXPECT_FALSE(brokenRan);
    EXPECT_EQ(brokenError, "file: " + (folder / "helpers.mel").string() + " line 3: rec: asked to fail")
        << "an error in a sourced procedure names its file";
    EXPECT_FALSE(badRan);
    EXPECT_NE(badError.find("bad.mel line 2: Syntax error"), std::string::npos) << badError;
    EXPECT_TRUE(calls_.empty()) << "a syntax error in the sourced file runs nothing of it";
    EXPECT_FALSE(missingRan);
    EXPECT_EQ(missingError, "line 1: source: Cannot find file \"noSuchFile.mel\" for source statement.");
}

TEST_F(ControlFlowTest, AStatementIsCompleteOnceItIsClosed) {
    for (const char* done : {"", "rec a;", "rec a; rec b;\n", "proc f() {\n rec a;\n}", "if (1) { rec a; }",
                             "rec (;", "// only a comment\n"})
        EXPECT_TRUE(Parser::IsComplete(done)) << done;
    for (const char* open : {"rec a", "setAttr ball.tx\n", "proc f() {\n rec a;\n", "print \"open", "/* open",
                             "do { rec a; }", "if (1) rec a", "string $a = (1 +"})
        EXPECT_FALSE(Parser::IsComplete(open)) << open;
}

TEST_F(ControlFlowTest, OnlyAnIfWithoutItsElseMayStillTakeOne) {
    for (const char* open : {"if (1) { rec a; }", "if (1) rec a;", "rec a; if (0) {} else if (1) {}",
                             "if (1) if (0) { rec a; }\n"})
        EXPECT_TRUE(Parser::MayTakeElse(open)) << open;
    for (const char* closed : {"if (1) {} else {}", "if (0) {} else if (1) {} else rec a;", "rec a;",
                               "if (1) {} rec b;", "while (1) { if (1) {} }", "if (1) {", ""})
        EXPECT_FALSE(Parser::MayTakeElse(closed)) << closed;
}

} // namespace
} // namespace vex::host::command
