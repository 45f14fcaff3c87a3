#include "results_grid.h"

#include "number_text.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
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

namespace {

// The numeric value of a cell: prefix and suffix stripped, the system separator
// read as a point; an empty cell is 0; nothing when it is not a number.
std::optional<long double> NumericValue(std::string_view text, const ResultsGrid::Format& f) {
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
        auto x = NumericValue(a, f), y = NumericValue(b, f);
        if (!x || !y)
            return 0;
        return *x < *y ? -1 : (*x > *y ? 1 : 0);
    }
    int c = a.compare(b); // byte-wise, unsigned
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int ResultsGrid::CompareRows(int rowA, int rowB, int col) const {
    const Format& percent = FormatFor(kPercent);
    return CompareRowsCached(RowAt(rowA), RowAt(rowB), NumericValue(Cell(kPercent, rowA), percent),
                             NumericValue(Cell(kPercent, rowB), percent), col);
}

int ResultsGrid::CompareRowsCached(const Row& a, const Row& b, const std::optional<long double>& na,
                                   const std::optional<long double>& nb, int col) const {
    const int last = static_cast<int>(std::max(a.Size(), b.Size()));
    for (int c = col; c < last; ++c) {
        int r;
        if (c == kPercent) {
            r = (!na || !nb) ? 0 : (*na < *nb ? -1 : (*na > *nb ? 1 : 0));
        } else {
            const auto at = static_cast<std::size_t>(c);
            r = CompareCells(a[at], b[at], FormatFor(c));
        }
        if (r != 0)
            return r;
    }
    // Past the longer row every cell is empty on both sides, and an empty
    // percentage is 0 on both sides.
    return 0;
}

void ResultsGrid::Sort() {
    if (RowCount() - fixedRows_ < 2 || sortColumn_ < 0 || sortColumn_ >= kColumns)
        return;
    auto cell = [](const Row& r, int c) { return r[static_cast<std::size_t>(c)]; };
    const auto first = rows_.begin() + fixedRows_;
    // A column that holds the same text in every row compares equal for every
    // pair: only the others can decide, and only they are compared.
    std::size_t width = 0;
    for (auto it = first; it != rows_.end(); ++it)
        width = std::max(width, it->Size());
    // One pass over the rows, so that each row's cells are fetched once; each
    // half of a large grid on a thread of its own.
    const std::size_t count = rows_.size() - static_cast<std::size_t>(fixedRows_);
    std::vector<char> differs[2] = {std::vector<char>(width, 0), std::vector<char>(width, 0)};
    InHalves(count, [&](int half, std::size_t from, std::size_t to) {
        std::vector<char>& d = differs[half];
        for (auto it = first + static_cast<std::ptrdiff_t>(std::max<std::size_t>(from, 1));
             it < first + static_cast<std::ptrdiff_t>(to); ++it)
            for (int c = sortColumn_; c < static_cast<int>(width); ++c)
                if (!d[static_cast<std::size_t>(c)] && cell(*it, c) != cell(*first, c))
                    d[static_cast<std::size_t>(c)] = 1;
    });
    std::vector<int> deciding;
    for (int c = sortColumn_; c < static_cast<int>(width); ++c)
        if (differs[0][static_cast<std::size_t>(c)] || differs[1][static_cast<std::size_t>(c)])
            deciding.push_back(c);
    if (deciding.empty())
        return;

    // Each row's key carries its percentage, parsed once, and the first eight
    // bytes of the first few text columns that decide, big-endian, so that most
    // comparisons never reach the cells.
    constexpr std::size_t kPrefixed = 3;
    std::vector<int> prefixed;
    for (int c : deciding)
        if (c != kPercent && prefixed.size() < kPrefixed)
            prefixed.push_back(c);
    struct Keyed {
        std::optional<long double> percent;
        std::uint64_t prefix[kPrefixed] = {};
        std::uint32_t length[kPrefixed] = {};
        Row* row = nullptr;
    };
    std::vector<Keyed> keyed(count);
    const bool percentDecides =
        std::find(deciding.begin(), deciding.end(), kPercent) != deciding.end();
    const Format& percentFormat = FormatFor(kPercent);
    DecimalSepText(); // taken from the locale here, not by both halves at once
    InHalves(count, [&](int, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            Keyed& k = keyed[i];
            Row& row = *(first + static_cast<std::ptrdiff_t>(i));
            k.row = &row;
            if (percentDecides)
                k.percent = NumericValue(cell(row, kPercent), percentFormat);
            for (std::size_t p = 0; p < prefixed.size(); ++p) {
                const std::string_view text = cell(row, prefixed[p]);
                k.length[p] = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), 9));
                for (std::size_t c = 0; c < 8; ++c)
                    k.prefix[p] = k.prefix[p] << 8 |
                                  (c < text.size() ? static_cast<unsigned char>(text[c]) : 0u);
            }
        }
    });
    auto compareText = [&](const Keyed& a, const Keyed& b, int c) {
        for (std::size_t p = 0; p < prefixed.size(); ++p) {
            if (prefixed[p] != c)
                continue;
            if (a.prefix[p] != b.prefix[p])
                return a.prefix[p] < b.prefix[p] ? -1 : 1;
            if (a.length[p] <= 8 && b.length[p] <= 8)
                return a.length[p] < b.length[p] ? -1 : (a.length[p] > b.length[p] ? 1 : 0);
            break;
        }
        return cell(*a.row, c).compare(cell(*b.row, c));
    };
    // A merge sort: stable, and safe even when text in the numeric column
    // makes the comparison inconsistent. A large grid's halves are sorted at
    // once and merged, the first half's rows first among equals.
    auto before = [&](const Keyed& a, const Keyed& b) {
        for (int c : deciding) {
            int r;
            if (c == kPercent) {
                r = (!a.percent || !b.percent)
                        ? 0
                        : (*a.percent < *b.percent ? -1 : (*a.percent > *b.percent ? 1 : 0));
            } else {
                r = compareText(a, b, c);
            }
            if (r != 0)
                return descending_ ? r > 0 : r < 0;
        }
        return false;
    };
    std::size_t middle = count;
    InHalves(count, [&](int half, std::size_t from, std::size_t to) {
        std::stable_sort(keyed.begin() + static_cast<std::ptrdiff_t>(from),
                         keyed.begin() + static_cast<std::ptrdiff_t>(to), before);
        if (half == 1)
            middle = from;
    });
    std::inplace_merge(keyed.begin(), keyed.begin() + static_cast<std::ptrdiff_t>(middle),
                       keyed.end(), before);
    std::vector<Row> sorted;
    sorted.reserve(keyed.size());
    for (Keyed& k : keyed)
        sorted.push_back(std::move(*k.row));
    std::move(sorted.begin(), sorted.end(), first);
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
