#include "host/program/SampleTable.h"

#include "util/NumberText.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>

namespace vex::host::program {

namespace {

// The comma-separated numbers of one line, or nothing when a field is not a finite number.
std::optional<std::vector<double>> Numbers(const std::string& line) {
    std::vector<double> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        const std::string_view field(line.data() + start,
                                     (comma == std::string::npos ? line.size() : comma) - start);
        const auto value = util::ParseNumber<double>(field);
        if (!value || !std::isfinite(*value)) return std::nullopt;
        fields.push_back(*value);
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

} // namespace

bool SampleTable::Parse(const std::string& text, std::string& error) {
    columns_ = 0;
    times_.clear();
    values_.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    bool first = true;
    while (std::getline(lines, line)) {
        ++number;
        if (util::TrimBlanks(line).empty()) continue;
        const auto row = Numbers(line);
        const bool header = first && !row;
        first = false;
        if (header) continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (!row) {
            error = where + "a field is not a number";
            return false;
        }
        if (row->size() < 2) {
            error = where + "a row needs a time and at least one value";
            return false;
        }
        if (times_.empty()) columns_ = static_cast<int>(row->size()) - 1;
        if (static_cast<int>(row->size()) - 1 != columns_) {
            error = where + "the row has " + std::to_string(row->size()) + " fields, the first row " +
                    std::to_string(columns_ + 1);
            return false;
        }
        if (!times_.empty() && row->front() < times_.back()) {
            error = where + "the time goes back";
            return false;
        }
        times_.push_back(row->front());
        values_.insert(values_.end(), row->begin() + 1, row->end());
    }
    if (times_.empty()) {
        error = "the table has no rows";
        return false;
    }
    return true;
}

double SampleTable::ValueAt(int column, double t) const {
    if (column < 0 || column >= columns_ || times_.empty()) return 0.0;
    const auto at = [&](std::size_t row) { return values_[row * columns_ + column]; };
    if (!(t > times_.front())) return at(0);
    if (t >= times_.back()) return at(times_.size() - 1);
    const std::size_t next =
        static_cast<std::size_t>(std::upper_bound(times_.begin(), times_.end(), t) - times_.begin());
    const double t0 = times_[next - 1], t1 = times_[next];
    const double blend = t1 > t0 ? (t - t0) / (t1 - t0) : 1.0;
    return at(next - 1) + (at(next) - at(next - 1)) * blend;
}

} // namespace vex::host::program
