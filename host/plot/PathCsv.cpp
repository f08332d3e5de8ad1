#include "host/plot/PathCsv.h"

#include "util/AtomicFile.h"
#include "util/NumberText.h"

namespace vex::host::plot {

bool WritePathCsv(const std::string& path, const std::vector<PathSeries>& series, std::string& error) {
    std::string text = "time";
    for (const PathSeries& s : series) {
        for (const char* axis : {"x", "y", "z"}) text += "," + s.name + "_" + axis;
    }
    text += "\n";
    const size_t rows = series.empty() ? 0 : series.front().samples.size();
    for (size_t row = 0; row < rows; ++row) {
        text += util::FormatFixed(series.front().samples[row].time, 6);
        for (const PathSeries& s : series) {
            if (row >= s.samples.size()) {
                error = "series \"" + s.name + "\" has fewer samples than the first";
                return false;
            }
            const auto& p = s.samples[row].position;
            for (double coordinate : {p.x, p.y, p.z}) text += "," + util::FormatGeneral(coordinate, 9);
        }
        text += "\n";
    }
    return util::WriteFileAtomic(path, text, &error);
}

} // namespace vex::host::plot
