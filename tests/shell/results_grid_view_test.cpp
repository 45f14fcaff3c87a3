// The results grid widget as the user sees it: whole cell texts, no sideways
// scrolling, the sort indicator and Return.
#include "results_grid_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace vd;

class GridViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetResultsGrid(model, "m3/s", "Pa");
        view.resize(537, 150);
    }
    // Data rows of (fan number, model name), shown with no current row.
    void Fill(const std::vector<std::pair<std::string, std::string>>& rows) {
        model.SetRowCount(static_cast<int>(rows.size()) + 1);
        for (size_t i = 0; i < rows.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            model.SetCell(ResultsGrid::kFanNo, r, rows[i].first);
            model.SetCell(ResultsGrid::kModel, r, rows[i].second);
            model.SetCell(ResultsGrid::kSupply, r, "230/50/1");
        }
        model.SetVisible(true);
        view.Show(model);
        view.setCurrentIndex(QModelIndex()); // no row painted as selected
        view.clearSelection();
    }
    QImage Cell(int row, int col) {
        return view.viewport()->grab(view.visualRect(view.model()->index(row, col))).toImage();
    }

    ResultsGrid model;
    ResultsGridView view;
};

TEST_F(GridViewTest, FourDigitFanNumbersAndModelVariantsAreTellableApart) {
    // An elided cell shows "1…" and "MT 1000-50…" for both rows alike.
    Fill({{"1234", "MT 1000-500 D"}, {"1235", "MT 1000-500 E"}, {"1234", "MT 1000-500 D"}});
    EXPECT_NE(Cell(0, 0), Cell(1, 0));
    EXPECT_NE(Cell(0, 1), Cell(1, 1));
    EXPECT_EQ(Cell(0, 1), Cell(2, 1)); // the same text paints the same cell
}

TEST_F(GridViewTest, ATextWiderThanItsColumnIsCutNotElided) {
    // The letters that fit stay where the shorter text puts them; an ellipsis
    // would take the place of the last of them.
    const std::string fits = "MT 1000-500";
    Fill({{"1", fits}, {"2", fits + " D with a tail far beyond the column"}});
    const QImage whole = Cell(0, 1), cut = Cell(1, 1);
    const int end = QFontMetrics(view.font()).horizontalAdvance(QString::fromStdString(fits)) + 2;
    ASSERT_LT(end, whole.width());
    EXPECT_EQ(whole.copy(0, 0, end, whole.height()), cut.copy(0, 0, end, cut.height()));
}

TEST_F(GridViewTest, TheLastColumnNeverScrollsTheNumberColumnAway) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 1; i <= 20; ++i)
        rows.push_back({std::to_string(i), "PW 200"});
    Fill(rows);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setCurrentCell(0, 0);
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.currentColumn(), 9);
    EXPECT_EQ(view.columnViewportPosition(0), 0);
    const QRect last = view.visualRect(view.model()->index(3, 9));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, last.center());
    EXPECT_EQ(view.currentColumn(), 9);
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view.columnViewportPosition(0), 0);
}

TEST_F(GridViewTest, TheHeaderShowsTheModelsSortColumnAndDirection) {
    Fill({{"1", "A"}, {"2", "B"}, {"3", "C"}});
    EXPECT_TRUE(view.horizontalHeader()->isSortIndicatorShown());
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorSection(), 0);
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    model.SetSortColumn(4);
    model.Sort();
    view.Show(model);
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorSection(), 4);
    // A header click that sorts shows the new order; one that does not
    // (too few rows) leaves the indicator as the model is.
    QObject::connect(&view, &ResultsGridView::headerClicked, &view, [&](int c) {
        if (model.HeaderClick(c))
            view.Show(model);
    });
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QHeaderView* h = view.horizontalHeader();
    const QPoint col1(h->sectionViewportPosition(1) + 10, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, col1);
    EXPECT_EQ(h->sortIndicatorSection(), 1);
    EXPECT_EQ(h->sortIndicatorOrder(), Qt::AscendingOrder);
    Fill({{"1", "A"}});
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, col1);
    EXPECT_EQ(h->sortIndicatorSection(), 1);
    EXPECT_EQ(h->sortIndicatorOrder(), Qt::AscendingOrder);
}

TEST_F(GridViewTest, ReturnOpensTheCurrentRowAsADoubleClickDoes) {
    Fill({{"1", "A"}, {"2", "B"}});
    view.setCurrentCell(1, 0);
    QSignalSpy opened(&view, &ResultsGridView::rowDoubleClicked);
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened[0][0].toInt(), 2);
}
