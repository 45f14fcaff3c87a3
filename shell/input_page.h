#pragma once
// The input page: the duty entries and their rules, the select button, the
// results grid with its clicks, and the clipboard export of a result row.
#include "page.h"
#include "results_grid.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace vd {

class PictureBox;
class ResultsGridView;
class TCalcEdit;
class TFrmClip;

class InputPage : public Page {
    Q_OBJECT
  public:
    explicit InputPage(UiServices services, QWidget* parent = nullptr);

    // The entries and lists as start-up leaves them.
    void SetStartValues();
    // The duct type for duct families only, static pressure first for families
    // that give no total pressure; clears the results.
    void PrepareForChosenFamilies();
    // Clears the results grid (and the fan picture beside the inputs).
    void ResetGrid();
    // The grid as ResetGrid leaves it on a page whose unit lists are as made.
    static ResultsGrid StartGrid();
    // Shows `grid` (and no fan picture).
    void ShowGrid(const ResultsGrid& grid);
    // Shows the results grid model in the grid widget.
    void ShowGridModel();

    TNoShape *bn_select = nullptr, *bn_Sproducts = nullptr, *bn_Smain = nullptr;
    QLabel *lb_volume = nullptr, *lb_pressure = nullptr, *lb_deviation = nullptr,
           *lb_percent = nullptr, *lb_supply = nullptr, *lb_ductType = nullptr;
    TCalcEdit *se_volume = nullptr, *se_pressure = nullptr, *se_dev = nullptr;
    QComboBox *cb_vunit = nullptr, *cb_punit = nullptr, *cb_pressureType = nullptr,
              *cb_supply = nullptr, *cb_ducttype = nullptr;
    QCheckBox* cb_rej = nullptr;
    PictureBox* im_pic = nullptr;
    ResultsGridView* sg = nullptr;
    ResultsGrid sgModel; // what the grid shows
    QPushButton *bn_copy = nullptr, *SpeedButton1 = nullptr;
    // The clipboard set-up window, shown by SpeedButton1; the main window
    // builds it at start-up (it loads its field list from AppDir). Without a
    // clipboard among the services there is none and COPY does nothing.
    TFrmClip* FrmClip = nullptr;
    // What a double click on a result row draws, after fanChosen.
    std::function<void()> DrawChosenFan;
    // Then, in the same error guard, what else follows the chosen fan.
    std::function<void()> FanChosenAndDrawn;

  Q_SIGNALS:
    // A double click on a result row: the diagram page is to be shown.
    void fanChosen();

  private:
    void ConnectInputHandlers();
    void InputChanged();
    void cb_pressureTypeChange(int index);
    void cb_ducttypeChange(int index);
    // Loads the row's small picture; a missing one is reported at once, or,
    // after a click, only when no double click follows it.
    void ShowRowPicture(int modelRow, bool afterClick = false);
    void bn_selectClick();
    void sgClick(int modelRow);
    void sgDblClick(int modelRow);
    void sgHeaderClick(int column);
    void bn_copyClick();
    void SpeedButton1Click();

    QTimer* pictureNotice_ = nullptr; // a missing picture's message, held for a double click
};

} // namespace vd
