#pragma once
// The order of the results grid's rows. Only the columns that differ between
// rows can decide it; a row's key holds a word for each of the first few of
// them, whose unsigned order is the column's: the first eight bytes of a text,
// or the number of the numeric column when a double holds it exactly. Most
// comparisons end on the words; the cells are read only past them.
#include "grid_row.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vd {

// Which columns of a set of rows hold the same text in every row: those
// compare equal for every pair and need not be compared. Parts of the rows may
// be summed up apart, each where it was made, and joined.
class ColumnSummary {
  public:
    void Add(const GridRow& row);
    void Join(const ColumnSummary& other);
    // The columns from `first` on that differ between the rows, in order.
    std::vector<int> Differing(int first) const;

  private:
    bool any_ = false;
    GridRow first_;             // the first row added
    std::vector<char> differs_; // by column
};

// Left uninitialised by default, so that an array of keys costs nothing until
// KeyOf fills it; `RowKey{}` is all zeros.
struct RowKey {
    static constexpr std::size_t kWords = 4;
    std::uint64_t word[kWords];
    // A text's length, 9 for any longer; for the numeric column, 1 when its
    // word holds the number.
    std::uint8_t length[kWords];
    std::uint32_t row; // the row's index in its run
};

class RowOrder {
  public:
    // A numeric cell's number; nothing for text, which compares equal to
    // everything.
    using NumberReader = std::optional<long double> (*)(std::string_view);

    // Rows compare on the `deciding` columns in turn, `numericColumn` by the
    // numbers `number` reads and the others byte-wise; `descending` reverses
    // the order.
    RowOrder(std::vector<int> deciding, bool descending, int numericColumn, NumberReader number);

    RowKey KeyOf(const GridRow& row, std::uint32_t index) const;
    // The rows of `keys` (made in row order) in the order a stable sort by
    // Before gives, when the keys' words alone decide every pair (every
    // deciding column has a word, the numeric column's holds its number in
    // every row, no text goes past its eight bytes): a radix sort on the
    // bytes that differ between keys, without the comparisons a merge sort
    // cannot predict. Nothing when the words do not decide.
    std::optional<std::vector<std::uint32_t>> OrderByWords(std::span<const RowKey> keys) const;
    // <0, 0, >0 before the direction. The words are compared here, inline,
    // as the sort asks this of a row pair many times over.
    int Compare(const RowKey& a, const GridRow& rowA, const RowKey& b, const GridRow& rowB) const {
        for (std::size_t d = 0; d < deciding_.size(); ++d) {
            // The words tell unless a number is not in its word, or two texts
            // share their first eight bytes and one of them goes on.
            if (d < words_ && (d == numericAt_ ? a.length[d] && b.length[d]
                                               : a.word[d] != b.word[d] ||
                                                     (a.length[d] <= 8 && b.length[d] <= 8))) {
                if (a.word[d] != b.word[d])
                    return a.word[d] < b.word[d] ? -1 : 1;
                if (a.length[d] != b.length[d])
                    return a.length[d] < b.length[d] ? -1 : 1;
                continue;
            }
            if (const int r = CompareCells(d, rowA, rowB))
                return r;
        }
        return 0;
    }
    bool Before(const RowKey& a, const GridRow& rowA, const RowKey& b, const GridRow& rowB) const {
        const int r = Compare(a, rowA, b, rowB);
        return descending_ ? r > 0 : r < 0;
    }

  private:
    // Compares the cells of deciding column `d`.
    int CompareCells(std::size_t d, const GridRow& rowA, const GridRow& rowB) const;

    std::vector<int> deciding_;
    bool descending_;
    int numeric_;
    NumberReader number_;
    std::size_t words_;     // deciding columns with a word in the keys
    std::size_t numericAt_; // where the numeric column is among them, or past them
};

} // namespace vd
