#include "host/plot/PathPlot.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <iterator>
#include <limits>
#include <string>

namespace vex::host::plot {
namespace {

// The plot draws text, which needs a GUI application: one on the offscreen platform, made on first
// use and kept for the rest of the program.
void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "host_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
}

class PathPlot : public ::testing::Test {
protected:
    PathPlot() {
        EnsureGuiApplication();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("torva-pathplot-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    ~PathPlot() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

// A path that moves over the ground and up and down, in pure red.
PathSeries Wander() {
    PathSeries series{"wander", 0xFF0000, {}};
    for (int i = 0; i <= 100; ++i) {
        const double t = i * 0.08;
        series.samples.push_back({t, {t, 1.5 + 0.3 * std::sin(t), std::sin(t / 2)}});
    }
    return series;
}

// Whether a pixel of the series' red is in the columns [left, right) of the image, above the legend.
bool HasRedBetween(const QImage& image, int left, int right) {
    for (int x = left; x < right; ++x) {
        for (int y = 0; y < image.height() - 100; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 220 && c.green() < 40 && c.blue() < 40) return true;
        }
    }
    return false;
}

TEST_F(PathPlot, WritesAPngOfTheAskedSizeWithTheCurveInEachOfItsThreePanels) {
    const std::string path = Path("wander.png");
    std::string error;
    ASSERT_TRUE(WritePathPlot(path, "wander", {Wander()}, 1400, 560, error)) << error;
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(image.width(), 1400);
    EXPECT_EQ(image.height(), 560);
    EXPECT_TRUE(HasRedBetween(image, 0, 560)) << "top view";
    EXPECT_TRUE(HasRedBetween(image, 560, 980)) << "z over time";
    EXPECT_TRUE(HasRedBetween(image, 980, 1400)) << "height over time";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1)
        << "no temporary file is left";
}

TEST_F(PathPlot, FlatEmptyAndNonFiniteSeriesStillGiveAPicture) {
    PathSeries still{"still", 0x00FF00, {{0.0, {1, 1, 1}}, {1.0, {1, 1, 1}}}};
    PathSeries broken = Wander();
    broken.samples[10].position.y = std::numeric_limits<double>::quiet_NaN();
    broken.samples[20].position.x = std::numeric_limits<double>::infinity();
    std::string error;
    for (const auto& series : {std::vector<PathSeries>{}, {PathSeries{"empty", 0, {}}}, {still}, {broken}}) {
        const std::string path = Path("odd.png");
        ASSERT_TRUE(WritePathPlot(path, "odd", series, 640, 300, error)) << error;
        EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(640, 300));
    }
}

TEST_F(PathPlot, RefusesNoPixelsAndAMissingFolder) {
    std::string error;
    EXPECT_FALSE(WritePathPlot(Path("none.png"), "none", {Wander()}, 0, 560, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WritePathPlot(Path("none.png"), "none", {Wander()}, 1400, -1, error));
    EXPECT_FALSE(std::filesystem::exists(Path("none.png")));

    error.clear();
    const std::string missing = Path("missing/plot.png");
    EXPECT_FALSE(WritePathPlot(missing, "missing", {Wander()}, 200, 100, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace vex::host::plot
