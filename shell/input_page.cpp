// The input page: preparing it from the family flags, the select button and
// the results grid widget over its model.
#include "duty_input.h"
#include "errors.h"
#include "main_window.h"
#include "number_text.h"
#include "paths.h"
#include "picture.h"
#include "qt_text.h"
#include "ui_seams.h"
#include "vd_variables.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

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

void T_fm::ResetGrid() {
    im_pic->clear();
    ResetResultsGrid(sgModel, ToCp1252(cb_vunit->currentText()), ToCp1252(cb_punit->currentText()));
    ShowGridModel();
}

void T_fm::ShowGridModel() {
    const int columns = ResultsGrid::kColumns;
    sg->setColumnCount(columns);
    sg->setRowCount(std::max(0, sgModel.RowCount() - 1));
    QStringList headers;
    for (int c = 0; c < columns; ++c)
        headers << FromCp1252(sgModel.Cell(c, 0));
    sg->setHorizontalHeaderLabels(headers);
    for (int r = 1; r < sgModel.RowCount(); ++r)
        for (int c = 0; c < columns; ++c) {
            const std::string& text = sgModel.Cell(c, r);
            if (text.empty()) {
                delete sg->takeItem(r - 1, c);
                continue;
            }
            auto* item = new QTableWidgetItem(FromCp1252(text));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            sg->setItem(r - 1, c, item);
        }
    if (sgModel.CurrentRow() >= 1 && sgModel.CurrentRow() < sgModel.RowCount())
        sg->selectRow(sgModel.CurrentRow() - 1);
    sg->setVisible(sgModel.Visible());
}

void T_fm::bn_choose_productsClick() {
    const bool duct = FlagMT == "Y" || FlagMTZ == "Y" || FlagUDY == "Y" || FlagUDYZ == "Y";
    lb_ductType->setVisible(duct);
    cb_ducttype->setVisible(duct);
    cb_pressureType->setCurrentIndex(FlagEH == "Y" || FlagAQ == "Y" ? 0 : 1);
    ResetGrid();
    ShowPage(aInput);
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
        outcome = RunSelectButton(in, controls, sgModel, *services_.messages, [this] { ResetGrid(); });
    });
    QApplication::restoreOverrideCursor();
    if (!ran) {
        // The rows written before the failure stay, the grid hidden.
        sgModel.SetVisible(false);
        ShowGridModel();
        return;
    }
    if (outcome != SelectOutcome::Ran)
        return;
    if (ResultsAvailable) {
        sgModel.SetCurrentRow(1);
        ShowGridModel();
        try {
            Picture p = LoadDataPicture("bmp\\" + sgModel.Cell(ResultsGrid::kPicture, 1));
            im_pic->setPixmap(QPixmap::fromImage(p.toImage(QSize(80, 80))));
        } catch (const FileError&) {
            services_.messages->ShowMessage("Picture not found for this fan!");
        }
    } else {
        ResetGrid();
    }
}

void T_fm::bn_ancillaryClick() { ShowPage(aAncillary); }

void T_fm::bn_cusprintClick() {}

} // namespace vd
