#include "results_grid.h"
#include "row_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace vd;

namespace {

// Rows of few distinct texts, so that columns tie and some hold one text in
// every row: texts sharing their first eight bytes, a NUL byte, an empty one.
std::vector<GridRow> RandomRows(std::mt19937& rng, int count, int width) {
    const std::string texts[] = {"12345678", "123456789", std::string("1234\0", 5), "", "b", "a"};
    std::vector<GridRow> rows;
    for (int r = 0; r < count; ++r) {
        std::vector<std::string> cells(static_cast<std::size_t>(1 + rng() % width));
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = c % 5 == 3 ? "same" : texts[rng() % (c % 4 == 0 ? 2 : 6)];
        std::vector<std::string_view> views(cells.begin(), cells.end());
        rows.emplace_back(views);
    }
    return rows;
}

ColumnSummary SummaryOf(const std::vector<GridRow>& rows, std::size_t from, std::size_t to) {
    ColumnSummary s;
    for (std::size_t i = from; i < to; ++i)
        s.Add(rows[i]);
    return s;
}

} // namespace

TEST(ColumnSummary, PartsSummedApartAndJoinedAreTheWhole) {
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        const auto rows = RandomRows(rng, 1 + static_cast<int>(rng() % 40), 12);
        // The expected columns, straight from the rows.
        std::vector<int> expected;
        for (int c = 2; c < 12; ++c)
            for (const GridRow& row : rows)
                if (row[static_cast<std::size_t>(c)] != rows[0][static_cast<std::size_t>(c)]) {
                    expected.push_back(c);
                    break;
                }
        ASSERT_EQ(SummaryOf(rows, 0, rows.size()).Differing(2), expected) << round;
        // Cut into parts at random places, some of them empty.
        ColumnSummary joined;
        for (std::size_t from = 0; from < rows.size();) {
            const std::size_t to = std::min(rows.size(), from + rng() % 6);
            joined.Join(SummaryOf(rows, from, to));
            from = to;
        }
        ASSERT_EQ(joined.Differing(2), expected) << round;
    }
}

// The keys' words order rows as their whole cells do, whichever columns
// decide and in either direction; the percentage as a number.
TEST(RowOrder, KeysCompareAsTheGridComparesCells) {
    std::mt19937 rng(5);
    const char* percents[] = {"5%", "-0%", "0%", "", "0.1%", "1e1%", "10%", "x%"};
    for (int round = 0; round < 200; ++round) {
        ResultsGrid grid;
        auto rows = RandomRows(rng, 30, 9);
        for (GridRow& row : rows)
            row.Set(ResultsGrid::kPercent, percents[rng() % 8]);
        grid.SetRowCount(1);
        grid.InsertRows(1, std::vector<GridRow>(rows));
        const int column = static_cast<int>(rng() % 7);
        std::vector<int> deciding;
        for (int c = column; c < 9; ++c)
            if (rng() % 4)
                deciding.push_back(c);
        // The grid compares every column from `column` on: give the order all
        // of them when the test leaves none out.
        const bool all = static_cast<int>(deciding.size()) == 9 - column;
        const RowOrder order(deciding, false, ResultsGrid::kPercent, [](std::string_view text) {
            return CellNumber(text, ResultsGrid::FormatFor(ResultsGrid::kPercent));
        });
        for (int a = 0; a < 30; ++a)
            for (int b = 0; b < 30; ++b) {
                const auto& ra = rows[static_cast<std::size_t>(a)];
                const auto& rb = rows[static_cast<std::size_t>(b)];
                const int keyed = order.Compare(order.KeyOf(ra, 0), ra, order.KeyOf(rb, 1), rb);
                int cells = 0;
                for (int c : deciding) {
                    const std::string_view x = ra[static_cast<std::size_t>(c)];
                    const std::string_view y = rb[static_cast<std::size_t>(c)];
                    cells = CompareCells(x, y, ResultsGrid::FormatFor(c));
                    if (cells != 0)
                        break;
                }
                ASSERT_EQ(keyed, cells) << round << ": rows " << a << ", " << b;
                if (all) {
                    ASSERT_EQ(keyed, grid.CompareRows(a + 1, b + 1, column));
                }
            }
    }
}

// When the words decide, the radix sort orders the rows as a stable sort by
// Before does, in either direction; otherwise it declines.
TEST(RowOrder, TheOrderByWordsIsTheStableSortsWhereverItTakesTheKeys) {
    std::mt19937 rng(17);
    const char* percents[] = {"5%", "-0%", "0%", "0.5%", "1e1%", "10%", "-7%", "103%"};
    const char* undecided[] = {"x%", "0.1%", "123456789"}; // no word holds them
    const std::string shortTexts[] = {"",         "a",       "b",    "ab",   std::string("a\0", 2),
                                      "12345678", "1234567", "\xff", "z\x80"};
    int sorted = 0, declined = 0;
    for (int round = 0; round < 400; ++round) {
        const int count = 1 + static_cast<int>(rng() % 300);
        std::vector<GridRow> rows;
        for (int r = 0; r < count; ++r) {
            std::vector<std::string> cells(9);
            for (std::size_t c = 0; c < cells.size(); ++c)
                cells[c] = shortTexts[rng() % (c == 6 ? 2 : 9)];
            cells[ResultsGrid::kPercent] = percents[rng() % (round % 3 == 0 ? 2 : 8)];
            // Now and then a cell the words cannot decide.
            if (round % 7 == 0 && rng() % 50 == 0) {
                const std::size_t which = rng() % 3;
                cells[which == 2 ? 5 : ResultsGrid::kPercent] = undecided[which];
            }
            std::vector<std::string_view> views(cells.begin(), cells.end());
            rows.emplace_back(views);
        }
        std::vector<int> deciding{ResultsGrid::kPercent};
        for (int c = 5; c < 9; ++c)
            if (rng() % 2 && deciding.size() < (round % 5 == 0 ? 5u : 4u))
                deciding.push_back(c);
        const bool descending = rng() % 2;
        const RowOrder order(
            deciding, descending, ResultsGrid::kPercent, [](std::string_view text) {
                return CellNumber(text, ResultsGrid::FormatFor(ResultsGrid::kPercent));
            });
        std::vector<RowKey> keys;
        for (std::size_t i = 0; i < rows.size(); ++i)
            keys.push_back(order.KeyOf(rows[i], static_cast<std::uint32_t>(i)));
        std::vector<RowKey> expected = keys;
        std::stable_sort(expected.begin(), expected.end(), [&](const RowKey& a, const RowKey& b) {
            return order.Before(a, rows[a.row], b, rows[b.row]);
        });
        const auto got = order.OrderByWords(keys);
        if (!got) {
            ++declined;
            continue;
        }
        ++sorted;
        ASSERT_EQ(got->size(), expected.size());
        for (std::size_t i = 0; i < got->size(); ++i)
            ASSERT_EQ((*got)[i], expected[i].row) << round << " at " << i;
    }
    EXPECT_GT(sorted, 200);
    EXPECT_GT(declined, 40);
}
