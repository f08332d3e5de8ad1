#include "host/command/MathFunctions.h"

#include "tests/host/command/InterpreterFixture.h"

namespace vex::host::command {
namespace {

class MathFunctionsTest : public InterpreterTest {};

TEST_F(MathFunctionsTest, RoundingPowersAnglesAndLimits) {
    EXPECT_EQ(Answer("floor(-1.5) + \" \" + ceil(-1.5) + \" \" + trunc(-1.5) + \" \" + trunc(2.7)"),
              "-2 -1 -1 2");
    EXPECT_EQ(Answer("pow(2, 10)"), "1024");
    EXPECT_EQ(Answer("sqrt(2)"), "1.4142135623730951") << "the shortest text that reads back the same double";
    EXPECT_EQ(Answer("rad_to_deg(atan2(1, 1))"), "45");
    EXPECT_EQ(Answer("deg_to_rad(180)"), "3.141592653589793");
    EXPECT_EQ(Answer("tan(0) + cos(0)"), "1");
    EXPECT_EQ(Answer("abs(-3)"), "3");
    EXPECT_EQ(Answer("abs(-3) / 2"), "1") << "abs of an int is an int";
    EXPECT_EQ(Answer("abs(-2.5)"), "2.5");
    EXPECT_EQ(Answer("min(3, 7) / 2 + max(2.5, 1)"), "3.5");
    EXPECT_EQ(Answer("clamp(0, 10, 12) + clamp(0, 10, -1) + clamp(0, 10, 4.5)"), "14.5");
    EXPECT_EQ(Answer("pow(2)"), "error: line 1: pow: Wrong number of arguments: expects 2 arguments, got 1.");
    EXPECT_EQ(Answer("clamp(0, \"ten\", 1)"),
              "error: line 1: clamp: Argument 2 must be a number, not a value of type string.");
}

TEST_F(MathFunctionsTest, RandIsTheSameSequenceAfterTheSameSeed) {
    ASSERT_TRUE(Run("seed(7); float $a = rand(10); float $b = rand(5, 6); vector $v = rand(<<1, 2, 3>>);"
                    "seed(7); float $a2 = rand(10); float $b2 = rand(5, 6); vector $v2 = rand(<<1, 2, 3>>);"))
        << error_.Format();
    EXPECT_EQ(Var("a"), Var("a2"));
    EXPECT_EQ(Var("b"), Var("b2"));
    EXPECT_EQ(Var("v"), Var("v2"));
    EXPECT_NE(Var("a"), Var("b"));
    // Many draws stay within their range and are not all the same.
    ASSERT_TRUE(Run("int $inside = 1; float $lo = 9, $hi = -9; for ($i = 0; $i < 500; $i++) {"
                    " float $r = rand(-2, 3); if ($r < -2 || $r >= 3) $inside = 0;"
                    " $lo = min($lo, $r); $hi = max($hi, $r); } int $spread = $lo < -1.5 && $hi > 2.5;"))
        << error_.Format();
    EXPECT_EQ(Var("inside"), "1");
    EXPECT_EQ(Var("spread"), "1");
    EXPECT_EQ(Answer("rand()"),
              "error: line 1: rand: Wrong number of arguments: expects 1 to 2 arguments, got 0.");
    EXPECT_EQ(Answer("seed(\"x\")"),
              "error: line 1: seed: Argument 1 must be a number, not a value of type string.");
}

TEST_F(MathFunctionsTest, VectorsHaveComponentsArithmeticAndTheirFunctions) {
    ASSERT_TRUE(
        Run("vector $a = <<1, 2, 3>>; vector $b = <<4, 5, 6>>; float $x = $a.x; float $z = $b.z;"
            "vector $sum = $a + $b; vector $scaled = $a * 2; vector $half = $b / 2; vector $neg = -$a;"
            "float $dotted = $a * $b; vector $crossed = $a ^ $b; vector $c = cross(<<1, 0, 0>>, <<0, 1, 0>>);"
            "float $d = dot($a, $b); float $len = mag(<<3, 4, 0>>); vector $u = unit(<<0, 0, 5>>);"
            "float $fromVector = <<3, 4, 0>>; vector $fromText = \"1 2.5 -3\";"))
        << error_.Format();
    EXPECT_EQ(Var("x"), "1");
    EXPECT_EQ(Var("z"), "6");
    EXPECT_EQ(Var("sum"), "5 7 9");
    EXPECT_EQ(Var("scaled"), "2 4 6");
    EXPECT_EQ(Var("half"), "2 2.5 3");
    EXPECT_EQ(Var("neg"), "-1 -2 -3");
    EXPECT_EQ(Var("dotted"), "32");
    EXPECT_EQ(Var("crossed"), "-3 6 -3");
    EXPECT_EQ(Var("c"), "0 0 1");
    EXPECT_EQ(Var("d"), "32");
    EXPECT_EQ(Var("len"), "5");
    EXPECT_EQ(Var("u"), "0 0 1");
    EXPECT_EQ(Var("fromVector"), "5");
    EXPECT_EQ(Var("fromText"), "1 2.5 -3");
    EXPECT_EQ(Answer("<<1, 2, 3>> == <<1, 2, 3>>"), "1");

    EXPECT_EQ(Answer("vector $v = <<1, 2, 3>>; $v.w"),
              "error: line 1: Syntax error: expected x, y or z after \".\" but found \"w\"");
    EXPECT_EQ(Answer("float $f = 2; $f.x"), "error: line 1: Cannot take .x of a value of type float.");
    EXPECT_EQ(Answer("<<1, 2>>"), "error: line 1: Syntax error: a vector has three values: <<x, y, z>>");
    EXPECT_EQ(Answer("<<1, \"a\", 3>>"),
              "error: line 1: The values of a vector or matrix must be numbers, not string.");
    EXPECT_EQ(Answer("<<1, 2, 3>> ^ 2"), "error: line 1: Cannot use \"^\" on values of type vector and int.");
    EXPECT_EQ(Answer("2 ^ 3"), "error: line 1: \"^\" is the cross product of two vectors.");
    EXPECT_EQ(Answer("cross(<<1, 0, 0>>, \"x\")"),
              "error: line 1: cross: Argument 2 must be a vector, not a value of type string.");
}

TEST_F(MathFunctionsTest, MatricesAreDeclaredWithTheirSizeAndIndexedByRowAndColumn) {
    ASSERT_TRUE(
        Run("matrix $m[2][3] = <<1, 2, 3; 4, 5, 6>>; float $e = $m[1][2]; $m[0][1] = 9; $m[1][0] += 1;"
            "matrix $zero[2][2]; matrix $i[2][2] = <<1, 0; 0, 1>>; matrix $p[2][3] = $i * $m;"
            "matrix $twice[2][3] = $m * 2;"))
        << error_.Format();
    EXPECT_EQ(Var("e"), "6");
    EXPECT_EQ(Var("m"), "<<1, 9, 3; 5, 5, 6>>");
    EXPECT_EQ(Var("zero"), "<<0, 0; 0, 0>>");
    EXPECT_EQ(Var("p"), Var("m")) << "the identity leaves the product unchanged";
    EXPECT_EQ(Var("twice"), "<<2, 18, 6; 10, 10, 12>>");

    EXPECT_EQ(Answer("matrix $a[2][2]; $a[2][0]"),
              "error: line 1: Matrix index [2][0] is out of range for $a.");
    EXPECT_EQ(Answer("matrix $b[2][2]; $b[0] = 1;"),
              "error: line 1: A matrix element needs two indexes: $b[row][column].");
    EXPECT_EQ(Answer("matrix $c[1][2] = <<1, 2, 3>>;"),
              "error: line 1: Cannot convert data of type vector to type matrix.");
    EXPECT_EQ(Answer("matrix $d[2][2] = <<1, 2, 3; 4, 5, 6>>;"),
              "error: line 1: The matrix is declared 2 by 2 but given 2 by 3.");
    EXPECT_EQ(Answer("matrix $e;"),
              "error: line 1: Syntax error: a matrix needs its size: matrix $e[rows][columns]");
    EXPECT_EQ(Answer("<<1, 2; 3>>"),
              "error: line 1: Syntax error: the rows of a matrix must have the same number of values");
    EXPECT_EQ(Answer("matrix $f[2][2]; matrix $g[3][3]; $f * $g"),
              "error: line 1: Cannot multiply a 2 by 2 matrix by a 3 by 3 one.");
}

} // namespace
} // namespace vex::host::command
