#pragma once
// The results grid on the input page: shows a ResultsGrid model. Row 0 of
// the model is the header; data row r of the model is table row r - 1.
#include "results_grid.h"

#include <QTableWidget>

namespace vd {

class ResultsGridView : public QTableWidget {
    Q_OBJECT
  public:
    explicit ResultsGridView(QWidget* parent = nullptr);

    // Shows the model: headers, cells, current row, visibility. Emits nothing.
    void Show(const ResultsGrid& model);
    // The model row of the table's current row, 0 when there is none.
    int CurrentModelRow() const;

    static const int kWidths[10];

  Q_SIGNALS:
    void rowClicked(int modelRow);
    void rowDoubleClicked(int modelRow);
    void headerClicked(int column);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool showing_ = false;
    bool pressing_ = false; // a mouse press moves the current row; its click reports it
    int sortColumn_ = 0;
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
};

} // namespace vd
