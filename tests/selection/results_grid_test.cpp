#include "number_text.h"
#include "results_grid.h"
#include "vd_variables.h"

#include <gtest/gtest.h>
#include <random>

using namespace vd;

namespace {

// A grid with data rows given as (col 0, col 4, col 5) triples.
ResultsGrid Grid(const std::vector<std::array<const char*, 3>>& rows) {
    ResultsGrid g;
    g.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i) {
        int r = static_cast<int>(i) + 1;
        g.SetCell(0, r, rows[i][0]);
        g.SetCell(4, r, rows[i][1]);
        g.SetCell(5, r, rows[i][2]);
    }
    return g;
}

std::vector<std::string> Col(const ResultsGrid& g, int c) {
    std::vector<std::string> v;
    for (int r = 1; r < g.RowCount(); ++r)
        v.emplace_back(g.Cell(c, r));
    return v;
}

} // namespace

TEST(ResultsGrid, PercentagesSortAsNumbersNotText) {
    SetDecimalSeparator('.');
    ResultsGrid g = Grid({{"1", "98%", ""}, {"2", "100%", ""}, {"3", "115%", ""}});
    g.SetSortColumn(4);
    g.Sort(); // descending at start
    EXPECT_EQ(Col(g, 4), (std::vector<std::string>{"115%", "100%", "98%"}));
}

TEST(ResultsGrid, EqualPercentagesFallBackToTheColumnsToTheRight) {
    ResultsGrid g = Grid({{"1", "100%", "0.250"}, {"2", "100%", "0.300"}, {"3", "100%", "0.300"}});
    g.SetCell(6, 2, "a");
    g.SetCell(6, 3, "b");
    g.SetSortColumn(4);
    g.Sort();
    // Descending over the whole comparison: column 5 as text, then column 6.
    EXPECT_EQ(Col(g, 0), (std::vector<std::string>{"3", "2", "1"}));
}

TEST(ResultsGrid, RowsEqualOverEveryColumnKeepTheirOrder) {
    ResultsGrid g = Grid({{"", "90%", "x"}, {"", "90%", "x"}, {"", "90%", "x"}});
    g.SetCell(30, 1, "");
    for (int r = 1; r <= 3; ++r)
        g.SetCell(99, r, ""); // identical rows ...
    g.SetCell(11, 1, "");
    // ... told apart only by a marker the comparison never reaches.
    ResultsGrid before = g;
    g.SetSortColumn(4);
    g.Sort();
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(g.Cell(5, r), before.Cell(5, r));
}

TEST(ResultsGrid, NumericCellsThatAreNotNumbersCountAsEqual) {
    ResultsGrid g = Grid({{"b", "x%", ""}, {"a", "", ""}, {"c", "5%", ""}});
    // "x" is not a number: equal to anything on column 4, column 5.. decide.
    EXPECT_EQ(g.CompareRows(1, 3, 4), 0);
    // An empty cell counts as 0.
    EXPECT_LT(g.CompareRows(2, 3, 4), 0);
    EXPECT_LT(CompareCells("", "5%", ResultsGrid::FormatFor(4)), 0);
}

TEST(ResultsGrid, HeaderClickSortsAscendingThenReverses) {
    ResultsGrid g = Grid({{"9", "100%", ""}, {"10", "98%", ""}, {"11", "115%", ""}});
    g.SetSortColumn(4);
    g.Sort();
    EXPECT_TRUE(g.HeaderClick(4)); // the sort column: reversed to ascending
    EXPECT_EQ(Col(g, 4), (std::vector<std::string>{"98%", "100%", "115%"}));
    EXPECT_FALSE(g.Descending());
    EXPECT_TRUE(g.HeaderClick(0)); // a new column: ascending, as text
    EXPECT_EQ(Col(g, 0), (std::vector<std::string>{"10", "11", "9"}));
    EXPECT_TRUE(g.HeaderClick(0));
    EXPECT_EQ(Col(g, 0), (std::vector<std::string>{"9", "11", "10"}));
}

TEST(ResultsGrid, HeaderClickNeedsTwoDataRows) {
    ResultsGrid g = Grid({{"1", "100%", ""}});
    EXPECT_FALSE(g.HeaderClick(0));
    EXPECT_EQ(g.SortColumn(), 0);
    EXPECT_TRUE(g.Descending());
}

TEST(ResultsGrid, TextCompareIsBytewiseAndCaseSensitive) {
    auto text = ResultsGrid::FormatFor(1);
    EXPECT_LT(CompareCells("B", "a", text), 0);
    EXPECT_LT(CompareCells("z", "\xE9", text), 0); // é (0xE9) after ASCII
    EXPECT_LT(CompareCells("10", "9", text), 0);
}

TEST(ResultsGrid, ResetWritesHeadersAndLeavesTheSpareRow) {
    ResetVariables();
    for (int i = 0; i < kLanguageEntries; ++i)
        LanguageText[static_cast<size_t>(i)] = "L" + std::to_string(i);
    ResultsGrid g = Grid({{"1", "100%", "x"}, {"2", "90%", "y"}});
    g.SetVisible(true);
    g.SetSortColumn(4);
    g.SetDescending(false);
    ResetResultsGrid(g, "l/s", "inwg");
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_FALSE(g.Visible());
    EXPECT_EQ(g.Cell(0, 1), "");
    const char* headers[] = {"L22", "L23", "l/s", "inwg", "L24", "L25", "L26", "L27", "L28", "L29"};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(g.Cell(c, 0), headers[c]);
    EXPECT_EQ(g.Cell(10, 0), "");
    // Sort column and direction outlive a reset.
    EXPECT_EQ(g.SortColumn(), 4);
    EXPECT_FALSE(g.Descending());
    // After a select, the stored units win over the lists' texts.
    VolumeUnit = "cfm";
    PressureUnit = "Pa";
    ResetResultsGrid(g, "l/s", "inwg");
    EXPECT_EQ(g.Cell(2, 0), "cfm");
    EXPECT_EQ(g.Cell(3, 0), "Pa");
    ResetVariables();
}

TEST(ResultsGridSort, KeysOfTheFirstBytesOrderRowsAsTheirWholeCellsDo) {
    // Texts that share their first eight bytes, hold NUL bytes or end early,
    // in columns that decide after the percentage; column 0 keeps the order of
    // writing, so equal rows must keep it too. The large grid is sorted in
    // halves at once and merged.
    for (int rows : {300, 20000}) {
        std::mt19937 rng(7);
        const std::string stems[] = {"12345678", "1234567", "123456789", std::string("1234\0", 5),
                                     ""};
        ResultsGrid g;
        g.SetRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r) {
            g.SetCell(0, r, std::to_string(100000 + r));
            g.SetCell(4, r, std::to_string(rng() % 3) + "%");
            for (int c : {5, 9, 22, 30})
                g.SetCell(c, r,
                          stems[rng() % 5] +
                              std::string(rng() % 2, static_cast<char>('a' + rng() % 2)));
            g.SetCell(7, r, "same");
        }
        bool first = true; // rows still in the order of writing
        for (bool descending : {true, false}) {
            g.SetDescending(descending);
            for (int col : {4, 5, 9}) {
                g.SetSortColumn(col);
                g.Sort();
                for (int r = 1; r < rows; ++r) {
                    int c = g.CompareRows(r, r + 1, col);
                    ASSERT_TRUE(descending ? c >= 0 : c <= 0)
                        << rows << " rows, column " << col << " row " << r;
                    if (c == 0 && first) {
                        ASSERT_LT(g.Cell(0, r), g.Cell(0, r + 1)) << "stable at row " << r;
                    }
                }
                first = false;
            }
        }
    }
}

TEST(ResultsGridSort, PercentagesSortAsTheirExactValues) {
    // Percentages are compared as doubles when every one is exactly a double,
    // as their exact values otherwise. Either way equal values written apart
    // (-0 and 0, 100 and 1e2) are equal, and values one double holds (0.3 and
    // 0.30000000000000001) are not; equal rows keep the order of writing.
    const std::vector<std::vector<const char*>> sets = {
        {"-0%", "0%", "", "1e2%", "100%", "-3.5%", "0.5%"},
        {"-0%", "0%", "", "0.3%", "0.30000000000000001%", "0.1%", "0.10%", "100%"}};
    for (const auto& percents : sets) {
        std::mt19937 rng(3);
        ResultsGrid g;
        const int rows = 500;
        g.SetRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r) {
            g.SetCell(0, r, std::to_string(100000 + r));
            g.SetCell(4, r, percents[rng() % percents.size()]);
            g.SetCell(5, r, std::string(1, static_cast<char>('a' + rng() % 2)));
        }
        for (bool descending : {true, false}) {
            g.SetDescending(descending);
            g.SetSortColumn(4);
            g.Sort();
            for (int r = 1; r < rows; ++r) {
                const int c = g.CompareRows(r, r + 1, 4);
                ASSERT_TRUE(descending ? c >= 0 : c <= 0) << percents.size() << ", row " << r;
            }
        }
        // Sorting again on the same column and direction moves no row.
        const std::vector<std::string> before = Col(g, 0);
        g.Sort();
        EXPECT_EQ(Col(g, 0), before);
    }
}
