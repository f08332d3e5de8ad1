// The manifest reader: images with their draw steps, template expansion and its messages.

#include "tools/imagegen/Manifest.h"

#include <gtest/gtest.h>

namespace vex::imagegen {
namespace {

std::string ErrorOf(const std::string& text) {
    std::string error;
    EXPECT_FALSE(Manifest::Parse(text, "m.txt", error).has_value()) << text;
    return error;
}

TEST(Manifest, ExpandsTemplatesIntoImagesAndRemembersTheirUses) {
    const std::string text = "template icon NAME\n"
                             "draw glyphs/$NAME.art 2 3 10 12 grey shadow ink=#ff0000\n"
                             "end\n"
                             "template tool FOLDER GLYPH\n"
                             "image $FOLDER/images/icon.png 32 32\n"
                             "icon $GLYPH\n"
                             "end\n"
                             "tool carextended car\n"
                             "tool utility/gyro gyro\n"
                             "image core/x.png 16 8\n"
                             "draw a.art\n";
    std::string error;
    const std::optional<Manifest> manifest = Manifest::Parse(text, "m.txt", error);
    ASSERT_TRUE(manifest) << error;
    ASSERT_EQ(manifest->images().size(), 3u);
    const ImageJob& first = manifest->images()[0];
    EXPECT_EQ(first.path, "carextended/images/icon.png");
    EXPECT_EQ(first.width, 32);
    ASSERT_EQ(first.steps.size(), 1u);
    EXPECT_EQ(first.steps[0].source, "glyphs/car.art");
    EXPECT_EQ(first.steps[0].rect, QRectF(2, 3, 10, 12));
    EXPECT_TRUE(first.steps[0].grey);
    EXPECT_TRUE(first.steps[0].shadow);
    EXPECT_EQ(first.steps[0].colours.at("ink"), QColor(255, 0, 0));
    EXPECT_EQ(manifest->images()[1].path, "utility/gyro/images/icon.png");

    const ImageJob& last = manifest->images()[2];
    EXPECT_EQ(last.width, 16);
    EXPECT_EQ(last.height, 8);
    EXPECT_FALSE(last.steps[0].rect.has_value());
    EXPECT_FALSE(last.steps[0].grey);
    EXPECT_FALSE(last.steps[0].shadow);

    const auto uses = manifest->Uses("tool");
    ASSERT_EQ(uses.size(), 2u);
    EXPECT_EQ(uses[1], (std::vector<std::string>{"utility/gyro", "gyro"}));
    EXPECT_EQ(manifest->Uses("icon").size(), 2u);
}

TEST(Manifest, MalformedLinesNameTheFileAndLine) {
    EXPECT_EQ(ErrorOf("draw a.art\n"), "m.txt:1: 'draw' before any 'image'");
    EXPECT_EQ(ErrorOf("image a.png 32\n"), "m.txt:1: expected: image PATH WIDTH HEIGHT");
    EXPECT_EQ(ErrorOf("image a.png 0 32\n"), "m.txt:1: an image's sides must be 1..4096");
    EXPECT_EQ(ErrorOf("image ../a.png 8 8\n"), "m.txt:1: the image path must stay below the data folder");
    EXPECT_EQ(ErrorOf("image a.png 8 8\ndraw a.art 1 2 0 4\n"),
              "m.txt:2: a draw rectangle needs a positive size");
    EXPECT_EQ(ErrorOf("image a.png 8 8\ndraw a.art shiny\n"), "m.txt:2: unknown draw option 'shiny'");
    EXPECT_EQ(ErrorOf("image a.png 8 8\ndraw a.art ink=#12\n"),
              "m.txt:2: colour '#12' is not #rrggbb or #rrggbbaa");
    EXPECT_EQ(ErrorOf("picture a.png 8 8\n"), "m.txt:1: unknown keyword 'picture'");
    EXPECT_EQ(ErrorOf("end\n"), "m.txt:1: 'end' without a template");
    EXPECT_EQ(ErrorOf("template t\nimage a.png 8 8\n"), "m.txt: a template is not closed with 'end'");
    EXPECT_EQ(ErrorOf("template t\ntemplate u\nend\n"), "m.txt:2: a template cannot hold another template");
    EXPECT_EQ(ErrorOf("template t\nend\ntemplate t\nend\n"), "m.txt:3: template 't' is defined twice");
}

TEST(Manifest, TemplateErrorsNameTheUseAndTheBodyLine) {
    EXPECT_EQ(ErrorOf("template t A B\nend\nt 1\n"), "m.txt:3: template 't' takes 2 arguments, not 1");
    EXPECT_EQ(ErrorOf("template t A\nimage $A.png 8 8\ndraw x.art $A\nend\nt 5\n"),
              "m.txt:5 (in template 't', line 3): unknown draw option '5'");
    // A template that uses itself stops instead of running out of stack.
    const std::string looping = ErrorOf("template t\nt\nend\nt\n");
    EXPECT_NE(looping.find("more than 8 deep"), std::string::npos) << looping;
}

} // namespace
} // namespace vex::imagegen
