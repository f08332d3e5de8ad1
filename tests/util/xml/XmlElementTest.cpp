#include "util/xml/Comment.h"
#include "util/xml/Data.h"
#include "util/xml/TagWithData.h"
#include "util/xml/Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vex::util::xml {
namespace {

TEST(XmlElement, NodeClassesSetKindAndText) {
    EXPECT_EQ(Tag("t").GetKind(), Element::Kind::Tag);
    EXPECT_EQ(static_cast<int>(Text("x").GetKind()), 2);
    EXPECT_EQ(static_cast<int>(Comment("x").GetKind()), 4);
    EXPECT_EQ(Data(true).GetName(), "1");
    EXPECT_EQ(Data(false).GetName(), "0");
    EXPECT_EQ(Data(-17).GetName(), "-17");
    EXPECT_EQ(Data(std::uint64_t{18446744073709551615u}).GetName(), "18446744073709551615");
    EXPECT_EQ(Data(2.5).GetName(), "2.5");
    EXPECT_EQ(Data(1.0 / 3).GetName(), "0.333333"); // a default stream's six significant digits
    EXPECT_EQ(Data('c').GetName(), "c");
    EXPECT_EQ(Data("text").GetName(), "text");

    const TagWithData item("item", 3.25);
    EXPECT_EQ(static_cast<int>(item.GetKind()), 1);
    ASSERT_EQ(item.CountChildren(), 1u);
    EXPECT_EQ(item.GetText(), "3.25");
}

TEST(XmlElement, AttributesKeepOrderAndReplaceInPlace) {
    Tag tag("t");
    tag.SetAttribute("b", "1");
    tag.SetAttribute("a", "2");
    tag.SetAttribute("b", "3");
    ASSERT_EQ(tag.GetAttributes().size(), 2u);
    EXPECT_EQ(tag.GetAttributes()[0], Element::Attribute("b", "3"));
    EXPECT_TRUE(tag.HasAttribute("a"));
    EXPECT_FALSE(tag.HasAttribute("c"));
    EXPECT_EQ(tag.GetAttribute("c", "none"), "none");
}

TEST(XmlElement, IntegerAttributeFallsBackWhenMissingOrMalformed) {
    Tag tag("t");
    tag.SetAttributeInt("neg", -42);
    tag.SetAttribute("plus", "+7");
    for (const char* bad : {"", "12x", " 12", "1.5", "abc", "+", "99999999999", "+-3"})
        tag.SetAttribute(bad, bad);
    EXPECT_EQ(tag.GetAttributeInt("neg", 5), -42);
    EXPECT_EQ(tag.GetAttributeInt("plus", 5), 7);
    EXPECT_EQ(tag.GetAttributeInt("missing", 5), 5);
    for (const char* bad : {"", "12x", " 12", "1.5", "abc", "+", "99999999999", "+-3"})
        EXPECT_EQ(tag.GetAttributeInt(bad, 5), 5) << bad;
}

TEST(XmlElement, ChildLookupByNameAndIndex) {
    Tag root("r");
    root.AddChild(TagWithData("item", 1));
    root.AddChild(Text("item"));
    root.AddChild(Tag("other"));
    root.AddChild(TagWithData("item", 2));

    EXPECT_EQ(root.CountChildren(), 4u);
    EXPECT_EQ(root.CountChildren("item"), 2u); // the text "item" is not a tag
    EXPECT_EQ(root.GetChild("item", 1)->GetText(), "2");
    EXPECT_EQ(root.GetChild("item", 2), nullptr);
    EXPECT_EQ(root.GetChild("missing"), nullptr);
    EXPECT_EQ(root.GetChild(2)->GetName(), "other");
    EXPECT_EQ(root.GetChild(4), nullptr);
    EXPECT_EQ(root.GetText(), "item");
}

TEST(XmlElement, AddChildCopies) {
    Tag child("c");
    Tag root("r");
    root.AddChild(child);
    child.SetAttribute("later", "1");
    EXPECT_FALSE(root.GetChild(0)->HasAttribute("later"));
    EXPECT_EQ(*root.Clone(), root);
}

} // namespace
} // namespace vex::util::xml
