#include "core/dedidavazi/DediDavazi.h"

#include "core/dedidavazi/DefaultFactories.h"
#include "core/dedidavazi/Zero.h"
#include "util/NumberText.h"
#include "util/xml/Tag.h"
#include "util/xml/TagWithData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using vex::orb::core::DediDavazi;
using vex::util::xml::Element;
using vex::util::xml::Tag;
using vex::util::xml::TagWithData;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

class DediDavaziTest : public testing::Test {
protected:
    static void SetUpTestSuite() { vex::orb::core::DediDavazi_Default::RegisterFactories(); }
};

std::unique_ptr<DediDavazi> Load(const std::string& xml) {
    Element element;
    EXPECT_EQ(element.Parse(xml), vex::util::xml::kOk) << xml;
    return DediDavazi::create(element);
}

double Evaluate(const std::string& xml) {
    const auto node = Load(xml);
    return node ? node->evaluate() : -12345.0;
}

std::string Constant(double value) {
    return "<constant>" + vex::util::FormatNumber(value) + "</constant>";
}

// The tree loaded again from its written text.
std::unique_ptr<DediDavazi> Reload(const DediDavazi& node) {
    Element written;
    node.toXml(written);
    return Load(written.ToString());
}

} // namespace

TEST_F(DediDavaziTest, ExampleEvaluatesAndWritesItsElementTree) {
    auto node = Load("<add><mul><parameter>0</parameter><constant>2</constant></mul>"
                     "<sin><parameter>1</parameter></sin></add>");
    ASSERT_TRUE(node);
    node->getChild(0)->getChild(0)->SetParameter(1, 0.5); // reaches the root from any node
    node->SetParameter(0, 3.25);
    EXPECT_EQ(node->evaluate(), 2 * 3.25 + std::sin(0.5));

    Element expected = Tag("add");
    Element& mul = expected.AddChild(Tag("mul"));
    mul.AddChild(TagWithData("parameter", 0));
    mul.AddChild(TagWithData("constant", 2));
    expected.AddChild(Tag("sin")).AddChild(TagWithData("parameter", 1));
    Element written = TagWithData("leftover", 7); // replaced, not appended to
    node->toXml(written);
    EXPECT_EQ(written, expected) << written.ToString();
}

TEST_F(DediDavaziTest, EveryOperationMatchesTheCLibrary) {
    using Binary = std::function<double(double, double)>;
    const std::vector<std::pair<std::string, Binary>> binaries = {
        {"add", [](double a, double b) { return a + b; }},
        {"sub", [](double a, double b) { return a - b; }},
        {"mul", [](double a, double b) { return a * b; }},
        {"div", [](double a, double b) { return a / b; }},
        {"greater", [](double a, double b) { return a > b ? 1.0 : 0.0; }},
        {"greater_equal", [](double a, double b) { return a >= b ? 1.0 : 0.0; }},
        {"less", [](double a, double b) { return a < b ? 1.0 : 0.0; }},
        {"less_equal", [](double a, double b) { return a <= b ? 1.0 : 0.0; }},
        {"equals", [](double a, double b) { return a == b ? 1.0 : 0.0; }},
        {"notequals", [](double a, double b) { return a != b ? 1.0 : 0.0; }},
        {"mod", [](double a, double b) { return std::fmod(a, b); }},
        {"pow", [](double a, double b) { return std::pow(a, b); }},
        {"atan2", [](double a, double b) { return std::atan2(a, b); }}};
    for (const auto& [name, expected] : binaries)
        for (auto [a, b] : {std::pair{5.5, -2.0}, {-2.0, 3.0}, {1.5, 1.5}})
            EXPECT_EQ(Evaluate("<" + name + ">" + Constant(a) + Constant(b) + "</" + name + ">"),
                      expected(a, b))
                << name << "(" << a << ", " << b << ")";

    const std::vector<std::pair<std::string, double (*)(double)>> unaries = {
        {"atan", [](double a) { return std::atan(a); }}, {"tan", [](double a) { return std::tan(a); }},
        {"sin", [](double a) { return std::sin(a); }},   {"cos", [](double a) { return std::cos(a); }},
        {"inv", [](double a) { return 1 / a; }},         {"neg", [](double a) { return -a; }}};
    for (const auto& [name, expected] : unaries)
        EXPECT_EQ(Evaluate("<" + name + ">" + Constant(0.75) + "</" + name + ">"), expected(0.75)) << name;
}

TEST_F(DediDavaziTest, OperandCountsAndMissingOperands) {
    EXPECT_EQ(Evaluate("<add>" + Constant(4) + "</add>"), 4);
    EXPECT_EQ(Evaluate("<add/>"), 0);
    EXPECT_EQ(Evaluate("<add>" + Constant(1) + Constant(2) + Constant(4) + "</add>"), 3);
    EXPECT_EQ(
        Evaluate("<sum>" + Constant(1) + Constant(2) + Constant(4) + Constant(8) + Constant(16) + "</sum>"),
        31);
    EXPECT_EQ(Evaluate("<sum/>"), 0);
    EXPECT_EQ(Evaluate("<constant/>"), 0);

    // Case matters, and a text or comment child is never an operand, whatever it says.
    EXPECT_EQ(Load("<Add>" + Constant(1) + "</Add>"), nullptr);
    EXPECT_EQ(Evaluate("<sum><Add>" + Constant(1) + "</Add>" + Constant(2) + "</sum>"), 2);
    EXPECT_EQ(Evaluate("<sum><!zero>" + Constant(2) + "</sum>"), 2);
    EXPECT_EQ(Evaluate("<neg>constant</neg>"), -0.0);
}

TEST_F(DediDavaziTest, ParametersGrowOnTheRoot) {
    auto node = Load("<sum><parameter>3</parameter><parameter>-1</parameter></sum>");
    ASSERT_TRUE(node);
    EXPECT_EQ(node->evaluate(), 0);
    node->getChild(1)->SetParameter(3, 7.5);
    node->SetParameter(-1, 100); // ignored
    EXPECT_EQ(node->evaluate(), 7.5);
    EXPECT_EQ(node->GetParameters(), (std::vector<double>{0, 0, 0, 7.5}));
    EXPECT_TRUE(node->getChild(0)->GetParameters().empty());

    // Moved into another tree, a parameter node reads that tree's root.
    auto other = Load("<sum/>");
    other->SetParameter(3, -2);
    ASSERT_TRUE(other->AddChild(node->getChild(0)));
    EXPECT_EQ(other->evaluate(), -2);
    EXPECT_EQ(node->CountChildren(), 1u);
    EXPECT_FALSE(other->getChild(0)->AddChild(other.get())); // no cycles
    other->getChild(0)->destroy();                           // leaves its parent consistent
    EXPECT_EQ(other->CountChildren(), 0u);
}

TEST_F(DediDavaziTest, IeeeResultsAreNotErrors) {
    EXPECT_EQ(Evaluate("<div>" + Constant(-3) + "<zero/></div>"), -kInf);
    EXPECT_TRUE(std::isnan(Evaluate("<div><zero/><zero/></div>")));
    EXPECT_TRUE(std::isnan(Evaluate("<mod>" + Constant(3) + "<zero/></mod>")));
    EXPECT_TRUE(std::isnan(Evaluate("<pow>" + Constant(-8) + Constant(1.0 / 3) + "</pow>")));
    EXPECT_EQ(Evaluate("<inv><zero/></inv>"), kInf);
    const std::string nan = "<div><zero/><zero/></div>";
    for (const char* comparison : {"greater", "greater_equal", "less", "less_equal", "equals"})
        EXPECT_EQ(Evaluate(std::string("<") + comparison + ">" + nan + nan + "</" + comparison + ">"), 0)
            << comparison;
    EXPECT_EQ(Evaluate("<notequals>" + nan + nan + "</notequals>"), 1);
}

TEST_F(DediDavaziTest, DataChildrenReadLeniently) {
    EXPECT_EQ(Evaluate("<constant> +2.5e1 and more</constant>"), 25);
    EXPECT_EQ(Evaluate("<constant>1e999</constant>"), kInf);
    EXPECT_TRUE(std::signbit(Evaluate("<constant>-1e-999</constant>")));
    const std::string zeros(400, '0');
    EXPECT_EQ(Evaluate("<constant>1" + zeros + "e-10</constant>"), kInf);
    EXPECT_EQ(Evaluate("<constant>0." + zeros + "1e10</constant>"), 0);
    EXPECT_EQ(Evaluate("<constant>two</constant>"), 0);
    EXPECT_EQ(Evaluate("<constant><constant>2</constant></constant>"), 0);

    auto node = Load("<sum><parameter>2.9</parameter><parameter>99999999999</parameter></sum>");
    node->SetParameter(2, 5);
    EXPECT_EQ(node->evaluate(), 5);
}

TEST_F(DediDavaziTest, WritingMakesMissingOperandsExplicitAndReloadsTheSame) {
    // "foo" has no factory: the next child moves up to the first operand, the third is never read.
    auto node = Load("<sub><foo/><constant>2</constant><constant>5</constant></sub>");
    ASSERT_TRUE(node);
    EXPECT_EQ(node->evaluate(), 2);
    Element written;
    node->toXml(written);
    EXPECT_EQ(written.ToString(), "<sub>\n\t<constant>2</constant>\n\t<zero/>\n</sub>");
    EXPECT_EQ(Reload(*node)->evaluate(), 2);

    // Every operation, constants that need all their digits, and infinities and NaN survive the text.
    auto all = Load("<sum><add><constant>0.1</constant></add><div><constant>1e300</constant><constant>1e-300"
                    "</constant></div><mul><constant>0.12345678901234567</constant><parameter>1</parameter>"
                    "</mul><greater_equal><parameter>0</parameter></greater_equal><mod/><pow/><atan2/>"
                    "<atan/><tan/><sin/><cos/><inv/><neg/><less/><less_equal/><equals/><notequals/><greater/>"
                    "<constant>-inf</constant><constant>-nan</constant></sum>");
    ASSERT_TRUE(all);
    const auto again = Reload(*all);
    EXPECT_EQ(again->getChild(2)->getChild(0)->evaluate(), 0.12345678901234567);
    EXPECT_EQ(again->getChild(1)->evaluate(), kInf);
    EXPECT_TRUE(std::isnan(again->evaluate()));
    Element first, second;
    all->toXml(first);
    again->toXml(second);
    EXPECT_EQ(first, second);
}

TEST_F(DediDavaziTest, DeepTreesLoadUpToTheDepthLimit) {
    // add(constant 1, add(constant 1, ...)) nested far below the limit, built without the XML reader.
    Element root = Tag("add");
    Element* level = &root;
    for (int i = 0; i < 400; ++i) {
        level->AddChild(TagWithData("constant", 1));
        level = &level->AddChild(Tag("add"));
    }
    const auto node = DediDavazi::create(root);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->evaluate(), static_cast<double>(DediDavazi::kMaxDepth - 1));
    EXPECT_EQ(Reload(*node)->evaluate(), static_cast<double>(DediDavazi::kMaxDepth - 1));
}

TEST_F(DediDavaziTest, FactoriesRegisterInOrderAndTheFirstWins) {
    const std::vector<std::string> order = {
        "zero", "constant",   "add",    "sub",       "mul", "div", "greater",  "greater_equal",
        "less", "less_equal", "equals", "notequals", "mod", "pow", "atan2",    "atan",
        "tan",  "sin",        "cos",    "inv",       "neg", "sum", "parameter"};
    std::vector<std::string> names = DediDavazi::FactoryNames();
    ASSERT_GE(names.size(), order.size());
    names.resize(order.size());
    EXPECT_EQ(names, order);

    // A factory whose every node is zero, counting its own destruction.
    struct Zeros : DediDavazi::Factory {
        Zeros(std::string name, int& destroyed) : Factory(std::move(name)), destroyed(destroyed) {}
        ~Zeros() override { ++destroyed; }
        std::unique_ptr<DediDavazi> create(const Element&) const override {
            return std::make_unique<vex::orb::core::DediDavazi_Default::Zero>(name());
        }
        int& destroyed;
    };
    int destroyed = 0;
    EXPECT_FALSE(DediDavazi::RegisterFactory(new Zeros("add", destroyed)));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Evaluate("<add>" + Constant(1) + Constant(2) + "</add>"), 3);
    EXPECT_TRUE(DediDavazi::RegisterFactory(new Zeros("DediDavaziTest_zeros", destroyed)));
    EXPECT_EQ(DediDavazi::FactoryNames().back(), "DediDavaziTest_zeros");
    EXPECT_EQ(Load("<DediDavaziTest_zeros/>")->name(), "DediDavaziTest_zeros");
    vex::orb::core::DediDavazi_Default::RegisterFactories(); // again: nothing changes
    EXPECT_EQ(DediDavazi::FactoryNames().back(), "DediDavaziTest_zeros");
    EXPECT_EQ(destroyed, 1);
}
