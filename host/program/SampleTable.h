#pragma once

#include <string>
#include <vector>

namespace vex::host::program {

/// Samples of several values over time read from CSV: the first column is the time in seconds, each
/// further column one value. A first line that is not all numbers is a header and skipped; blank
/// lines are skipped. Numbers are read in the "C" form whatever the locale.
class SampleTable {
public:
    /// Reads `text`; false with `error` ("line 3: ...") when a row is not numbers, has another
    /// column count than the first, or goes back in time, or when there is no row at all.
    bool Parse(const std::string& text, std::string& error);

    /// The number of value columns (the time not counted).
    int Columns() const { return columns_; }

    /// Column `column` at time `t`, linear between samples and held before the first and after the
    /// last; 0 for a column the table does not have.
    double ValueAt(int column, double t) const;

private:
    int columns_ = 0;
    std::vector<double> times_;
    std::vector<double> values_; // row by row, columns_ per row
};

} // namespace vex::host::program
