#include "util/xml/Comment.h"
#include "util/xml/Element.h"
#include "util/xml/TagWithData.h"
#include "util/xml/Text.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>

namespace vex::util::xml {
namespace {

TEST(XmlWrite, IndentsWithTabsAndKeepsTextInline) {
    Tag root("settings");
    root.SetAttribute("version", "2");
    Element& group = root.AddChild(Tag("group"));
    group.AddChild(TagWithData("item", 42));
    group.AddChild(Tag("empty"));
    root.AddChild(Comment("note"));
    Element& words = root.AddChild(Tag("words"));
    words.AddChild(Text("a"));
    words.AddChild(Text("b"));
    words.AddChild(Tag("sub")).AddChild(Tag("leaf"));

    EXPECT_EQ(root.ToString(), "<settings version=\"2\">\n"
                               "\t<group>\n"
                               "\t\t<item>42</item>\n"
                               "\t\t<empty/>\n"
                               "\t</group>\n"
                               "\t<!-- note -->\n"
                               "\t<words>a b<sub>\n"
                               "\t\t\t<leaf/>\n"
                               "\t\t</sub></words>\n"
                               "</settings>");
    EXPECT_EQ(Tag("x").ToString(2), "\t\t<x/>");
}

TEST(XmlWrite, EscapesByteByByte) {
    EXPECT_EQ(Text("a<b & c>d").ToString(), "a&#60;b &#38; c>d");
    EXPECT_EQ(Text("line\nnext\ttab\r\x01\xC3\xA9").ToString(), "line&#10;next&#9;tab&#13;&#1;&#195;&#169;");
    EXPECT_EQ(Text("  ").ToString(), "&#32;&#32;");
    EXPECT_EQ(Tag("a&b").ToString(), "<a&#38;b/>");
}

TEST(XmlWrite, QuotesAttributeValues) {
    Tag tag("t");
    tag.SetAttribute("plain", "x>y");
    tag.SetAttribute("dq", "say \"hi\"");
    tag.SetAttribute("sq", "it's");
    tag.SetAttribute("both", "'a' \"b\"");
    EXPECT_EQ(tag.ToString(), "<t plain=\"x&#62;y\" dq='say \"hi\"' sq=\"it's\" both=\"'a' &#34;b&#34;\"/>");
}

TEST(XmlRoundTrip, WrittenTreeReadsBackUnchanged) {
    Tag root("root");
    root.SetAttribute("both", "'single' and \"double\" <&> \n\t");
    root.SetAttribute("latin", "gr\xC3\xB6\xC3\x9F"
                               "e");
    root.AddChild(Comment(" spaced comment "));
    root.AddChild(TagWithData("less", "a < b && c"));
    root.AddChild(TagWithData("lines", "first\nsecond\r\nthird\n"));
    root.AddChild(TagWithData("quotes", "'\"'"));
    root.AddChild(TagWithData("high", "\x80\xFF\x7F"));
    root.AddChild(TagWithData("spaces", "   "));
    // Empty values, as an instance's empty saved state: written "<empty></empty>" they came back
    // without the empty text they held.
    root.AddChild(TagWithData("empty", ""));
    root.AddTextChild("blank", "");
    Element& mixed = root.AddChild(Tag("mixed"));
    mixed.AddChild(Tag("first"));
    mixed.AddChild(Text(" after "));
    mixed.AddChild(Comment("c"));
    mixed.AddChild(Text("&#60; literal"));

    const std::string written = root.ToString();
    Element read;
    ASSERT_EQ(read.Parse(written), kOk) << written;
    EXPECT_EQ(read, root) << written;
    EXPECT_EQ(read.ToString(), written);
}

// Comments holding the sequences XML forbids in one ("--", a final "-") and the bytes our own reader
// ends or decodes on: another parser accepts the document and our reader gives each text back.
TEST(XmlRoundTrip, CommentsAreWellFormedAndReadBackExactly) {
    const std::string texts[] = {"ends with -", "a -- b", "---", "-", "", "x > y", "&#60; kept", " - "};
    Tag root("root");
    for (const std::string& text : texts) root.AddChild(Comment(text));
    const std::string written = root.ToString();

    pugi::xml_document other;
    const pugi::xml_parse_result parsed =
        other.load_string(written.c_str(), pugi::parse_default | pugi::parse_comments);
    EXPECT_TRUE(parsed) << parsed.description() << " at " << parsed.offset << " in\n" << written;
    std::size_t comments = 0;
    for (const pugi::xml_node node : other.child("root").children())
        if (node.type() == pugi::node_comment) ++comments;
    EXPECT_EQ(comments, std::size(texts)) << written;

    Element read;
    ASSERT_EQ(read.Parse(written), kOk) << written;
    ASSERT_EQ(read.CountChildren(), std::size(texts)) << written;
    for (std::size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(std::string_view(read.GetChild(i)->GetName()), texts[i]) << written;
}

} // namespace
} // namespace vex::util::xml
