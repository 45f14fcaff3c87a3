#include "results_grid.h"

#include "number_text.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <algorithm>
#include <bit>
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

namespace {

// A number as a word whose unsigned order is the number's; equal numbers give
// equal words. Nothing when the number is not exactly a double.
std::optional<std::uint64_t> OrderedWord(long double value) {
    const auto d = static_cast<double>(value);
    if (static_cast<long double>(d) != value)
        return std::nullopt;
    const auto bits = std::bit_cast<std::uint64_t>(d == 0 ? 0.0 : d);
    return bits >> 63 ? ~bits : bits | std::uint64_t(1) << 63;
}

// The first eight bytes of a text, big-endian, zero-padded.
std::uint64_t PrefixWord(std::string_view text) {
    std::uint64_t word = 0;
    for (std::size_t c = 0; c < 8; ++c)
        word = word << 8 | (c < text.size() ? static_cast<unsigned char>(text[c]) : 0u);
    return word;
}

} // namespace

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

    // Each row's key holds a word for each of the first few deciding columns,
    // whose unsigned order is the column's: the first eight bytes of a text,
    // or the percentage itself when every row's is exactly a double. Most
    // comparisons end on the words; the cells are read only past them.
    constexpr std::size_t kWords = 4;
    struct Keyed {
        std::uint64_t word[kWords] = {};
        std::uint8_t length[kWords] = {}; // a text's length, 9 for longer
        std::uint32_t row = 0;
    };
    const Format& percentFormat = FormatFor(kPercent);
    DecimalSepText(); // taken from the locale here, not by both halves at once
    const bool percentDecides =
        std::find(deciding.begin(), deciding.end(), kPercent) != deciding.end();
    std::vector<std::optional<long double>> percent(percentDecides ? count : 0);
    std::vector<Keyed> keyed(count);
    // The percentage's word, per half: false when some value is no double.
    bool percentExact[2] = {true, true};
    std::size_t words = std::min(kWords, deciding.size());
    InHalves(count, [&](int half, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            Keyed& k = keyed[i];
            const Row& row = *(first + static_cast<std::ptrdiff_t>(i));
            k.row = static_cast<std::uint32_t>(i);
            if (percentDecides)
                percent[i] = NumericValue(cell(row, kPercent), percentFormat);
            for (std::size_t w = 0; w < words; ++w) {
                if (deciding[w] == kPercent) {
                    const auto word = percent[i] ? OrderedWord(*percent[i]) : std::nullopt;
                    percentExact[half] = percentExact[half] && word;
                    k.word[w] = word.value_or(0);
                } else {
                    const std::string_view text = cell(row, deciding[w]);
                    k.word[w] = PrefixWord(text);
                    k.length[w] = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), 9));
                }
            }
        }
    });
    // Past a percentage that is not a double, or text in the percentage
    // column (which compares equal to everything), the cells decide.
    if (!percentExact[0] || !percentExact[1])
        words = static_cast<std::size_t>(
            std::find(deciding.begin(), deciding.begin() + static_cast<std::ptrdiff_t>(words),
                      kPercent) -
            deciding.begin());

    auto row = [&](const Keyed& k) -> const Row& {
        return *(first + static_cast<std::ptrdiff_t>(k.row));
    };
    auto compare = [&](const Keyed& a, const Keyed& b) {
        for (std::size_t w = 0; w < words; ++w) {
            if (a.word[w] != b.word[w])
                return a.word[w] < b.word[w] ? -1 : 1;
            if (deciding[w] == kPercent)
                continue;
            if (a.length[w] <= 8 && b.length[w] <= 8) {
                if (a.length[w] != b.length[w])
                    return a.length[w] < b.length[w] ? -1 : 1;
                continue;
            }
            if (int r = cell(row(a), deciding[w]).compare(cell(row(b), deciding[w])))
                return r < 0 ? -1 : 1;
        }
        for (std::size_t d = words; d < deciding.size(); ++d) {
            const int c = deciding[d];
            int r;
            if (c == kPercent) {
                const auto& x = percent[a.row];
                const auto& y = percent[b.row];
                r = (!x || !y) ? 0 : (*x < *y ? -1 : (*x > *y ? 1 : 0));
            } else {
                r = cell(row(a), c).compare(cell(row(b), c));
            }
            if (r != 0)
                return r;
        }
        return 0;
    };
    // A merge sort: stable, and safe even when text in the numeric column
    // makes the comparison inconsistent. A large grid's halves are sorted at
    // once and merged, the first half's rows first among equals.
    auto before = [&](const Keyed& a, const Keyed& b) {
        const int r = compare(a, b);
        return descending_ ? r > 0 : r < 0;
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
    for (const Keyed& k : keyed)
        sorted.push_back(std::move(*(first + static_cast<std::ptrdiff_t>(k.row))));
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
