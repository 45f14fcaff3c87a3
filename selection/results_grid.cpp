#include "results_grid.h"

#include "number_text.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>
#include <optional>
#include <span>
#include <system_error>
#include <thread>

namespace vd {

ResultsGrid::ResultsGrid() {
    rows_.resize(2);
}

void ResultsGrid::SetRowCount(int n) {
    rows_.resize(static_cast<std::size_t>(std::max(0, n)));
}

void ResultsGrid::InsertRows(int at, std::vector<GridRow>&& rows) {
    const auto pos = static_cast<std::ptrdiff_t>(std::clamp(at, 0, RowCount()));
    rows_.insert(rows_.begin() + pos, std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
}

std::string_view ResultsGrid::Cell(int col, int row) const {
    if (col < 0 || col >= kColumns || row < 0 || row >= RowCount())
        return {};
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

const GridRow& ResultsGrid::RowAt(int row) const {
    static const GridRow none;
    return row >= 0 && row < RowCount() ? rows_[static_cast<std::size_t>(row)] : none;
}

void ResultsGrid::SetCell(int col, int row, std::string_view text) {
    if (col < 0 || col >= kColumns || row < 0 || row >= RowCount())
        return;
    rows_[static_cast<std::size_t>(row)].Set(static_cast<std::size_t>(col), text);
}

void ResultsGrid::ClearCells() {
    for (auto& row : rows_)
        row = GridRow();
}

const ResultsGrid::Format& ResultsGrid::FormatFor(int col) {
    static const Format text;
    static const Format percent{CompareStyle::Numeric, "", "%"};
    return col == kPercent ? percent : text;
}

std::optional<long double> CellNumber(std::string_view text, const ResultsGrid::Format& f) {
    if (!f.prefix.empty() && text.starts_with(f.prefix))
        text.remove_prefix(f.prefix.size());
    if (!f.suffix.empty() && text.ends_with(f.suffix))
        text.remove_suffix(f.suffix.size());
    if (text.empty())
        return 0.0L;
    // Whole numbers, as the selection writes its percentages, exactly as the
    // general reading below would give them.
    if (text.size() <= 18 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        long long whole = 0;
        for (char c : text)
            whole = whole * 10 + (c - '0');
        return static_cast<long double>(whole);
    }
    std::string canon(text);
    char sep = DecimalSepText()[0];
    for (char& c : canon)
        if (c == sep)
            c = '.';
    return ParseDecimal(canon, '.');
}

namespace {

// Runs work(half, from, to) over [0, count): for a large count as two halves
// at once, the second on a thread of its own; otherwise once, as half 0.
template <class Work> void InHalves(std::size_t count, Work&& work) {
    constexpr std::size_t kLarge = 8192;
    if (count < kLarge) {
        work(0, std::size_t{0}, count);
        return;
    }
    const std::size_t middle = count / 2;
    std::jthread second;
    try {
        second = std::jthread([&] { work(1, middle, count); });
    } catch (const std::system_error&) {
        work(1, middle, count); // no thread to be had: one after the other
    }
    work(0, std::size_t{0}, middle);
}

} // namespace

int CompareCells(std::string_view a, std::string_view b, const ResultsGrid::Format& f) {
    if (f.style == ResultsGrid::CompareStyle::Numeric) {
        auto x = CellNumber(a, f), y = CellNumber(b, f);
        if (!x || !y)
            return 0;
        return *x < *y ? -1 : (*x > *y ? 1 : 0);
    }
    int c = a.compare(b); // byte-wise, unsigned
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int ResultsGrid::CompareRows(int rowA, int rowB, int col) const {
    const Row& a = RowAt(rowA);
    const Row& b = RowAt(rowB);
    // Past the longer row every cell is empty on both sides.
    const int last = static_cast<int>(std::max(a.Size(), b.Size()));
    for (int c = std::max(col, 0); c < last; ++c) {
        const auto at = static_cast<std::size_t>(c);
        if (const int r = CompareCells(a[at], b[at], FormatFor(c)))
            return r;
    }
    return 0;
}

void ResultsGrid::Sort() {
    if (RowCount() - fixedRows_ < 2 || sortColumn_ < 0 || sortColumn_ >= kColumns)
        return;
    // One pass over the rows, each half of a large grid on a thread of its own.
    const auto first = rows_.begin() + fixedRows_;
    ColumnSummary halves[2];
    InHalves(rows_.size() - static_cast<std::size_t>(fixedRows_),
             [&](int half, std::size_t from, std::size_t to) {
                 for (std::size_t i = from; i < to; ++i)
                     halves[half].Add(*(first + static_cast<std::ptrdiff_t>(i)));
             });
    halves[0].Join(halves[1]);
    Sort(halves[0]);
}

void ResultsGrid::Sort(const ColumnSummary& summary) {
    if (RowCount() - fixedRows_ < 2 || sortColumn_ < 0 || sortColumn_ >= kColumns)
        return;
    // A column that holds the same text in every row compares equal for every
    // pair: only the others can decide, and only they are compared.
    std::vector<int> deciding = summary.Differing(sortColumn_);
    if (deciding.empty())
        return;
    const auto first = rows_.begin() + fixedRows_;
    const std::size_t count = rows_.size() - static_cast<std::size_t>(fixedRows_);
    const RowOrder order(std::move(deciding), descending_, kPercent, [](std::string_view text) {
        return CellNumber(text, FormatFor(kPercent));
    });
    // Not cleared first: each half's core makes its keys and takes the first
    // touch of their pages, which on a large grid cost more than the keys.
    const std::unique_ptr<RowKey[]> keyArray(new RowKey[count]);
    const std::span<RowKey> keys(keyArray.get(), count);
    DecimalSepText(); // taken from the locale here, not by both halves at once
    InHalves(count, [&](int, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            keys[i] = order.KeyOf(*(first + static_cast<std::ptrdiff_t>(i)),
                                  static_cast<std::uint32_t>(i));
    });
    std::vector<std::uint32_t> sorted;
    if (auto byWords = order.OrderByWords(keys)) {
        sorted = std::move(*byWords);
    } else {
        // A merge sort: stable, and safe even when text in the numeric column
        // makes the comparison inconsistent. A large grid's halves are sorted
        // at once and merged, the first half's rows first among equals.
        auto before = [&](const RowKey& a, const RowKey& b) {
            return order.Before(a, *(first + static_cast<std::ptrdiff_t>(a.row)), b,
                                *(first + static_cast<std::ptrdiff_t>(b.row)));
        };
        std::size_t middle = count;
        InHalves(count, [&](int half, std::size_t from, std::size_t to) {
            std::stable_sort(keys.begin() + static_cast<std::ptrdiff_t>(from),
                             keys.begin() + static_cast<std::ptrdiff_t>(to), before);
            if (half == 1)
                middle = from;
        });
        std::inplace_merge(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(middle),
                           keys.end(), before);
        sorted.reserve(count);
        for (const RowKey& key : keys)
            sorted.push_back(key.row);
    }
    // Row i goes to where the order names it, one cycle of the permutation
    // at a time.
    for (std::size_t i = 0; i < count; ++i) {
        if (sorted[i] == i)
            continue;
        GridRow held = std::move(*(first + static_cast<std::ptrdiff_t>(i)));
        std::size_t at = i;
        while (sorted[at] != i) {
            const std::size_t from = sorted[at];
            *(first + static_cast<std::ptrdiff_t>(at)) =
                std::move(*(first + static_cast<std::ptrdiff_t>(from)));
            sorted[at] = static_cast<std::uint32_t>(at);
            at = from;
        }
        *(first + static_cast<std::ptrdiff_t>(at)) = std::move(held);
        sorted[at] = static_cast<std::uint32_t>(at);
    }
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
    grid.SetCell(0, 0, LanguageText[entry::kColumnNo]);
    grid.SetCell(1, 0, LanguageText[entry::kModel]);
    grid.SetCell(2, 0, VolumeUnit.empty() ? std::string(volumeListText) : VolumeUnit);
    grid.SetCell(3, 0, PressureUnit.empty() ? std::string(pressureListText) : PressureUnit);
    for (int c = 4; c <= 9; ++c)
        grid.SetCell(c, 0, LanguageText[static_cast<std::size_t>(20 + c)]);
    grid.SetVisible(false);
}

} // namespace vd
