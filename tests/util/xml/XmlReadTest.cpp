#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vex::util::xml {
namespace {

int ParseStatus(std::string_view text) {
    Element root;
    return root.Parse(text);
}

TEST(XmlRead, StructuralErrorsGiveTheirStatus) {
    EXPECT_EQ(ParseStatus(""), kNoRoot);
    EXPECT_EQ(ParseStatus(" \n\t"), kNoRoot);
    EXPECT_EQ(ParseStatus("text<a/>"), kNoRoot);
    EXPECT_EQ(ParseStatus("</a>"), kNoRoot);
    EXPECT_EQ(ParseStatus("<!-- c --><a/>"), kNoRoot);
    EXPECT_EQ(ParseStatus("<?xml version=\"1.0\"?>"), kNoRoot);
    EXPECT_EQ(ParseStatus("<a></a></b>"), kNoRoot);
    EXPECT_EQ(ParseStatus("<a><b></b>"), kNotClosed);
    EXPECT_EQ(ParseStatus("<a>text"), kNotClosed);
    EXPECT_EQ(ParseStatus("<a><b></a></b>"), kEndTagMismatch);
    EXPECT_EQ(ParseStatus("<a><b"), kUnknownToken);
    EXPECT_EQ(ParseStatus("<a/><b/>"), kContentAfterRoot);
    EXPECT_EQ(ParseStatus("<a/>x"), kContentAfterRoot);
    EXPECT_EQ(ParseStatus("<a/>\n<!-- trailing -->\n"), kOk);
}

TEST(XmlRead, AttributeErrorsAreDistinct) {
    const int missingEquals = ParseStatus("<a x/>");
    const int unquoted = ParseStatus("<a x=1/>");
    const int unterminated = ParseStatus("<a x='1/>");
    const int noSpace = ParseStatus("<a x='1'y='2'/>");
    const int duplicate = ParseStatus("<a x='1' x='2'/>");
    const int badName = ParseStatus("<a ='1'/>");
    const std::set<int> codes{missingEquals, unquoted, unterminated, noSpace, duplicate, badName};
    EXPECT_EQ(codes.size(), 6u);
    for (int code : codes) EXPECT_GT(code, kUnknownToken);
    EXPECT_EQ(ParseStatus("<a x = '1'\ty=\"2\" />"), kOk);
}

TEST(XmlRead, BuildsTreeSkippingDeclarationAndLayoutWhitespace) {
    Element root;
    ASSERT_EQ(root.Parse("<?xml version=\"1.0\"?>\n<root a='1' b=\"two\">\n\t<item> x y </item>\n"
                         "\t<!-- note -->\n\t<empty/>\n</root>"),
              kOk);
    EXPECT_EQ(root.GetName(), "root");
    ASSERT_EQ(root.GetAttributes().size(), 2u);
    EXPECT_EQ(root.GetAttributes()[1], Element::Attribute("b", "two"));
    ASSERT_EQ(root.CountChildren(), 3u);
    EXPECT_EQ(root.GetChild(0)->GetText(), " x y ");
    EXPECT_EQ(root.GetChild(1)->GetKind(), Element::Kind::kComment);
    EXPECT_EQ(root.GetChild(1)->GetName(), "note");
    EXPECT_EQ(root.GetChild(2)->CountChildren(), 0u);
}

TEST(XmlRead, NumericReferencesBecomeBytesOthersStayLiteral) {
    Element root;
    ASSERT_EQ(root.Parse("<a v='&#60;&#x3e;&#34;'>&#60;b&#10;&lt;&#x41;&#256;&#65&#;&#x;&amp;&#233;</a>"),
              kOk);
    EXPECT_EQ(root.GetAttribute("v"), "<>\"");
    EXPECT_EQ(root.GetText(), "<b\n&lt;A&#256;&#65&#;&#x;&amp;\xE9");
}

TEST(XmlRead, CommentFormsMapToTheSameText) {
    for (const char* text : {"<a><!-- note --></a>", "<a><!--note--></a>", "<a><!-- note-- ></a>"}) {
        Element root;
        ASSERT_EQ(root.Parse(text), kOk) << text;
        EXPECT_EQ(root.GetChild(0)->GetName(), "note") << text;
    }
    Element root;
    ASSERT_EQ(root.Parse("<a><!DOCTYPE x></a>"), kOk);
    EXPECT_EQ(root.GetChild(0)->GetName(), "DOCTYPE x");
}

TEST(XmlRead, ErrorKeepsWhatWasBuilt) {
    Element root;
    EXPECT_EQ(root.Parse("<a><b/><c>"), kNotClosed);
    EXPECT_EQ(root.GetName(), "a");
    EXPECT_EQ(root.CountChildren(), 2u);
}

TEST(XmlRead, NestingIsLimited) {
    auto nested = [](std::size_t depth) {
        std::string text;
        for (std::size_t i = 0; i < depth; ++i) text += "<n>";
        for (std::size_t i = 0; i < depth; ++i) text += "</n>";
        return text;
    };
    EXPECT_EQ(ParseStatus(nested(Element::kMaxDepth)), kOk);
    EXPECT_EQ(ParseStatus(nested(Element::kMaxDepth + 1)), kTooDeep);
}

} // namespace
} // namespace vex::util::xml
