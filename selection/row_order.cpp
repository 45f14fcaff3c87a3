#include "row_order.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace vd {

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

int Sign(int r) {
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace

RowOrder::RowOrder(std::vector<int> deciding, bool descending, int numericColumn,
                   NumberReader number)
    : deciding_(std::move(deciding)), descending_(descending), numeric_(numericColumn),
      number_(number), words_(std::min(RowKey::kWords, deciding_.size())),
      numericAt_(static_cast<std::size_t>(
          std::find(deciding_.begin(), deciding_.begin() + static_cast<std::ptrdiff_t>(words_),
                    numericColumn) -
          deciding_.begin())) {}

RowKey RowOrder::KeyOf(const GridRow& row, std::uint32_t index) const {
    RowKey k{};
    k.row = index;
    for (std::size_t w = 0; w < words_; ++w) {
        const std::string_view text = row[static_cast<std::size_t>(deciding_[w])];
        if (deciding_[w] == numeric_) {
            const auto number = number_(text);
            if (const auto word = number ? OrderedWord(*number) : std::nullopt) {
                k.word[w] = *word;
                k.length[w] = 1;
            }
        } else {
            k.word[w] = PrefixWord(text);
            k.length[w] = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), 9));
        }
    }
    return k;
}

std::optional<std::vector<std::uint32_t>>
RowOrder::OrderByWords(std::span<const RowKey> keys) const {
    if (words_ < deciding_.size())
        return std::nullopt;
    std::uint64_t anyWord[RowKey::kWords] = {}, allWord[RowKey::kWords];
    unsigned anyLength[RowKey::kWords] = {}, allLength[RowKey::kWords];
    std::fill(std::begin(allWord), std::end(allWord), ~std::uint64_t(0));
    std::fill(std::begin(allLength), std::end(allLength), 0xffu);
    for (const RowKey& k : keys)
        for (std::size_t w = 0; w < words_; ++w) {
            if (w == numericAt_ ? k.length[w] == 0 : k.length[w] > 8)
                return std::nullopt;
            anyWord[w] |= k.word[w];
            allWord[w] &= k.word[w];
            anyLength[w] |= k.length[w];
            allLength[w] &= k.length[w];
        }
    // Only the bytes that differ between keys can order them: each word from
    // its high byte down, then its length. A radix sort takes them from the
    // least significant up, each a stable pass over the order the pass
    // before left; a digit is read from the key where it lies.
    std::vector<std::size_t> digits; // byte offsets in a RowKey
    for (std::size_t w = words_; w-- > 0;) {
        if (anyLength[w] != allLength[w])
            digits.push_back(offsetof(RowKey, length) + w);
        for (std::size_t b = 0; b < 8; ++b)
            if (((anyWord[w] ^ allWord[w]) >> (8 * b)) & 0xff)
                digits.push_back(offsetof(RowKey, word) + 8 * w +
                                 (std::endian::native == std::endian::little ? b : 7 - b));
    }
    const unsigned flip = descending_ ? 0xffu : 0u;
    auto digitOf = [&](std::uint32_t at, std::size_t offset) {
        return reinterpret_cast<const unsigned char*>(&keys[at])[offset] ^ flip;
    };
    // Every pass's counts in one reading.
    std::vector<std::array<std::uint32_t, 256>> start(digits.size());
    for (std::uint32_t i = 0; i < keys.size(); ++i)
        for (std::size_t p = 0; p < digits.size(); ++p)
            ++start[p][digitOf(i, digits[p])];
    std::vector<std::uint32_t> order(keys.size()), other(keys.size());
    for (std::uint32_t i = 0; i < keys.size(); ++i)
        order[i] = i;
    for (std::size_t p = 0; p < digits.size(); ++p) {
        std::uint32_t sum = 0;
        for (std::uint32_t& count : start[p])
            sum += std::exchange(count, sum);
        for (const std::uint32_t at : order)
            other[start[p][digitOf(at, digits[p])]++] = at;
        order.swap(other);
    }
    for (std::uint32_t& at : order)
        at = keys[at].row;
    return order;
}

int RowOrder::CompareCells(std::size_t d, const GridRow& rowA, const GridRow& rowB) const {
    const auto c = static_cast<std::size_t>(deciding_[d]);
    if (deciding_[d] != numeric_)
        return Sign(rowA[c].compare(rowB[c]));
    const auto x = number_(rowA[c]), y = number_(rowB[c]);
    return (!x || !y) ? 0 : (*x < *y ? -1 : (*x > *y ? 1 : 0));
}

void ColumnSummary::Add(const GridRow& row) {
    if (!any_) {
        first_ = row;
        any_ = true;
        return;
    }
    const std::size_t width = std::max(row.Size(), first_.Size());
    if (differs_.size() < width)
        differs_.resize(width, 0);
    // Runs of columns that have not differed yet are compared whole, and
    // cell by cell only when a run differs somewhere.
    for (std::size_t c = 0; c < width;) {
        if (differs_[c]) {
            ++c;
            continue;
        }
        std::size_t end = c + 1;
        while (end < width && !differs_[end])
            ++end;
        if (!row.SameCells(first_, c, end))
            for (std::size_t d = c; d < end; ++d)
                if (row[d] != first_[d])
                    differs_[d] = 1;
        c = end;
    }
}

void ColumnSummary::Join(const ColumnSummary& other) {
    if (!other.any_)
        return;
    if (!any_) {
        *this = other;
        return;
    }
    if (differs_.size() < other.differs_.size())
        differs_.resize(other.differs_.size(), 0);
    for (std::size_t c = 0; c < other.differs_.size(); ++c)
        differs_[c] |= other.differs_[c];
    // Each part's columns are the same as its first row's.
    Add(other.first_);
}

std::vector<int> ColumnSummary::Differing(int first) const {
    std::vector<int> columns;
    for (std::size_t c = static_cast<std::size_t>(std::max(first, 0)); c < differs_.size(); ++c)
        if (differs_[c])
            columns.push_back(static_cast<int>(c));
    return columns;
}

} // namespace vd
