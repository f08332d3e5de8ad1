// The vector source reader: what a good source turns into, and the file:line messages of bad ones.

#include "tools/imagegen/ArtParser.h"

#include <gtest/gtest.h>

namespace vex::imagegen {
namespace {

std::string ErrorOf(const std::string& text) {
    std::string error;
    EXPECT_FALSE(ArtParser::Parse(text, "bad.art", {}, error).has_value()) << text;
    return error;
}

TEST(ArtParser, ReadsShapesWithThePaintCurrentWhenTheyAreNamed) {
    const std::string text = "# a comment line\n"
                             "view 400 100\n"
                             "colour ink #102030\n"
                             "fill ink   # a trailing comment\n"
                             "rect 1 2 30 40 5\n"
                             "stroke 255,0,0,128 2.5\n"
                             "circle 50 50 10\n"
                             "layer\n"
                             "fill linear 0 0 0 100 #ffffff #000000/0.5\n"
                             "polygon 0 0 10 0 10 10\r\n"
                             "stroke #00ff00 1\n"
                             "polyline 0 0 5 5\n"
                             "arc 50 50 20 10 90 -180\n";
    std::string error;
    const std::optional<ArtDocument> document = ArtParser::Parse(text, "good.art", {}, error);
    ASSERT_TRUE(document) << error;
    EXPECT_EQ(document->viewWidth, 400.0);
    EXPECT_EQ(document->viewHeight, 100.0);
    EXPECT_EQ(document->colourNames, std::set<std::string>{"ink"});
    ASSERT_EQ(document->shapes.size(), 5u);

    const Shape& rect = document->shapes[0];
    EXPECT_EQ(rect.kind, Shape::Kind::kRect);
    EXPECT_EQ(rect.values, (std::vector<double>{1, 2, 30, 40, 5}));
    EXPECT_EQ(rect.fill.kind, Paint::Kind::kSolid);
    EXPECT_EQ(rect.fill.colour, QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(rect.stroke.kind, Paint::Kind::kNone);

    const Shape& circle = document->shapes[1];
    EXPECT_EQ(circle.kind, Shape::Kind::kEllipse);
    EXPECT_EQ(circle.values, (std::vector<double>{50, 50, 10, 10}));
    EXPECT_EQ(circle.stroke.colour, QColor(255, 0, 0, 128));
    EXPECT_EQ(circle.strokeWidth, 2.5);

    // A layer starts without the earlier stroke.
    const Shape& polygon = document->shapes[2];
    EXPECT_EQ(polygon.stroke.kind, Paint::Kind::kNone);
    EXPECT_EQ(polygon.fill.kind, Paint::Kind::kLinear);
    EXPECT_EQ(polygon.fill.colour2.alpha(), 128);
    EXPECT_EQ(polygon.fill.to, QPointF(0, 100));
    EXPECT_EQ(document->shapes[4].kind, Shape::Kind::kArc);
    EXPECT_EQ(document->shapes[4].values[5], -180.0);
}

TEST(ArtParser, OverridesReplaceDeclaredColoursAndMustNameOne) {
    const std::string text = "colour ink #102030\nfill ink\ncircle 50 50 10\n";
    std::string error;
    const std::optional<ArtDocument> document =
        ArtParser::Parse(text, "a.art", {{"ink", QColor(1, 2, 3)}}, error);
    ASSERT_TRUE(document) << error;
    EXPECT_EQ(document->shapes[0].fill.colour, QColor(1, 2, 3));

    EXPECT_FALSE(ArtParser::Parse(text, "a.art", {{"inc", QColor(1, 2, 3)}}, error));
    EXPECT_EQ(error, "a.art: declares no colour named 'inc'");
}

TEST(ArtParser, MalformedLinesNameTheFileAndLine) {
    EXPECT_EQ(ErrorOf("fill #ffffff\n\nsquare 1 2 3\n"), "bad.art:3: unknown keyword 'square'");
    EXPECT_EQ(ErrorOf("fill #ffffff\ncircle 50 5O 10\n"), "bad.art:2: '5O' is not a number");
    EXPECT_EQ(ErrorOf("fill #ffffff\ncircle 50 50 1e9\n"), "bad.art:2: '1e9' is out of range");
    EXPECT_EQ(ErrorOf("fill #ffffff\ncircle 50 50\n"), "bad.art:2: expected: circle CX CY R");
    EXPECT_EQ(ErrorOf("fill #ffffff\npolygon 0 0 10 10\n"), "bad.art:2: polygon needs at least 3 points");
    EXPECT_EQ(ErrorOf("fill #ffffff\npolygon 0 0 10 10 5\n"), "bad.art:2: polygon needs x y pairs");
    EXPECT_EQ(ErrorOf("circle 50 50 10\n"),
              "bad.art:1: the shape has neither fill nor stroke; set one first");
    EXPECT_EQ(ErrorOf("fill #ffffff\npolyline 0 0 10 10\n"),
              "bad.art:2: a polyline is drawn with the stroke; set one first");
    EXPECT_EQ(ErrorOf("stroke #ffffff\n"), "bad.art:1: expected: stroke none | stroke COLOUR WIDTH | stroke "
                                           "linear X1 Y1 X2 Y2 COLOUR COLOUR WIDTH");
    EXPECT_EQ(ErrorOf("stroke #ffffff 0\n"), "bad.art:1: a stroke's width must be positive");
    EXPECT_EQ(ErrorOf("fill #ffffff\nrect 0 0 -5 10\n"),
              "bad.art:2: a rect needs a positive size and a radius of 0 or more");
    EXPECT_EQ(ErrorOf("view 100\n"), "bad.art:1: expected: view WIDTH HEIGHT");
    EXPECT_EQ(ErrorOf("view 0 100\n"), "bad.art:1: the view's width and height must be positive");
}

TEST(ArtParser, RefusesColoursOutOfRangeOrMisspelt) {
    EXPECT_EQ(ErrorOf("fill 255,256,0\n"), "bad.art:1: colour '255,256,0' has component 256 outside 0..255");
    EXPECT_EQ(ErrorOf("fill -1,0,0\n"), "bad.art:1: colour '-1,0,0' has component -1 outside 0..255");
    EXPECT_EQ(ErrorOf("fill 1,2\n"), "bad.art:1: colour '1,2' needs 3 or 4 components");
    EXPECT_EQ(ErrorOf("fill 1,2,x\n"),
              "bad.art:1: colour '1,2,x' has a component that is not a whole number");
    EXPECT_EQ(ErrorOf("fill #ffffff/1.5\n"), "bad.art:1: colour '#ffffff/1.5' has an alpha outside 0..1");
    EXPECT_EQ(ErrorOf("fill #ffffff/-0.1\n"), "bad.art:1: colour '#ffffff/-0.1' has an alpha outside 0..1");
    EXPECT_EQ(ErrorOf("fill #fffff\n"), "bad.art:1: colour '#fffff' is not #rrggbb or #rrggbbaa");
    EXPECT_EQ(ErrorOf("fill #ffgfff\n"),
              "bad.art:1: colour '#ffgfff' has a character that is not a hex digit");
    EXPECT_EQ(ErrorOf("fill ink\n"), "bad.art:1: 'ink' is neither a colour nor a declared colour name");
    EXPECT_EQ(ErrorOf("colour #ab #ffffff\n"), "bad.art:1: '#ab' cannot name a colour");
}

TEST(ArtParser, AlphaSuffixScalesTheColoursOwnAlpha) {
    std::string error;
    const std::optional<ArtDocument> document =
        ArtParser::Parse("fill #ff000080/0.5\nrect 0 0 1 1\n", "a.art", {}, error);
    ASSERT_TRUE(document) << error;
    EXPECT_EQ(document->shapes[0].fill.colour.red(), 255);
    EXPECT_NEAR(document->shapes[0].fill.colour.alpha(), 64, 1);
}

} // namespace
} // namespace vex::imagegen
