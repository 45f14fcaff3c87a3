// The clipboard text for the grid's current row under the field list.
#include "clip_text.h"
#include "errors.h"
#include "results_grid.h"

#include <gtest/gtest.h>

using namespace vd;

namespace {

ResultsGrid GridWithRows() {
    ResultsGrid g;
    g.SetRowCount(3);
    for (int row = 1; row <= 2; ++row)
        for (int col : {0, 1, 6, 22, 99})
            g.SetCell(col, row, "r" + std::to_string(row) + "c" + std::to_string(col));
    g.SetCurrentRow(1);
    return g;
}

// Fan (column 1), an annotated empty field, and an unchecked Motor (column 6).
ClipFieldList Example() {
    return {{"Fan", true, "Fan model", "1"},
            {"Empty Field [Price]", true, "Empty Field", "-1"},
            {"Motor", false, "Motor data", "6"}};
}

} // namespace

TEST(ClipText, OptionsChooseEntriesAndHeadingLine) {
    const ResultsGrid g = GridWithRows();
    EXPECT_EQ(BuildClipText(Example(), g, {true, true}), "Fan\tEmpty Field [Price]\t\nr1c1\t-\t");
    EXPECT_EQ(BuildClipText(Example(), g, {false, true}),
              "Fan\tEmpty Field [Price]\tMotor\t\nr1c1\t-\tr1c6\t");
    EXPECT_EQ(BuildClipText(Example(), g, {true, false}), "r1c1\t-\t");
}

TEST(ClipText, NothingIncludedGivesLoneLineFeedOrNothing) {
    ClipFieldList none = Example();
    for (auto& f : none)
        f.Included = false;
    EXPECT_EQ(BuildClipText(none, GridWithRows(), {true, true}), "\n");
    EXPECT_EQ(BuildClipText(none, GridWithRows(), {true, false}), "");
    EXPECT_EQ(BuildClipText({}, GridWithRows(), {false, true}), "\n");
}

TEST(ClipText, ReadsTheCurrentRowNotTheFirst) {
    ResultsGrid g = GridWithRows();
    g.SetCurrentRow(2);
    EXPECT_EQ(BuildClipText(Example(), g, {true, false}), "r2c1\t-\t");
}

TEST(ClipText, EmptyFieldIsDecidedByColumnAloneAndExactly) {
    const ClipFieldList fields = {
        {"Empty Field [x]", true, "", "6"}, // caption says empty, column real
        {"Price", true, "", "-1"},          // column says empty
        {"Minus", true, "", "-01"},         // a number, not the marker
        {"Blanks", true, "", " 22 "}};
    EXPECT_EQ(BuildClipText(fields, GridWithRows(), {true, false}), "r1c6\t-\t\tr1c22\t");
}

TEST(ClipText, ColumnsTheGridDoesNotHaveCopyEmptyText) {
    const ClipFieldList fields = {{"A", true, "", "99"},
                                  {"B", true, "", "100"},
                                  {"C", true, "", "-2"},
                                  {"D", true, "", "2147483647"}};
    EXPECT_EQ(BuildClipText(fields, GridWithRows(), {true, false}), "r1c99\t\t\t\t");
    ResultsGrid noRow = GridWithRows();
    noRow.SetCurrentRow(-1);
    EXPECT_EQ(BuildClipText(fields, noRow, {true, false}), "\t\t\t\t");
}

TEST(ClipText, ColumnThatIsNotAnIntegerStopsTheCopy) {
    for (const char* bad : {"abc", "", "1.5", "6x", "99999999999", "0x10"}) {
        ClipFieldList fields = Example();
        fields.push_back({"Bad", true, "", bad});
        try {
            BuildClipText(fields, GridWithRows(), {true, true});
            ADD_FAILURE() << "no error for '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
    // An unchecked bad entry is skipped before its column is read.
    ClipFieldList skipped = Example();
    skipped.push_back({"Bad", false, "", "abc"});
    EXPECT_NO_THROW(BuildClipText(skipped, GridWithRows(), {true, true}));
}
