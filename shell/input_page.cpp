// The input page: the change handlers and their rules, the select button and
// the results grid's clicks.
#include "calc_edit.h"
#include "duty_input.h"
#include "errors.h"
#include "frm_clip.h"
#include "main_window.h"
#include "number_text.h"
#include "picture_box.h"
#include "qt_text.h"
#include "results_grid_view.h"
#include "ui_seams.h"
#include "vd_variables.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace vd {

namespace {

struct LiveControls : SelectionControls {
    const T_fm* w;
    explicit LiveControls(const T_fm* window) : w(window) {}
    int SupplyIndex() const override { return w->cb_supply->currentIndex(); }
    long double AllowedDeviation() const override {
        return ClampDeviation(ReadNumericEntry(ToCp1252(w->se_dev->text()), DecimalSepText()[0]));
    }
    bool ShowRejects() const override { return w->cb_rej->isChecked(); }
};

} // namespace

void T_fm::ConnectInputHandlers() {
    for (TCalcEdit* e : {se_volume, se_pressure, se_dev})
        connect(e, &TCalcEdit::changed, this, &T_fm::InputChanged);
    // The deviation is a percentage: out-of-range entries come back to the bound.
    connect(se_dev, &QLineEdit::editingFinished, this, [this] {
        const char sep = DecimalSepText()[0];
        auto v = ParseDecimal(ToCp1252(se_dev->text()), sep);
        if (v && (*v < 0 || *v > 100))
            se_dev->setText(FromCp1252(FormatFixed(ClampDeviation(*v), 0)));
    });
    // `activated` is the user's choice; programmatic changes run no handler.
    for (QComboBox* c : {cb_vunit, cb_punit, cb_supply})
        connect(c, &QComboBox::activated, this, &T_fm::InputChanged);
    connect(cb_pressureType, &QComboBox::activated, this, &T_fm::cb_pressureTypeChange);
    connect(cb_ducttype, &QComboBox::activated, this, &T_fm::cb_ducttypeChange);
    connect(sg, &ResultsGridView::rowClicked, this, &T_fm::sgClick);
    connect(sg, &ResultsGridView::rowDoubleClicked, this, &T_fm::sgDblClick);
    connect(sg, &ResultsGridView::headerClicked, this, &T_fm::sgHeaderClick);
    connect(bn_copy, &QPushButton::clicked, this, &T_fm::bn_copyClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &T_fm::SpeedButton1Click);
}

void T_fm::InputChanged() {
    ResetGrid();
}

void T_fm::cb_pressureTypeChange(int index) {
    ResetGrid();
    cb_pressureType->setCurrentIndex(ApplyPressureTypeRule(index, *services_.messages));
}

void T_fm::cb_ducttypeChange(int index) {
    ResetGrid();
    ApplyDuctTypeRule(index);
}

void T_fm::ResetGrid() {
    im_pic->Clear();
    ResetResultsGrid(sgModel, ToCp1252(cb_vunit->currentText()), ToCp1252(cb_punit->currentText()));
    ShowGridModel();
}

void T_fm::ShowGridModel() {
    sg->Show(sgModel);
}

void T_fm::ShowRowPicture(int modelRow) {
    try {
        im_pic->LoadDataFile("bmp\\" + sgModel.Cell(ResultsGrid::kPicture, modelRow));
    } catch (const FileError&) {
        services_.messages->ShowMessage("Picture not found for this fan!");
    }
}

void T_fm::bn_selectClick() {
    const char sep = DecimalSepText()[0];
    DutyInputs in;
    in.pressureTypeIndex = cb_pressureType->currentIndex();
    in.volume = ReadNumericEntry(ToCp1252(se_volume->text()), sep);
    in.pressure = ReadNumericEntry(ToCp1252(se_pressure->text()), sep);
    in.volumeUnitText = ToCp1252(cb_vunit->currentText());
    in.pressureUnitText = ToCp1252(cb_punit->currentText());
    in.supplyIndex = cb_supply->currentIndex();
    LiveControls controls(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SelectOutcome outcome = SelectOutcome::VolumeIncorrect;
    const bool ran = Guarded([&] {
        outcome =
            RunSelectButton(in, controls, sgModel, *services_.messages, [this] { ResetGrid(); });
    });
    QApplication::restoreOverrideCursor();
    if (!ran) {
        // The rows written before the failure stay, in a hidden grid.
        sgModel.SetVisible(false);
        ShowGridModel();
        return;
    }
    if (outcome != SelectOutcome::Ran)
        return;
    if (ResultsAvailable) {
        sgModel.SetCurrentRow(1);
        ShowGridModel();
        ShowRowPicture(1);
    } else {
        ResetGrid();
    }
}

void T_fm::sgClick(int modelRow) {
    sgModel.SetCurrentRow(modelRow);
    if (!sgModel.Cell(ResultsGrid::kPicture, modelRow).empty())
        ShowRowPicture(modelRow);
}

void T_fm::sgHeaderClick(int column) {
    if (sgModel.HeaderClick(column))
        ShowGridModel();
}

void T_fm::sgDblClick(int modelRow) {
    if (modelRow < 1)
        return;
    sgModel.SetCurrentRow(modelRow);
    ShowPage(aGraph);
    Guarded([&] {
        auto no = ParseInteger(sgModel.Cell(ResultsGrid::kFanNo, modelRow));
        if (!no || *no < INT32_MIN || *no > INT32_MAX)
            throw ConversionError("'" + sgModel.Cell(ResultsGrid::kFanNo, modelRow) +
                                  "' is not a valid integer value");
        SelectedFanNo = static_cast<std::int32_t>(*no);
        if (DrawChosenFan)
            DrawChosenFan();
    });
}

void T_fm::bn_copyClick() {
    if (FrmClip)
        FrmClip->Do_Copy(sgModel);
}

void T_fm::SpeedButton1Click() {
    if (FrmClip)
        FrmClip->ShowModal();
}

} // namespace vd
