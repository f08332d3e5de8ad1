#include "host/command/StringFunctions.h"

#include "tests/host/command/InterpreterFixture.h"

namespace vex::host::command {
namespace {

class StringFunctionsTest : public InterpreterTest {};

TEST_F(StringFunctionsTest, TokenizeFillsTheArrayWithOrWithoutSeparators) {
    ASSERT_TRUE(Run("string $words[] = {\"old\"}; int $n = tokenize(\"  pCube1   pSphere2\\tcam \", $words);"
                    "string $parts[]; int $m = tokenize(\"a,b;;c\", \",;\", $parts);"
                    "string $none[]; int $z = tokenize(\"\", \",\", $none);"))
        << error_.Format();
    EXPECT_EQ(Var("n"), "3");
    EXPECT_EQ(Var("words"), "pCube1 pSphere2 cam") << "the array is replaced, not appended to";
    EXPECT_EQ(Var("m"), "3");
    EXPECT_EQ(Var("parts"), "a b c");
    EXPECT_EQ(Var("z"), "0");
    EXPECT_FALSE(Run("string $s; tokenize(\"a b\", $s);"));
    EXPECT_NE(error_.reason.find("must be a string array"), std::string::npos) << error_.Format();
    EXPECT_FALSE(Run("tokenize(\"a b\", \" \", \"notAVariable\");"));
    EXPECT_NE(error_.reason.find("must be a variable"), std::string::npos) << error_.Format();
    EXPECT_FALSE(Run("string $p[]; tokenize(\"a\", $p, \" \", $p);"));
    EXPECT_NE(error_.reason.find("expects 2 to 3 arguments, got 4"), std::string::npos) << error_.Format();
    EXPECT_FALSE(Run("tokenize(\"a\", $undeclared);"));
    EXPECT_EQ(error_.reason, "\"$undeclared\" is an undeclared variable.");
}

TEST_F(StringFunctionsTest, SubstringIsOneBasedAndInclusive) {
    EXPECT_EQ(Answer("substring(\"pCube1\", 2, 5)"), "Cube");
    EXPECT_EQ(Answer("substring(\"abc\", 2, 99)"), "bc");
    EXPECT_EQ(Answer("substring(\"abc\", 3, 2)"), "");
    EXPECT_EQ(Answer("substring(\"abc\", 0, 2)"),
              "error: line 1: substring: The start index is 0; the first character is 1.");
    EXPECT_EQ(Answer("substring(\"abc\", \"x\", 2)"),
              "error: line 1: substring: Argument 2 must be a number, not a value of type string.");
}

TEST_F(StringFunctionsTest, MatchAndSubstituteUseRegularExpressions) {
    EXPECT_EQ(Answer("match(\"[0-9]+\", \"pCube12_geo3\")"), "12");
    EXPECT_EQ(Answer("match(\"^[a-z]+\", \"Cube\")"), "");
    EXPECT_EQ(Answer("match(\"\\\\.\", \"a.b\")"), ".");
    EXPECT_EQ(Answer("substitute(\"_L$\", \"arm_L\", \"_R\")"), "arm_R");
    EXPECT_EQ(Answer("substitute(\"o\", \"foo\", \"0\")"), "f0o") << "only the first match";
    EXPECT_EQ(Answer("substitute(\"(x)\", \"axb\", \"$1$1\")"), "a$1$1b") << "the replacement is plain text";
    EXPECT_EQ(Answer("substituteAllString(\"a.b.c\", \".\", \"::\")"), "a::b::c");
    EXPECT_EQ(Answer("substituteAllString(\"aaa\", \"a\", \"aa\")"), "aaaaaa")
        << "the replacement is not searched again";
    EXPECT_EQ(Answer("match(\"(\", \"x\")"),
              "error: line 1: match: \"(\" is not a valid regular expression.");
    EXPECT_EQ(Answer("gmatch(\"pCube12\", \"pCube*\")") + Answer("gmatch(\"pCube12\", \"p?ube[0-9]2\")") +
                  Answer("gmatch(\"pCube12\", \"*Sphere*\")") + Answer("gmatch(\"a*\", \"a\\\\*\")"),
              "1101");
}

TEST_F(StringFunctionsTest, CaseBlanksAndComparisons) {
    EXPECT_EQ(Answer("strip(\" \\t name \\n\")"), "name");
    EXPECT_EQ(Answer("strip(\"   \")"), "");
    EXPECT_EQ(Answer("toupper(\"Left_arm1\") + tolower(\"RIGHT\")"), "LEFT_ARM1right");
    EXPECT_EQ(Answer("startsWith(\"pCube1\", \"pC\") + \" \" + startsWith(\"pCube1\", \"C\") + \" \" +"
                     "endsWith(\"arm_L\", \"_L\") + \" \" + endsWith(\"L\", \"arm_L\")"),
              "1 0 1 0");
    EXPECT_EQ(Answer("strcmp(\"a\", \"b\") + \" \" + strcmp(\"b\", \"b\") + \" \" + strcmp(\"c\", \"b\")"),
              "-1 0 1");
    EXPECT_EQ(Answer("size(\"four\") + size({\"a\", \"b\", \"c\"})"), "7");
    EXPECT_EQ(Answer("size()"), "error: line 1: size: Wrong number of arguments: expects 1 argument, got 0.");
}

TEST_F(StringFunctionsTest, StringArrays) {
    ASSERT_TRUE(Run("string $names[] = {\"ball\", \"box\"}; int $has = stringArrayContains(\"box\", $names);"
                    "int $not = stringArrayContains(\"bo\", $names); string $joined = "
                    "stringArrayToString($names, \", \");"
                    "string $back[] = stringToStringArray($joined, \", \");"))
        << error_.Format();
    EXPECT_EQ(Var("has"), "1");
    EXPECT_EQ(Var("not"), "0");
    EXPECT_EQ(Var("joined"), "ball, box");
    EXPECT_EQ(Var("back"), "ball box");
    EXPECT_EQ(Answer("stringArrayContains(\"a\", \"a\")"),
              "error: line 1: stringArrayContains: Argument 2 must be an array, not a value of type string.");
    EXPECT_EQ(Answer("toupper({\"a\"})"),
              "error: line 1: toupper: Argument 1 must be a string, not a value of type string[].");
}

TEST(GlobMatch, WildcardsSetsAndEscapes) {
    EXPECT_TRUE(GlobMatch("*", ""));
    EXPECT_TRUE(GlobMatch("a*b*c", "aXXbYc"));
    EXPECT_FALSE(GlobMatch("a*b*c", "aXXbY"));
    EXPECT_TRUE(GlobMatch("[!0-9]x", "ax"));
    EXPECT_FALSE(GlobMatch("[!0-9]x", "5x"));
    EXPECT_FALSE(GlobMatch("?", ""));
    EXPECT_EQ(SplitText(",a,,b,", ","), (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace vex::host::command
