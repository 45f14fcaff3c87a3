#pragma once
// One row of the results grid: its cells' texts back to back in one block,
// after a table of where each cell ends. A row is one allocation (none when it
// is short), so that making, sorting, writing out and freeing thousands of
// them touches a few cache lines a row rather than a few dozen.
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace vd {

class GridRow {
  public:
    class Builder;

    GridRow() = default;
    // A row of these cells, from column 0.
    explicit GridRow(std::span<const std::string_view> cells);
    GridRow(std::initializer_list<std::string_view> cells)
        : GridRow(std::span<const std::string_view>(cells.begin(), cells.size())) {}

    // The cells held, from column 0; those past them read as empty.
    std::size_t Size() const { return block_.empty() ? 0 : static_cast<unsigned char>(block_[0]); }
    std::string_view operator[](std::size_t col) const {
        if (col >= Size())
            return {};
        if (block_[1] != 2)
            return WideCell(col);
        // Narrow ends, the common case, read here so that callers inline it.
        const auto* ends = reinterpret_cast<const unsigned char*>(block_.data()) + kHead;
        auto end = [&](std::size_t c) {
            return std::size_t(ends[2 * c]) | std::size_t(ends[2 * c + 1]) << 8;
        };
        const std::size_t begin = col == 0 ? 0 : end(col - 1);
        return {block_.data() + kHead + 2 * Size() + begin, end(col) - begin};
    }

    // Asks for the row's text ahead of reading it: rows sorted out of the
    // order they were made in lie scattered in memory.
    void Prefetch() const {
        __builtin_prefetch(block_.data());
        __builtin_prefetch(block_.data() + 64);
    }

    // Whether cells [from, to) hold the same texts as those of `other`,
    // compared as one run of bytes where both rows hold them all.
    bool SameCells(const GridRow& other, std::size_t from, std::size_t to) const;

    // Appends cells [0, count) to `out`, `separator` between them.
    void AppendJoined(std::string& out, std::size_t count, char separator) const;

    // Writes one cell, widening the row as needed; at most kMaxCells cells.
    void Set(std::size_t col, std::string_view text);

    static constexpr std::size_t kMaxCells = 255;

  private:
    static constexpr std::size_t kHead = 2;
    // Bytes after the last text, so that a cell may be read in whole blocks.
    static constexpr std::size_t kSlack = 15;
    std::string_view WideCell(std::size_t col) const;

    // [cell count][width of an end: 2 or 4][ends, little-endian][texts][slack]
    std::string block_;
};

// Makes rows a cell at a time in a buffer it keeps from row to row, and
// allocates each row once: numbers are written straight into their cells
// rather than into texts of their own first.
class GridRow::Builder {
  public:
    // The text of the cell being made, to append to; EndCell closes it.
    std::string& Text() { return text_; }
    void EndCell() {
        if (count_ < kMaxCells)
            ends_[count_++] = text_.size();
        else
            text_.resize(ends_[kMaxCells - 1]); // past the last cell a row holds
    }
    void Add(std::string_view cell) {
        text_ += cell;
        EndCell();
    }
    // Closes empty cells up to column `col`, whose text is made next.
    void SkipTo(std::size_t col) {
        while (count_ < col && count_ < kMaxCells)
            EndCell();
    }
    // The row of the cells made since the last Build; the next row starts.
    GridRow Build();

  private:
    std::string text_;
    std::size_t ends_[kMaxCells];
    std::size_t count_ = 0;
};

} // namespace vd
