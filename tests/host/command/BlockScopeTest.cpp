// Variables declared in a block last until the block ends; procedures and globals keep their own.
#include "host/command/Interpreter.h"
#include "tests/host/command/InterpreterFixture.h"

#include <string>
#include <vector>

namespace vex::host::command {
namespace {

class BlockScopeTest : public InterpreterTest {
protected:
    // The first positional argument of every "rec" call so far, in order.
    std::vector<std::string> Recorded() const {
        std::vector<std::string> values;
        for (const CommandCall& call : calls_) values.push_back(call.Positional().front().AsString());
        return values;
    }
};

TEST_F(BlockScopeTest, AVariableDeclaredInABlockIsGoneAfterIt) {
    EXPECT_EQ(Answer("{ int $i = 1; }\nprint $i;"), "error: line 2: \"$i\" is an undeclared variable.");
    EXPECT_TRUE(printed_.empty());
    const char* const bodies[] = {"{ int $v = 1; }",
                                  "if (1) { int $v = 1; }",
                                  "if (0) { } else { float $v = 1; }",
                                  "while (1) { string $v = \"a\"; break; }",
                                  "for ($k = 0; $k < 2; $k++) { int $v = $k; }",
                                  "for ($w in {\"a\", \"b\"}) { string $v = $w; }",
                                  "do { int $v = 1; } while (0);",
                                  "switch (1) { case 1: int $v = 1; break; }",
                                  "{ $v = 2; }",
                                  "{ int $u = 1, $v = 2; }"};
    for (const char* body : bodies) {
        EXPECT_TRUE(Run(body)) << body << ": " << error_.Format();
        EXPECT_EQ(Var("v"), "<undeclared>") << body;
    }
    // One statement that declares several names is no block of its own.
    ASSERT_TRUE(Run("int $m = 3, $o = 4;"));
    EXPECT_EQ(Var("o"), "4");
    // The variables of the loop's own header are not in its body's block.
    EXPECT_EQ(Var("k"), "2");
    EXPECT_EQ(Var("w"), "b");
    // However the block ends, its variables go: an error, a break, a procedure's return.
    EXPECT_FALSE(Run("{ int $failed = 1; rec -fail; }"));
    EXPECT_EQ(Var("failed"), "<undeclared>");
    ASSERT_TRUE(Run("proc int early() { { int $r = 4; return $r; } }"));
    EXPECT_EQ(Answer("early() + early()"), "8");
    EXPECT_EQ(Var("r"), "<undeclared>");
}

TEST_F(BlockScopeTest, ALoopBodyDeclaresItsVariableAfreshEachTime) {
    ASSERT_TRUE(Run("int $sum = 0; string $sizes;\n"
                    "for ($k = 0; $k < 4; $k++) {\n"
                    "    int $v;\n"
                    "    $v += $k;\n"
                    "    $sum += $v;\n"
                    "    string $list[];\n"
                    "    $list[size($list)] = \"x\";\n"
                    "    $sizes += size($list);\n"
                    "}"))
        << error_.Format();
    EXPECT_EQ(Var("sum"), "6") << "each $v starts at 0";
    EXPECT_EQ(Var("sizes"), "1111") << "each $list starts empty";
}

TEST_F(BlockScopeTest, NestedBlocksHideOuterVariablesUntilTheyEnd) {
    ASSERT_TRUE(Run("int $x = 1; string $s = \"outer\";\n"
                    "{ int $x = 2; { int $x = 3; rec $x; } rec $x; int $s = 7; rec $s; }\n"
                    "rec $x; rec $s;"))
        << error_.Format();
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"3", "2", "7", "1", "outer"}));
    EXPECT_EQ(Var("s"), "outer") << "the outer variable keeps its own type";
    // A block that assigns without declaring changes the variable outside it, and an initial value
    // reads the outer variable before the new one hides it.
    ASSERT_TRUE(Run("int $n = 1; { $n = 5; } { int $n = $n + 10; rec $n; }"));
    EXPECT_EQ(Var("n"), "5");
    EXPECT_EQ(Recorded().back(), "15");
    // One switch is one block: a case sees what an earlier case declared when it falls through.
    EXPECT_EQ(Answer("switch (1) { case 1: int $a = 4; case 2: $a * 2; }"), "8");
    EXPECT_EQ(Var("a"), "<undeclared>");
}

TEST_F(BlockScopeTest, GlobalsAndProceduresKeepTheirScopes) {
    ASSERT_TRUE(Run("{ global int $gFromBlock = 7; }")) << error_.Format();
    EXPECT_EQ(Var("gFromBlock"), "7") << "a global declared in a block outlives it";
    ASSERT_TRUE(Run("global int $gLevel = 1;\n"
                    "proc raise() {\n"
                    "    global int $gLevel;\n"
                    "    { int $gLevel = 50; $gLevel++; rec $gLevel; }\n"
                    "    $gLevel++;\n"
                    "}\n"
                    "raise();"))
        << error_.Format();
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"51"}));
    EXPECT_EQ(Var("gLevel"), "2") << "after the block the name is the global one again";
    ASSERT_TRUE(Run("proc int leaks() { if (1) { int $t = 3; } return $t; }"));
    EXPECT_EQ(Answer("leaks()"), "error: line 1: \"$t\" is an undeclared variable.");
    // A procedure called from a block does not see the block's variables, nor the block its own.
    ASSERT_TRUE(Run("proc int peek() { int $mine = 9; return $mine; }"));
    EXPECT_EQ(Answer("{ int $hidden = 1; peek(); }"), "9");
    EXPECT_EQ(Answer("proc int readsBlock() { return $hidden; } { int $hidden = 1; readsBlock(); }"),
              "error: line 1: \"$hidden\" is an undeclared variable.");
    EXPECT_EQ(Var("mine"), "<undeclared>");
}

} // namespace
} // namespace vex::host::command
