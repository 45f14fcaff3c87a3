#include "grid_row.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vd {

namespace {

template <std::size_t kWidth> std::size_t ReadEnd(const char* at) {
    std::size_t end = 0;
    for (std::size_t b = kWidth; b-- > 0;)
        end = end << 8 | static_cast<unsigned char>(at[b]);
    return end;
}

std::size_t ReadEnd(const char* at, std::size_t width) {
    return width == 2 ? ReadEnd<2>(at) : ReadEnd<4>(at);
}

void WriteEnd(char* at, std::size_t width, std::size_t end) {
    for (std::size_t b = 0; b < width; ++b, end >>= 8)
        at[b] = static_cast<char>(end & 0xFF);
}

} // namespace

GridRow::GridRow(std::span<const std::string_view> cells) {
    Builder builder;
    const std::size_t count = std::min(cells.size(), kMaxCells);
    std::size_t text = 0;
    for (std::size_t c = 0; c < count; ++c)
        text += cells[c].size();
    builder.Text().reserve(text);
    for (std::size_t c = 0; c < count; ++c)
        builder.Add(cells[c]);
    *this = builder.Build();
}

GridRow GridRow::Builder::Build() {
    // Trailing empty cells read the same as none.
    std::size_t count = count_;
    while (count > 0 && ends_[count - 1] == (count > 1 ? ends_[count - 2] : 0))
        --count;
    GridRow row;
    if (count > 0) {
        const std::size_t text = ends_[count - 1];
        const std::size_t width = text <= UINT16_MAX ? 2 : 4;
        const std::size_t table = kHead + count * width;
        char head[kHead + kMaxCells * 4];
        head[0] = static_cast<char>(count);
        head[1] = static_cast<char>(width);
        for (std::size_t c = 0; c < count; ++c)
            WriteEnd(head + kHead + c * width, width, ends_[c]);
        // One allocation of the row's size, each byte written once.
        std::string& block = row.block_;
        block.reserve(table + text + kSlack);
        block.append(head, table);
        block.append(text_, 0, text);
        block.append(kSlack, '\0');
    }
    text_.clear();
    count_ = 0;
    return row;
}

std::string_view GridRow::WideCell(std::size_t col) const {
    const std::size_t width = static_cast<unsigned char>(block_[1]);
    const char* ends = block_.data() + kHead;
    const std::size_t begin = col == 0 ? 0 : ReadEnd(ends + (col - 1) * width, width);
    const std::size_t end = ReadEnd(ends + col * width, width);
    const std::size_t text = kHead + Size() * width;
    return std::string_view(block_).substr(text + begin, end - begin);
}

bool GridRow::SameCells(const GridRow& other, std::size_t from, std::size_t to) const {
    if (from >= to)
        return true;
    const std::size_t width = Size() ? static_cast<unsigned char>(block_[1]) : 0;
    if (to > Size() || to > other.Size() || width != static_cast<unsigned char>(other.block_[1])) {
        for (std::size_t c = from; c < to; ++c)
            if ((*this)[c] != other[c])
                return false;
        return true;
    }
    // The cells' lengths agree when their ends do, counted from the run's
    // start; then the run's texts are compared at once.
    const char* ends = block_.data() + kHead;
    const char* otherEnds = other.block_.data() + kHead;
    const std::size_t base = from ? ReadEnd(ends + (from - 1) * width, width) : 0;
    const std::size_t otherBase = from ? ReadEnd(otherEnds + (from - 1) * width, width) : 0;
    for (std::size_t c = from; c < to; ++c)
        if (ReadEnd(ends + c * width, width) - base !=
            ReadEnd(otherEnds + c * width, width) - otherBase)
            return false;
    const std::size_t length = ReadEnd(ends + (to - 1) * width, width) - base;
    return std::memcmp(ends + Size() * width + base, otherEnds + other.Size() * width + otherBase,
                       length) == 0;
}

void GridRow::AppendJoined(std::string& out, std::size_t count, char separator) const {
    if (count == 0)
        return;
    const std::size_t held = std::min(count, Size());
    const std::size_t width = held ? static_cast<unsigned char>(block_[1]) : 0;
    const char* ends = block_.data() + kHead;
    const char* text = ends + Size() * width;
    const std::size_t textLength = held ? ReadEnd(ends + (held - 1) * width, width) : 0;
    const std::size_t length = textLength + count - 1;
    const std::size_t from = out.size();
    // Cells are short, and a copy call for each costs more than its bytes:
    // each is copied in whole blocks of kSlack + 1 bytes, which the slack
    // after the row's texts and after the output make safe to read and write.
    constexpr std::size_t kBlock = kSlack + 1;
    out.resize(from + length + kBlock);
    char* at = out.data() + from;
    std::size_t begin = 0;
    for (std::size_t c = 0; c < held; ++c) {
        const std::size_t end = ReadEnd(ends + c * width, width);
        for (std::size_t k = begin; k < end; k += kBlock)
            std::memcpy(at + (k - begin), text + k, kBlock);
        at += end - begin;
        begin = end;
        *at++ = separator;
    }
    for (std::size_t c = held; c + 1 < count; ++c)
        *at++ = separator;
    out.resize(from + length);
}

void GridRow::Set(std::size_t col, std::string_view text) {
    if (col >= kMaxCells || (col >= Size() && text.empty()))
        return;
    std::vector<std::string_view> cells(std::max(Size(), col + 1));
    for (std::size_t c = 0; c < Size(); ++c)
        cells[c] = (*this)[c];
    // The new text may be one of this row's own cells: keep it apart.
    const std::string owned(text);
    cells[col] = owned;
    *this = GridRow(cells);
}

} // namespace vd
