#include "results_grid_view.h"

#include "qt_text.h"

#include <QHeaderView>

namespace vd {

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

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { Q_EMIT headerClicked(c); });
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
    for (int r = 1; r < model.RowCount(); ++r)
        for (int c = 0; c < ResultsGrid::kColumns; ++c) {
            const std::string& text = model.Cell(c, r);
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

void ResultsGridView::mousePressEvent(QMouseEvent* event) {
    pressing_ = true;
    QTableWidget::mousePressEvent(event);
    pressing_ = false;
}

int ResultsGridView::CurrentModelRow() const {
    return currentRow() < 0 ? 0 : currentRow() + 1;
}

} // namespace vd
