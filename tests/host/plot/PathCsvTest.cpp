#include "host/plot/PathCsv.h"

#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vex::host::plot {
namespace {

// A folder of its own for each test's files.
class PathCsvFiles {
public:
    PathCsvFiles() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("torva-pathcsv-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    ~PathCsvFiles() { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path folder_;
};

PathSeries Series(const std::string& name, std::vector<PathSeries::Sample> samples) {
    return {name, 0x102030, std::move(samples)};
}

class PathCsv : public test::CommaLocale {
protected:
    PathCsvFiles files_;
};

TEST_F(PathCsv, WritesTimeThenEachSeriesXyzInThePointFormUnderACommaLocale) {
    const std::vector<PathSeries> series = {
        Series("cam", {{0.0, {0.5, 1.25, -2.0}}, {0.04, {1.0 / 3.0, 1e-7, 1234567.5}}}),
        Series("follow", {{0.0, {0.0, -0.0, 3.0}}, {0.04, {-0.125, 2.5, 1e21}}}),
    };
    std::string error;
    const std::string path = files_.Path("paths.csv");
    ASSERT_TRUE(WritePathCsv(path, series, error)) << error;
    EXPECT_EQ(PathCsvFiles::Read(path), "time,cam_x,cam_y,cam_z,follow_x,follow_y,follow_z\n"
                                        "0.000000,0.5,1.25,-2,0,-0,3\n"
                                        "0.040000,0.333333333,1e-07,1234567.5,-0.125,2.5,1e+21\n");
}

TEST_F(PathCsv, AnEmptySeriesListGivesTheTimeHeaderOnly) {
    std::string error;
    const std::string path = files_.Path("empty.csv");
    ASSERT_TRUE(WritePathCsv(path, {}, error)) << error;
    EXPECT_EQ(PathCsvFiles::Read(path), "time\n");
}

TEST(PathCsvErrors, ASeriesWithFewerSamplesThanTheFirstWritesNoFile) {
    PathCsvFiles files;
    const std::string path = files.Path("short.csv");
    const std::vector<PathSeries> series = {
        Series("long", {{0.0, {}}, {1.0, {}}, {2.0, {}}}),
        Series("short", {{0.0, {}}, {1.0, {}}}),
    };
    std::string error;
    EXPECT_FALSE(WritePathCsv(path, series, error));
    EXPECT_NE(error.find("\"short\""), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(path));

    // An older file of that name is kept as it was.
    std::ofstream(path) << "before\n";
    EXPECT_FALSE(WritePathCsv(path, series, error));
    EXPECT_EQ(PathCsvFiles::Read(path), "before\n");
}

TEST(PathCsvErrors, AFolderThatDoesNotExistIsAnError) {
    PathCsvFiles files;
    std::string error;
    EXPECT_FALSE(WritePathCsv(files.Path("missing/paths.csv"), {Series("cam", {{0.0, {}}})}, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace vex::host::plot
