#include "results_grid_view.h"

#include "qt_text.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace vd {

namespace {

// Cell texts start one pixel in from the cell's edge and are cut at its far
// edge, never elided: with the narrow tabled widths an ellipsis would hide
// the digits and letters that tell fans apart.
class WholeTextDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kPadding = 1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        if (text.isEmpty())
            return;
        painter->save();
        painter->setClipRect(opt.rect);
        painter->setFont(opt.font);
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(opt.palette.color(opt.state & QStyle::State_Active ? QPalette::Active
                                                                           : QPalette::Inactive,
                                          selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect r = opt.rect.adjusted(kPadding, 0, 0, 0);
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }
};

} // namespace

const int ResultsGridView::kWidths[10] = {25, 79, 44, 47, 46, 57, 45, 46, 52, 85};

ResultsGridView::ResultsGridView(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(ResultsGrid::kColumns);
    for (int c = 0; c < ResultsGrid::kColumns; ++c) {
        setColumnWidth(c, c < 10 ? kWidths[c] : 50);
        // Columns from 10 on carry data for the other pages, not for the eye.
        setColumnHidden(c, c >= 10);
    }
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new WholeTextDelegate(this));
    // Only columns 0 to 9 are for the eye and there is no horizontal scroll
    // bar: nothing may scroll the number column out of sight.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (v != 0)
            horizontalScrollBar()->setValue(0);
    });
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(14);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(10);
    QFont data("Liberation Sans");
    data.setPointSize(8);
    setFont(data);
    QFont head = data;
    head.setBold(true);
    horizontalHeader()->setFont(head);
    horizontalHeader()->setStyleSheet("QHeaderView::section { background-color: rgb(185, 213, 249);"
                                      " border: 0px; border-right: 1px solid #8fa9cc;"
                                      " border-bottom: 1px solid #8fa9cc; padding-left: 2px; }");
    horizontalHeader()->setFixedHeight(20);

    // The header shows the model's sort column and direction; a click that
    // does not sort leaves the indicator where it was.
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
        Q_EMIT headerClicked(c);
        horizontalHeader()->setSortIndicator(sortColumn_, sortOrder_);
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        // Moving the current row by keyboard counts as a click; a mouse
        // press is reported once, by the click that follows it.
        if (!showing_ && !pressing_ && row >= 0 && row != previous)
            Q_EMIT rowClicked(row + 1);
    });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (!showing_)
            Q_EMIT rowClicked(row + 1);
    });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { Q_EMIT rowDoubleClicked(row + 1); });
}

void ResultsGridView::Show(const ResultsGrid& model) {
    showing_ = true;
    const QSignalBlocker block(this);
    clearContents();
    setRowCount(std::max(0, model.RowCount() - 1));
    QStringList headers;
    for (int c = 0; c < ResultsGrid::kColumns; ++c)
        headers << FromCp1252(model.Cell(c, 0));
    setHorizontalHeaderLabels(headers);
    sortColumn_ = model.SortColumn();
    sortOrder_ = model.Descending() ? Qt::DescendingOrder : Qt::AscendingOrder;
    horizontalHeader()->setSortIndicator(sortColumn_, sortOrder_);
    for (int r = 1; r < model.RowCount(); ++r)
        for (int c = 0; c < ResultsGrid::kColumns; ++c) {
            const std::string_view text = model.Cell(c, r);
            if (text.empty())
                continue;
            auto* item = new QTableWidgetItem(FromCp1252(text));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            setItem(r - 1, c, item);
        }
    const int current = model.CurrentRow();
    if (current >= 1 && current < model.RowCount())
        setCurrentCell(current - 1, 0);
    setVisible(model.Visible());
    showing_ = false;
}

void ResultsGridView::keyPressEvent(QKeyEvent* event) {
    // Return opens the current row's fan as a double click does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        Q_EMIT rowDoubleClicked(currentRow() + 1);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ResultsGridView::mousePressEvent(QMouseEvent* event) {
    pressing_ = true;
    QTableWidget::mousePressEvent(event);
    pressing_ = false;
}

int ResultsGridView::CurrentModelRow() const {
    return currentRow() < 0 ? 0 : currentRow() + 1;
}

} // namespace vd
