#include "results_grid.h"

#include "number_text.h"
#include "vd_variables.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace vd {

ResultsGrid::ResultsGrid() { rows_.resize(2); }

void ResultsGrid::SetRowCount(int n) { rows_.resize(static_cast<std::size_t>(std::max(0, n))); }

const std::string& ResultsGrid::Cell(int col, int row) const {
    static const std::string empty;
    if (col < 0 || col >= kColumns || row < 0 || row >= RowCount())
        return empty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void ResultsGrid::SetCell(int col, int row, std::string text) {
    if (col < 0 || col >= kColumns || row < 0 || row >= RowCount())
        return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

void ResultsGrid::ClearCells() {
    for (auto& row : rows_)
        for (auto& cell : row)
            cell.clear();
}

ResultsGrid::Format ResultsGrid::FormatFor(int col) {
    Format f;
    if (col == kPercent) {
        f.style = CompareStyle::Numeric;
        f.suffix = "%";
    }
    return f;
}

namespace {

// The numeric value of a cell: prefix and suffix stripped, the system separator
// read as a point; an empty cell is 0; nothing when it is not a number.
std::optional<long double> NumericValue(std::string text, const ResultsGrid::Format& f) {
    if (!f.prefix.empty() && text.compare(0, f.prefix.size(), f.prefix) == 0)
        text.erase(0, f.prefix.size());
    if (!f.suffix.empty() && text.size() >= f.suffix.size() &&
        text.compare(text.size() - f.suffix.size(), f.suffix.size(), f.suffix) == 0)
        text.erase(text.size() - f.suffix.size());
    if (text.empty())
        return 0.0L;
    char sep = DecimalSepText()[0];
    for (char& c : text)
        if (c == sep)
            c = '.';
    return ParseDecimal(text, '.');
}

} // namespace

int CompareCells(const std::string& a, const std::string& b, const ResultsGrid::Format& f) {
    if (f.style == ResultsGrid::CompareStyle::Numeric) {
        auto x = NumericValue(a, f), y = NumericValue(b, f);
        if (!x || !y)
            return 0;
        return *x < *y ? -1 : (*x > *y ? 1 : 0);
    }
    int c = a.compare(b); // byte-wise, unsigned
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int ResultsGrid::CompareRows(int rowA, int rowB, int col) const {
    for (int c = col; c < kColumns; ++c) {
        int r = CompareCells(Cell(c, rowA), Cell(c, rowB), FormatFor(c));
        if (r != 0)
            return r;
    }
    return 0;
}

void ResultsGrid::Sort() {
    if (RowCount() - fixedRows_ < 2 || sortColumn_ < 0 || sortColumn_ >= kColumns)
        return;
    std::vector<int> order(static_cast<std::size_t>(RowCount() - fixedRows_));
    std::iota(order.begin(), order.end(), fixedRows_);
    // A merge sort stays safe even if a numeric column holds text that makes
    // the comparison inconsistent.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        int r = CompareRows(a, b, sortColumn_);
        return descending_ ? r > 0 : r < 0;
    });
    std::vector<Row> sorted;
    sorted.reserve(order.size());
    for (int r : order)
        sorted.push_back(std::move(rows_[static_cast<std::size_t>(r)]));
    std::move(sorted.begin(), sorted.end(), rows_.begin() + fixedRows_);
}

bool ResultsGrid::HeaderClick(int col) {
    if (RowCount() < 3 || col < 0 || col >= kColumns)
        return false;
    if (col != sortColumn_) {
        sortColumn_ = col;
        descending_ = false;
    } else {
        descending_ = !descending_;
    }
    Sort();
    return true;
}

void ResetResultsGrid(ResultsGrid& grid, std::string_view volumeListText,
                      std::string_view pressureListText) {
    grid.ClearCells();
    grid.SetRowCount(2);
    grid.SetFixedRows(1);
    grid.SetCurrentRow(1);
    grid.SetCell(0, 0, LanguageText[22]);
    grid.SetCell(1, 0, LanguageText[23]);
    grid.SetCell(2, 0, VolumeUnit.empty() ? std::string(volumeListText) : VolumeUnit);
    grid.SetCell(3, 0, PressureUnit.empty() ? std::string(pressureListText) : PressureUnit);
    for (int c = 4; c <= 9; ++c)
        grid.SetCell(c, 0, LanguageText[static_cast<std::size_t>(20 + c)]);
    grid.SetVisible(false);
}

} // namespace vd
