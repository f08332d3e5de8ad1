// Drawing sources into images, and the generator writing them: placement, greying, and that a bad
// source stops its own image only.

#include "tools/imagegen/ArtParser.h"
#include "tools/imagegen/ArtRenderer.h"
#include "tools/imagegen/ImageGenerator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vex::imagegen {
namespace {

ArtDocument Parsed(const std::string& text) {
    std::string error;
    std::optional<ArtDocument> document = ArtParser::Parse(text, "test.art", {}, error);
    EXPECT_TRUE(document) << error;
    return document.value_or(ArtDocument{});
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// A scratch art and data folder pair, removed afterwards.
class GeneratorFolders : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("torva-imagegen-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root_);
        WriteFile(root_ / "art/disc.art", "fill #ff0000\ncircle 50 50 50\n");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::filesystem::path root_;
};

TEST(ArtRenderer, FilledCircleIsOpaqueInTheMiddleAndClearInTheCorners) {
    const QImage image = ArtRenderer::Render(Parsed("fill #2040ff\ncircle 50 50 45\n"), 32, 32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(image.hasAlphaChannel());
    const QColor centre = image.pixelColor(16, 16);
    EXPECT_EQ(centre.alpha(), 255);
    EXPECT_EQ(centre.blue(), 255);
    EXPECT_EQ(centre.red(), 0x20);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
    // Antialiased: the rim has partly covered pixels.
    const int rim = image.pixelColor(16, 1).alpha();
    EXPECT_GT(rim, 0);
    EXPECT_LT(rim, 255);
}

TEST(ArtRenderer, ViewIsStretchedOverTheTarget) {
    // The right half of a 400 by 100 view lands in the right half of a 160 by 40 image.
    const QImage image =
        ArtRenderer::Render(Parsed("view 400 100\nfill #00ff00\nrect 200 0 200 100\n"), 160, 40);
    EXPECT_EQ(image.pixelColor(79, 20).alpha(), 0);
    EXPECT_EQ(image.pixelColor(80, 20).alpha(), 255);
    EXPECT_EQ(image.pixelColor(159, 39).green(), 255);
}

TEST(ArtRenderer, StrokedPolylineAndArcLeaveTheirInsideEmpty) {
    const QImage image = ArtRenderer::Render(
        Parsed("fill #ffffff\nstroke #000000 4\narc 50 50 40 40 0 360\npolyline 0 90 100 90\n"), 100, 100);
    EXPECT_EQ(image.pixelColor(50, 50).alpha(), 0);
    EXPECT_EQ(image.pixelColor(90, 50).alpha(), 255);
    EXPECT_EQ(image.pixelColor(5, 90).alpha(), 255);
}

TEST_F(GeneratorFolders, StepsDrawIntoTheirRectanglesAndGreyDesaturates) {
    ImageJob job{"x.png", 20, 10, {}, "m.txt:1"};
    job.steps.push_back(DrawStep{"disc.art", QRectF(0, 0, 10, 10), false, false, {}});
    job.steps.push_back(DrawStep{"disc.art", QRectF(10, 0, 10, 10), true, false, {}});
    std::string error;
    const std::optional<QImage> image = ImageGenerator(root_ / "art", root_ / "data").Render(job, error);
    ASSERT_TRUE(image) << error;
    const QColor plain = image->pixelColor(5, 5);
    const QColor grey = image->pixelColor(15, 5);
    EXPECT_EQ(plain, QColor(255, 0, 0));
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    EXPECT_GT(grey.alpha(), 0);
    EXPECT_LT(grey.alpha(), 255);
    EXPECT_EQ(image->pixelColor(10, 0).alpha(), 0); // between the two discs
}

TEST_F(GeneratorFolders, ShadowFallsBelowItsStep) {
    WriteFile(root_ / "art/band.art", "fill #ffffff\nrect 0 0 100 50\n");
    ImageJob job{"x.png", 32, 32, {}, "m.txt:1"};
    job.steps.push_back(DrawStep{"band.art", std::nullopt, false, true, {}});
    std::string error;
    const std::optional<QImage> image = ImageGenerator(root_ / "art", root_ / "data").Render(job, error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->pixelColor(10, 15), QColor(255, 255, 255));
    const QColor shadow = image->pixelColor(10, 16);
    EXPECT_EQ(shadow.red(), 0);
    EXPECT_NEAR(shadow.alpha(), 76, 2);
    EXPECT_EQ(image->pixelColor(10, 17).alpha(), 0);
}

TEST_F(GeneratorFolders, BadSourceStopsOnlyItsImageAndIsReported) {
    WriteFile(root_ / "art/broken.art", "fill #ff0000\n\ncircle 50 50\n");
    WriteFile(root_ / "art/manifest.txt", "image good.png 8 8\ndraw disc.art\n"
                                          "image sub/bad.png 8 8\ndraw disc.art\ndraw broken.art\n"
                                          "image missing.png 8 8\ndraw nothing.art\n");
    std::ostringstream messages;
    EXPECT_FALSE(ImageGenerator(root_ / "art", root_ / "data").Run(messages));
    const std::string text = messages.str();
    EXPECT_NE(text.find((root_ / "art/broken.art").string() + ":3: expected: circle CX CY R"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("manifest.txt:6: cannot read the source"), std::string::npos) << text;
    EXPECT_EQ(QImage(QString::fromStdString((root_ / "data/good.png").string())).size(), QSize(8, 8));
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/sub/bad.png"));
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/missing.png"));
}

TEST_F(GeneratorFolders, MalformedManifestWritesNothing) {
    WriteFile(root_ / "art/manifest.txt", "image good.png 8 8\ndraw disc.art\nimage bad.png 8\n");
    std::ostringstream messages;
    EXPECT_FALSE(ImageGenerator(root_ / "art", root_ / "data").Run(messages));
    EXPECT_NE(messages.str().find("manifest.txt:3: expected: image PATH WIDTH HEIGHT"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(root_ / "data"));
}

} // namespace
} // namespace vex::imagegen
