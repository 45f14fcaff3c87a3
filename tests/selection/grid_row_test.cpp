#include "grid_row.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace vd;

namespace {

std::vector<std::string> CellsOf(const GridRow& row, std::size_t count) {
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < count; ++c)
        cells.emplace_back(row[c]);
    return cells;
}

GridRow RowOf(const std::vector<std::string>& cells) {
    std::vector<std::string_view> views(cells.begin(), cells.end());
    return GridRow(views);
}

std::string Joined(const std::vector<std::string>& cells, std::size_t count, char separator) {
    std::string out;
    for (std::size_t c = 0; c < count; ++c) {
        if (c)
            out += separator;
        if (c < cells.size())
            out += cells[c];
    }
    return out;
}

} // namespace

TEST(GridRow, HoldsItsCellsAndReadsEmptyPastThem) {
    const GridRow row{"12", "", "Model A", "", ""};
    EXPECT_EQ(row.Size(), 3u); // trailing empty cells are not held
    EXPECT_EQ(CellsOf(row, 5), (std::vector<std::string>{"12", "", "Model A", "", ""}));
    EXPECT_EQ(row[400], "");
    EXPECT_EQ(GridRow().Size(), 0u);
    EXPECT_EQ(GridRow({"", ""}).Size(), 0u);

    // Texts too long for two-byte ends, on either side of the limit.
    for (std::size_t total : {65535u, 65536u, 300000u}) {
        const std::vector<std::string> cells = {"a", std::string(total - 2, 'x'), "b"};
        EXPECT_EQ(CellsOf(RowOf(cells), 4), (std::vector<std::string>{"a", cells[1], "b", ""}))
            << total;
    }
}

// A builder kept from row to row makes the rows the cells make, whatever the
// rows before it held: trailing empty cells, skipped columns, texts past the
// two-byte ends and cells past the most a row holds.
TEST(GridRow, BuilderMakesTheRowOfItsCells) {
    std::mt19937 rng(8);
    GridRow::Builder builder;
    for (int n = 0; n < 3000; ++n) {
        std::vector<std::string> cells(rng() % 30);
        if (n % 100 == 7)
            cells.resize(GridRow::kMaxCells + 5, "z");
        for (std::string& cell : cells) {
            const unsigned length = rng() % 4 == 0 ? 0 : rng() % 12;
            for (unsigned i = 0; i < length; ++i)
                cell += static_cast<char>(rng() % 256);
        }
        if (n % 500 == 3 && !cells.empty())
            cells[0] = std::string(70000, 'w');
        // Empty cells are skipped over, some written as empty texts.
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].empty() && rng() % 2)
                continue;
            builder.SkipTo(c);
            if (rng() % 2) {
                builder.Add(cells[c]);
            } else {
                builder.Text() += cells[c];
                builder.EndCell();
            }
        }
        builder.SkipTo(cells.size());
        const GridRow built = builder.Build();
        // A row holds at most kMaxCells cells, and none of the empty ones last.
        std::vector<std::string> held(
            cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(
                                               std::min(cells.size(), GridRow::kMaxCells)));
        while (!held.empty() && held.back().empty())
            held.pop_back();
        ASSERT_EQ(built.Size(), held.size()) << n;
        held.resize(cells.size() + 1);
        ASSERT_EQ(CellsOf(built, cells.size() + 1), held) << n;
        ASSERT_TRUE(built.SameCells(RowOf(cells), 0, built.Size())) << n;
    }
}

TEST(GridRow, SetWritesOneCellAndKeepsTheOthers) {
    GridRow row{"1", "two", "3"};
    row.Set(1, "second");
    row.Set(5, "six");
    EXPECT_EQ(CellsOf(row, 7), (std::vector<std::string>{"1", "second", "3", "", "", "six", ""}));
    row.Set(9, ""); // an empty cell past the row adds nothing
    EXPECT_EQ(row.Size(), 6u);
    row.Set(5, "");
    EXPECT_EQ(row.Size(), 3u);
    row.Set(GridRow::kMaxCells, "ignored");
    EXPECT_EQ(row.Size(), 3u);

    // A cell written from a view of the row itself.
    row.Set(0, row[1]);
    row.Set(2, row[0].substr(1));
    EXPECT_EQ(CellsOf(row, 3), (std::vector<std::string>{"second", "second", "econd"}));

    // Growing past two-byte ends and back.
    row.Set(1, std::string(70000, 'w'));
    EXPECT_EQ(row[1].size(), 70000u);
    EXPECT_EQ(row[2], "econd");
    row.Set(1, "short");
    EXPECT_EQ(CellsOf(row, 3), (std::vector<std::string>{"second", "short", "econd"}));
}

// The joined text copies cells in whole blocks past their ends: every length,
// empty cells anywhere, fewer or more cells asked for than held, wide rows.
TEST(GridRow, AppendJoinedGivesTheCellsWithSeparatorsBetween) {
    std::mt19937 rng(7);
    auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> cells(below(30));
        for (auto& cell : cells) {
            const std::size_t length = below(4) == 0 ? 0 : below(40);
            for (std::size_t i = 0; i < length; ++i)
                cell += static_cast<char>('!' + below(90));
        }
        if (round % 500 == 0 && !cells.empty())
            cells[below(cells.size())] = std::string(70000, 'w');
        const GridRow row = RowOf(cells);
        const std::size_t count = below(35);
        std::string out = "before|";
        row.AppendJoined(out, count, '\t');
        ASSERT_EQ(out, "before|" + Joined(cells, count, '\t')) << round;
    }
}

TEST(GridRow, SameCellsComparesARunAsItsCellsCompare) {
    // Rows of few texts, so that runs often agree; lengths that shift the
    // texts against each other; rows of different sizes and a wide row.
    std::mt19937 rng(23);
    const std::string texts[] = {"", "a", "ab", "ba", "abc", "b", std::string("\0a", 2)};
    auto randomRow = [&] {
        std::vector<std::string> cells(rng() % 12);
        for (auto& cell : cells)
            cell = texts[rng() % std::size(texts)];
        if (rng() % 40 == 0)
            cells.push_back(std::string(70000, 'w'));
        return cells;
    };
    int same = 0;
    for (int round = 0; round < 20000; ++round) {
        const auto a = randomRow(), b = rng() % 3 ? randomRow() : a;
        const GridRow ra(std::vector<std::string_view>(a.begin(), a.end()));
        const GridRow rb(std::vector<std::string_view>(b.begin(), b.end()));
        const std::size_t from = rng() % 14, to = from + rng() % 6;
        bool expected = true;
        for (std::size_t c = from; c < to; ++c)
            expected = expected && ra[c] == rb[c];
        ASSERT_EQ(ra.SameCells(rb, from, to), expected) << round;
        ASSERT_EQ(rb.SameCells(ra, from, to), expected) << round;
        same += expected && to > from + 1;
    }
    EXPECT_GT(same, 1000);
}
