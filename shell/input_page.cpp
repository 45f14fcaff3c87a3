// The input page: the change handlers and their rules, the select button and
// the results grid's clicks.
#include "input_page.h"

#include "calc_edit.h"
#include "duty_input.h"
#include "errors.h"
#include "frm_clip.h"
#include "noshape.h"
#include "number_text.h"
#include "picture_box.h"
#include "qt_text.h"
#include "results_grid_view.h"
#include "vd_variables.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace vd {

namespace {

const QStringList kVolumeUnits = {"m3/s", "m3/h", "l/s", "cfm"};
const QStringList kPressureUnits = {"Pa", "N/m2", "mmwg", "inwg"};

struct LiveControls : SelectionControls {
    const InputPage* w;
    explicit LiveControls(const InputPage* page) : w(page) {}
    int SupplyIndex() const override { return w->cb_supply->currentIndex(); }
    long double AllowedDeviation() const override {
        return ClampDeviation(ReadNumericEntry(ToCp1252(w->se_dev->text()), DecimalSepText()[0]));
    }
    bool ShowRejects() const override { return w->cb_rej->isChecked(); }
};

// The busy cursor for the length of a selection run, gone again before an
// error of the run is reported.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Messages that come up during a busy run show the ordinary cursor.
struct ArrowCursorMessages : MessageService {
    MessageService& inner;
    explicit ArrowCursorMessages(MessageService& m) : inner(m) {}
    void ShowMessage(const std::string& text) override {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        inner.ShowMessage(text);
        QApplication::restoreOverrideCursor();
    }
    void ShowError(const std::string& text) override {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        inner.ShowError(text);
        QApplication::restoreOverrideCursor();
    }
};

} // namespace

InputPage::InputPage(UiServices services, QWidget* parent)
    : Page("aInput", true, services, parent) {
    bn_select = NewButton("bn_select", 224, 10);
    bn_Sproducts = NewButton("bn_Sproducts", 358, 10);
    bn_Smain = NewButton("bn_Smain", 488, 10);

    auto entry = [&](const char* name, int x, int y, int w) {
        auto* e = new TCalcEdit(this);
        e->setObjectName(name);
        e->setGeometry(x, y, w, 21);
        return e;
    };
    lb_volume = Label(this, "lb_volume", 72, 66, 120, 16);
    se_volume = entry("se_volume", 196, 63, 90);
    cb_vunit = List(this, "cb_vunit", 292, 63, 62);
    cb_vunit->addItems(kVolumeUnits);
    lb_pressure = Label(this, "lb_pressure", 72, 93, 120, 16);
    se_pressure = entry("se_pressure", 196, 90, 90);
    cb_punit = List(this, "cb_punit", 292, 90, 62);
    cb_punit->addItems(kPressureUnits);
    cb_pressureType = List(this, "cb_pressureType", 360, 90, 150);
    lb_deviation = Label(this, "lb_deviation", 72, 120, 120, 16);
    se_dev = entry("se_dev", 196, 117, 62);
    se_dev->SetRange(0, 100);
    lb_percent = Label(this, "lb_percent", 262, 120, 14, 16);
    lb_percent->setText("%");
    lb_supply = Label(this, "lb_supply", 72, 147, 120, 16);
    cb_supply = List(this, "cb_supply", 196, 144, 158);
    lb_ductType = Label(this, "lb_ductType", 360, 121, 150, 16);
    cb_ducttype = List(this, "cb_ducttype", 360, 144, 150);
    lb_ductType->hide();
    cb_ducttype->hide();
    // Screen readers name each entry and list by the label before it.
    lb_volume->setBuddy(se_volume);
    lb_pressure->setBuddy(se_pressure);
    lb_deviation->setBuddy(se_dev);
    lb_supply->setBuddy(cb_supply);
    lb_ductType->setBuddy(cb_ducttype);
    cb_rej = new QCheckBox(this);
    cb_rej->setObjectName("cb_rej");
    cb_rej->setGeometry(360, 66, 150, 18);
    cb_rej->setText("Show rejects");
    cb_rej->hide();

    im_pic = new PictureBox(PictureBox::Mode::Fit, this);
    im_pic->setObjectName("im_pic");
    im_pic->setGeometry(527, 63, 80, 80);

    sg = new ResultsGridView(this);
    sg->setObjectName("sg");
    sg->setGeometry(70, 172, 537, 234);
    sg->hide();

    SpeedButton1 = new QPushButton("Clipboard Config", this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setGeometry(416, 413, 121, 25);
    bn_copy = new QPushButton("COPY", this);
    bn_copy->setObjectName("bn_copy");
    bn_copy->setGeometry(546, 413, 65, 25);

    // The layout's own choices, before start-up sets them again.
    cb_vunit->setCurrentIndex(0);
    cb_punit->setCurrentIndex(0);
    se_volume->setText("0");
    se_pressure->setText("0");
    se_dev->setText("15");
    ConnectInputHandlers();
}

void InputPage::SetStartValues() {
    cb_vunit->setCurrentIndex(0);
    cb_punit->setCurrentIndex(0);
    cb_supply->setCurrentIndex(0);
    cb_pressureType->setCurrentIndex(1);
    cb_ducttype->setCurrentIndex(0);
    se_volume->setText("0");
    se_pressure->setText("0");
    se_dev->setText("15");
}

void InputPage::PrepareForChosenFamilies() {
    const bool duct = FlagMT == "Y" || FlagMTZ == "Y" || FlagUDY == "Y" || FlagUDYZ == "Y";
    lb_ductType->setVisible(duct);
    cb_ducttype->setVisible(duct);
    cb_pressureType->setCurrentIndex(PressureTypeIndexForFamilies());
    ResetGrid();
}

void InputPage::ConnectInputHandlers() {
    // A click's missing-picture message waits for the double-click interval:
    // shown at once, the modal box would swallow the second click of a
    // double click, and a fan without its small picture could not be opened.
    pictureNotice_ = new QTimer(this);
    pictureNotice_->setSingleShot(true);
    connect(pictureNotice_, &QTimer::timeout, this,
            [this] { services_.messages->ShowMessage("Picture not found for this fan!"); });
    connect(bn_select, &TNoShape::clicked, this, &InputPage::bn_selectClick);
    for (TCalcEdit* e : {se_volume, se_pressure, se_dev})
        connect(e, &TCalcEdit::changed, this, &InputPage::InputChanged);
    // The deviation is a percentage: out-of-range entries come back to the bound.
    connect(se_dev, &QLineEdit::editingFinished, this, [this] {
        const char sep = DecimalSepText()[0];
        auto v = ParseDecimal(ToCp1252(se_dev->text()), sep);
        if (v && (*v < 0 || *v > 100))
            se_dev->setText(FromCp1252(FormatFixed(ClampDeviation(*v), 0)));
    });
    // `activated` is the user's choice; programmatic changes run no handler.
    for (QComboBox* c : {cb_vunit, cb_punit, cb_supply})
        connect(c, &QComboBox::activated, this, &InputPage::InputChanged);
    connect(cb_pressureType, &QComboBox::activated, this, &InputPage::cb_pressureTypeChange);
    connect(cb_ducttype, &QComboBox::activated, this, &InputPage::cb_ducttypeChange);
    connect(sg, &ResultsGridView::rowClicked, this, &InputPage::sgClick);
    connect(sg, &ResultsGridView::rowDoubleClicked, this, &InputPage::sgDblClick);
    connect(sg, &ResultsGridView::headerClicked, this, &InputPage::sgHeaderClick);
    connect(bn_copy, &QPushButton::clicked, this, &InputPage::bn_copyClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &InputPage::SpeedButton1Click);
}

void InputPage::InputChanged() {
    ResetGrid();
}

void InputPage::cb_pressureTypeChange(int index) {
    ResetGrid();
    cb_pressureType->setCurrentIndex(ApplyPressureTypeRule(index, *services_.messages));
}

void InputPage::cb_ducttypeChange(int index) {
    ResetGrid();
    ApplyDuctTypeRule(index);
}

void InputPage::ResetGrid() {
    im_pic->Clear();
    ResetResultsGrid(sgModel, ToCp1252(cb_vunit->currentText()), ToCp1252(cb_punit->currentText()));
    ShowGridModel();
}

ResultsGrid InputPage::StartGrid() {
    ResultsGrid grid;
    ResetResultsGrid(grid, ToCp1252(kVolumeUnits.front()), ToCp1252(kPressureUnits.front()));
    return grid;
}

void InputPage::ShowGrid(const ResultsGrid& grid) {
    im_pic->Clear();
    sgModel = grid;
    ShowGridModel();
}

void InputPage::ShowGridModel() {
    sg->Show(sgModel);
}

void InputPage::ShowRowPicture(int modelRow, bool afterClick) {
    pictureNotice_->stop();
    try {
        im_pic->LoadDataFile("bmp\\" + std::string(sgModel.Cell(ResultsGrid::kPicture, modelRow)));
    } catch (const FileError&) {
        if (afterClick)
            pictureNotice_->start(QApplication::doubleClickInterval());
        else
            services_.messages->ShowMessage("Picture not found for this fan!");
    }
}

void InputPage::bn_selectClick() {
    const char sep = DecimalSepText()[0];
    DutyInputs in;
    in.pressureTypeIndex = cb_pressureType->currentIndex();
    in.volume = ReadNumericEntry(ToCp1252(se_volume->text()), sep);
    in.pressure = ReadNumericEntry(ToCp1252(se_pressure->text()), sep);
    in.volumeUnitText = ToCp1252(cb_vunit->currentText());
    in.pressureUnitText = ToCp1252(cb_punit->currentText());
    in.supplyIndex = cb_supply->currentIndex();
    LiveControls controls(this);
    ArrowCursorMessages messages(*services_.messages);
    SelectOutcome outcome = SelectOutcome::VolumeIncorrect;
    const bool ran = Guarded([&] {
        const BusyCursor busy;
        outcome = RunSelectButton(in, controls, sgModel, messages, [this] { ResetGrid(); });
    });
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

void InputPage::sgClick(int modelRow) {
    sgModel.SetCurrentRow(modelRow);
    if (!sgModel.Cell(ResultsGrid::kPicture, modelRow).empty())
        ShowRowPicture(modelRow, true);
}

void InputPage::sgHeaderClick(int column) {
    if (sgModel.HeaderClick(column))
        ShowGridModel();
}

void InputPage::sgDblClick(int modelRow) {
    if (modelRow < 1)
        return;
    pictureNotice_->stop(); // the fan opens; its missing picture is no news
    sgModel.SetCurrentRow(modelRow);
    Q_EMIT fanChosen();
    Guarded([&] {
        auto no = ParseInteger(sgModel.Cell(ResultsGrid::kFanNo, modelRow));
        if (!no || *no < INT32_MIN || *no > INT32_MAX)
            throw ConversionError("'" + std::string(sgModel.Cell(ResultsGrid::kFanNo, modelRow)) +
                                  "' is not a valid integer value");
        SelectedFanNo = static_cast<std::int32_t>(*no);
        if (DrawChosenFan)
            DrawChosenFan();
        if (FanChosenAndDrawn)
            FanChosenAndDrawn();
    });
}

void InputPage::bn_copyClick() {
    if (FrmClip)
        FrmClip->Do_Copy(sgModel);
}

void InputPage::SpeedButton1Click() {
    if (FrmClip)
        FrmClip->ShowModal();
}

} // namespace vd
