#include "main_window.h"

#include "calc_edit.h"
#include "errors.h"
#include "language_file.h"
#include "language_texts.h"
#include "noshape.h"
#include "qt_text.h"
#include "ui_seams.h"
#include "vd_variables.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QTextEdit>

namespace vd {

namespace {
// The page panel and the page stack's frame around it.
constexpr int kPageWidth = 624;
constexpr int kPageHeight = 443;
constexpr int kMargin = 4;
} // namespace

T_fm::T_fm(ShellServices services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName("_fm");
    setFixedSize(kPageWidth + 2 * kMargin, kPageHeight + 2 * kMargin);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    setFont(font);

    _control = new QStackedWidget(this);
    _control->setObjectName("_control");
    _control->setGeometry(kMargin, kMargin, kPageWidth, kPageHeight);

    BuildMainPage();
    BuildTextPages();
    BuildProductsPage();
    BuildInputPage();
    BuildGraphPages();
    BuildAncillaryPage();
    BuildPrintPage();

    // The window sees every key first, whichever control has the focus.
    qApp->installEventFilter(this);
}

T_fm::~T_fm() {
    qApp->removeEventFilter(this);
}

void T_fm::FormCreate() {
    AppDir = ToCp1252(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + "/");
    lb_build->setText("1.00.052");
    setFixedSize(kPageWidth + 2 * kMargin, kPageHeight + 2 * kMargin);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    ShowPage(aMain);
    // A start-up file that fails leaves the window with what was done before
    // it; the family flags are still set, so a selection never runs on flags
    // that were never given a value.
    auto rest = [this] {
        ReadSetup();
        ReadLanguageFile();
        ApplyLanguage();
        setWindowTitle(FromCp1252(LanguageText[249]));
        ResetGrid();
        ReadAddress();
        cb_vunit->setCurrentIndex(0);
        cb_punit->setCurrentIndex(0);
        cb_supply->setCurrentIndex(0);
        cb_pressureType->setCurrentIndex(1);
        cb_ducttype->setCurrentIndex(0);
        se_volume->setText("0");
        se_pressure->setText("0");
        se_dev->setText("15");
        re_products->clear();
        MoveFlagFrame();
    };
    Guarded(rest);
    for (const auto& f : FamilyFlags())
        f.flag->assign(1, 'N'); // not = "N": GCC 12 sees a false overlap there (-Wrestrict)
}

void T_fm::MoveFlagFrame() {
    const std::pair<const char*, QLabel*> flags[] = {
        {"UK", image_UK}, {"SW", image_SW}, {"IT", image_IT}, {"FI", image_FI}, {"FR", image_FR}};
    for (const auto& [code, image] : flags)
        if (LanguageCode == code) {
            FlagFrame->move(FlagFrame->x(), image->y());
            return;
        }
}

void T_fm::ShowPage(QWidget* page) {
    _control->setCurrentWidget(page);
}

QWidget* T_fm::CurrentPage() const {
    return _control->currentWidget();
}

void T_fm::ShowFlagSummary() {
    services_.messages->ShowMessage(FlagSummary());
}

// ---- navigation --------------------------------------------------------------

void T_fm::bn_aboutClick() {
    ShowPage(aAbout);
}
void T_fm::bn_exitClick() {
    close();
}
void T_fm::bn_companyClick() {
    ShowPage(aCompany);
}
void T_fm::bn_productsClick() {
    ShowPage(aProducts);
}
void T_fm::bn_contactClick() {
    ShowPage(aContact);
}
void T_fm::ShowMainPage() {
    ShowPage(aMain);
}
void T_fm::ShowGraphPage() {
    ShowPage(aGraph);
}
void T_fm::bn_SproductsClick() {
    ShowPage(aProducts);
}
void T_fm::bn_printClick() {
    ShowPage(aPrint);
}
void T_fm::bn_specificationClick() {
    ShowPage(aSpecification);
}
void T_fm::bn_drawingClick() {
    ShowPage(aDrawing);
}
void T_fm::bn_reelectClick() {
    ShowPage(aInput);
}
void T_fm::bn_diagramClick() {
    ShowPage(aDiagram);
}
void T_fm::bn_maintenanceClick() {
    ShowPage(aMaintenance);
}

std::array<TNoShape*, 10> T_fm::CloseButtons() const {
    return {bn_factclose, bn_closeabout,    bn_maintclose, bn_diagclose, bn_closeancil,
            bn_contclose, bn_closeproducts, bn_cusclose,   bn_speclose,  bn_diaclose};
}

} // namespace vd
