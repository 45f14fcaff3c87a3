#pragma once
// The results grid as data: 100 text columns under one header row, a current
// row, one sort column and direction. The widget on the input page shows it.
#include "grid_row.h"
#include "row_order.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class ResultsGrid {
  public:
    static constexpr int kColumns = 100;

    // Column contract read by the drawings, printouts and the clipboard export.
    enum Column : int {
        kFanNo = 0,
        kModel = 1,
        kVolume = 2,
        kPressure = 3,
        kPercent = 4,
        kSpecificPower = 5,
        kValueCol6 = 6,
        kValueCol7 = 7,
        kAmps = 8,
        kSupply = 9,
        kPicture = 10,
        kEnteredVolume = 20,
        kEnteredPressure = 21,
        kFamily = 22,
    };

    enum class CompareStyle { Text, Numeric };
    struct Format {
        CompareStyle style = CompareStyle::Text;
        std::string prefix, suffix;
    };

    ResultsGrid();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Rows added at the end are empty; rows removed from the end are lost.
    void SetRowCount(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n) { fixedRows_ = n; }

    // Room for `count` rows in all, so that rows inserted a batch at a time
    // are moved once.
    void ReserveRows(std::size_t count) { rows_.reserve(count); }
    // Inserts whole rows before row `at` (clipped to the rows there are).
    void InsertRows(int at, std::vector<GridRow>&& rows);
    // Out-of-range cells read as empty and ignore writes. A cell's text stays
    // valid until its row is written, moved or removed.
    std::string_view Cell(int col, int row) const;
    // A whole row, for reading many of its cells; out of range, an empty row.
    const GridRow& RowAt(int row) const;
    void SetCell(int col, int row, std::string_view text);
    void ClearCells();

    int CurrentRow() const { return currentRow_; }
    void SetCurrentRow(int row) { currentRow_ = row; }

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }

    int SortColumn() const { return sortColumn_; }
    void SetSortColumn(int col) { sortColumn_ = col; }
    bool Descending() const { return descending_; }
    void SetDescending(bool d) { descending_ = d; }

    // The compare style of a column: the percentage column is numeric with a
    // "%" suffix, every other column text.
    static const Format& FormatFor(int col);

    // Sorts the rows below the fixed rows on the sort column, ties decided by
    // the columns to its right, each by its own style; stable.
    void Sort();
    // The same, for a caller that has summed up exactly those rows already.
    void Sort(const ColumnSummary& rows);

    // A click on header cell `col`: a new column sorts ascending, the same
    // column reverses; needs the header and two rows. True when it sorted.
    bool HeaderClick(int col);

    // Compares two rows from `col` rightwards; <0, 0, >0 before the direction.
    int CompareRows(int rowA, int rowB, int col) const;

  private:
    using Row = GridRow;
    std::vector<Row> rows_;
    int fixedRows_ = 1;
    int currentRow_ = 0;
    bool visible_ = false;
    int sortColumn_ = 0;
    bool descending_ = true;
};

// The number in a cell of a numeric column: prefix and suffix stripped, the
// system separator read as a point; an empty cell is 0; nothing when it is not
// a number.
std::optional<long double> CellNumber(std::string_view text, const ResultsGrid::Format& format);

// Compares two cell texts by a column format.
int CompareCells(std::string_view a, std::string_view b, const ResultsGrid::Format& format);

// Clears the grid to the header row and one spare row, writes the ten headers
// and hides it. The volume and pressure headers are the units of the last
// select, or the unit lists' texts before the first.
void ResetResultsGrid(ResultsGrid& grid, std::string_view volumeListText,
                      std::string_view pressureListText);

} // namespace vd
