#include "row_order.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <string_view>

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
    RowKey k;
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

bool RowOrder::SortByWords(std::vector<RowKey>& keys) const {
    if (words_ < deciding_.size())
        return false;
    // Each word is compared from its high byte down, then its length.
    struct Digit {
        std::size_t word;
        int shift; // of the byte in the word; -1 for the length
    };
    std::uint64_t anyWord[RowKey::kWords] = {}, allWord[RowKey::kWords];
    unsigned anyLength[RowKey::kWords] = {}, allLength[RowKey::kWords];
    std::fill(std::begin(allWord), std::end(allWord), ~std::uint64_t(0));
    std::fill(std::begin(allLength), std::end(allLength), 0xffu);
    for (const RowKey& k : keys)
        for (std::size_t w = 0; w < words_; ++w) {
            if (w == numericAt_ ? k.length[w] == 0 : k.length[w] > 8)
                return false;
            anyWord[w] |= k.word[w];
            allWord[w] &= k.word[w];
            anyLength[w] |= k.length[w];
            allLength[w] &= k.length[w];
        }
    // Only the bytes that differ between keys can order them; least
    // significant first, as a radix sort from the last digit up takes them.
    std::vector<Digit> digits;
    for (std::size_t w = words_; w-- > 0;) {
        if (anyLength[w] != allLength[w])
            digits.push_back({w, -1});
        for (int shift = 0; shift < 64; shift += 8)
            if (((anyWord[w] ^ allWord[w]) >> shift) & 0xff)
                digits.push_back({w, shift});
    }
    const unsigned flip = descending_ ? 0xffu : 0u;
    std::vector<RowKey> other(keys.size());
    for (const Digit& digit : digits) {
        auto byteOf = [&](const RowKey& k) {
            return (digit.shift < 0
                        ? k.length[digit.word]
                        : static_cast<unsigned>(k.word[digit.word] >> digit.shift) & 0xffu) ^
                   flip;
        };
        std::size_t start[257] = {};
        for (const RowKey& k : keys)
            ++start[byteOf(k) + 1];
        for (std::size_t b = 1; b < 257; ++b)
            start[b] += start[b - 1];
        for (const RowKey& k : keys)
            other[start[byteOf(k)]++] = k;
        keys.swap(other);
    }
    return true;
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
    for (std::size_t c = 0; c < width; ++c)
        if (!differs_[c] && row[c] != first_[c])
            differs_[c] = 1;
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
