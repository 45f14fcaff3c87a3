#include "main_window.h"

#include "captions.h"

#include "about_page.h"
#include "ancillary_page.h"
#include "company_page.h"
#include "contact_page.h"
#include "diagram_page.h"
#include "errors.h"
#include "fan_file.h"
#include "input_page.h"
#include "language_file.h"
#include "language_texts.h"
#include "noshape.h"
#include "paths.h"
#include "picture.h"
#include "print_page.h"
#include "print_run.h"
#include "products_page.h"
#include "qpainter_canvas.h"
#include "qt_text.h"
#include "start_page.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
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

T_fm::T_fm(UiServices services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName("_fm");
    // Never smaller than the page panel needs. Window managers offer maximise
    // only to a window whose size can change, so a larger size is allowed too:
    // the pages grow with the window, the controls keep their places.
    setMinimumSize(kPageWidth + 2 * kMargin, kPageHeight + 2 * kMargin);
    resize(minimumSize());
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    setFont(font);

    _control = new QStackedWidget(this);
    _control->setObjectName("_control");
    _control->setGeometry(kMargin, kMargin, kPageWidth, kPageHeight);

    start = AddPage(new StartPage(services_, _control));
    about = AddPage(new AboutPage(services_, _control));
    company = AddPage(new CompanyPage(services_, _control));
    contact = AddPage(new ContactPage(services_, _control));
    products = AddPage(new ProductsPage(services_, _control));
    input = AddPage(new InputPage(services_, _control));
    diagram = AddPage(new DiagramPage(services_, _control));
    for (Page* detail :
         {diagram->aDrawing, diagram->aSpecification, diagram->aDiagram, diagram->aMaintenance})
        AddPage(detail);
    ancillary = AddPage(new AncillaryPage(services_, _control));
    print = AddPage(new PrintPage(services_, *input, *diagram, *ancillary, _control));
    input->DrawChosenFan = [this] { diagram->DrawFanPages(input->sgModel); };
    // The quotation prints the ticked items of the chosen fan's list, whether
    // or not the ancillaries page is opened.
    input->FanChosenAndDrawn = [this] {
        FetchFanRecord(SelectedFanNo, FanRecord);
        ancillary->Rebuild();
    };
    ConnectNavigation();
    // What every control shows until a language is applied; the title until
    // start-up sets it.
    ApplyCaptions(*this, [](const WindowCaption& c) { return QString::fromLatin1(c.placeholder); });
    setWindowTitle("xVandrel Catalogue");

    // The window sees every key first, whichever control has the focus.
    qApp->installEventFilter(this);
}

T_fm::~T_fm() {
    qApp->removeEventFilter(this);
}

void T_fm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    _control->setGeometry(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin);
}

template <class P> P* T_fm::AddPage(P* page) {
    _control->addWidget(page);
    return page;
}

void T_fm::FormCreate() {
    // The folder of the program's own files: its data tree when it has one
    // (beside it in the build tree, or the installed tree), else its own.
    const QString programFiles = DataRoot().empty() ? QCoreApplication::applicationDirPath()
                                                    : QString::fromStdString(DataRoot().string());
    AppDir = ToCp1252(QDir::toNativeSeparators(programFiles) + "/");
    start->lb_build->setText("1.00.052");
    resize(minimumSize());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    ShowPage(start);
    // A start-up file that fails leaves the window with what was done before
    // it; the family flags are still set, so a selection never runs on flags
    // that were never given a value.
    auto rest = [this] {
        ReadSetup();
        ReadLanguageFile();
        ApplyLanguage();
        setWindowTitle(FromCp1252(LanguageText[entry::kWindowTitle]));
        input->ResetGrid();
        ReadAddress();
        input->SetStartValues();
        products->re_products->clear();
        start->MoveFlagFrame();
    };
    RunGuarded(*services_.messages, rest);
    for (const auto& f : FamilyFlags())
        f.flag->assign(1, 'N'); // not = "N": GCC 12 sees a false overlap there (-Wrestrict)
    input->CreateClipWindow();
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

void T_fm::WindowPrint() {
    if (!services_.printer || !services_.printer->ShowDialog())
        return;
    const QImage image = grab().toImage();
    const int dpiX = services_.printer->DpiX(), dpiY = services_.printer->DpiY();
    const QtCanvasPicture picture(Picture::FromImage(image));
    // As large on paper as on a 96-dpi screen, with the title and orientation
    // chosen in the dialog.
    PrintDialogJob(*services_.printer, [&](Canvas* canvas) {
        canvas->StretchDraw(0, 0, image.width() * dpiX / 96, image.height() * dpiY / 96, &picture);
    });
}

bool T_fm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if ((w == this || isAncestorOf(w)) && key->key() == Qt::Key_F10) {
            ShowFlagSummary();
            return true;
        }
        if ((w == this || isAncestorOf(w)) && key->key() == Qt::Key_P &&
            (key->modifiers() & Qt::ControlModifier)) {
            WindowPrint();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- navigation --------------------------------------------------------------

void T_fm::ConnectNavigation() {
    const std::pair<TNoShape*, void (T_fm::*)()> buttons[] = {
        {start->bn_about, &T_fm::bn_aboutClick},
        {start->bn_exit, &T_fm::bn_exitClick},
        {start->bn_company, &T_fm::bn_companyClick},
        {start->bn_products, &T_fm::bn_productsClick},
        {start->bn_contact, &T_fm::bn_contactClick},
        {about->bn_closeabout, &T_fm::ShowMainPage},
        {company->bn_factclose, &T_fm::ShowMainPage},
        {contact->bn_contclose, &T_fm::ShowMainPage},
        {products->bn_choose_products, &T_fm::bn_choose_productsClick},
        {products->bn_closeproducts, &T_fm::ShowMainPage},
        {input->bn_Sproducts, &T_fm::bn_SproductsClick},
        {input->bn_Smain, &T_fm::ShowMainPage},
        {diagram->bn_print, &T_fm::bn_printClick},
        {diagram->bn_specification, &T_fm::bn_specificationClick},
        {diagram->bn_drawing, &T_fm::bn_drawingClick},
        {diagram->bn_reselect, &T_fm::bn_reelectClick},
        {diagram->bn_diagram, &T_fm::bn_diagramClick},
        {diagram->bn_maintenance, &T_fm::bn_maintenanceClick},
        {diagram->bn_ancillary, &T_fm::bn_ancillaryClick},
        {diagram->bn_main, &T_fm::ShowMainPage},
        {diagram->bn_diaclose, &T_fm::ShowGraphPage},
        {diagram->bn_speclose, &T_fm::ShowGraphPage},
        {diagram->bn_diagclose, &T_fm::ShowGraphPage},
        {diagram->bn_maintclose, &T_fm::ShowGraphPage},
        {ancillary->bn_closeancil, &T_fm::ShowGraphPage},
        {print->bn_cusclose, &T_fm::ShowGraphPage},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &TNoShape::clicked, this, handler);
    connect(input, &InputPage::fanChosen, this, &T_fm::ShowGraphPage);
    connect(start, &StartPage::languageChosen, this,
            [this](const QString& code) { SwitchLanguage(code.toStdString()); });
}

void T_fm::bn_aboutClick() {
    ShowPage(about);
}
void T_fm::bn_exitClick() {
    close();
}
void T_fm::bn_companyClick() {
    ShowPage(company);
}
void T_fm::bn_productsClick() {
    ShowPage(products);
}
void T_fm::bn_contactClick() {
    ShowPage(contact);
}
void T_fm::ShowMainPage() {
    ShowPage(start);
}
void T_fm::ShowGraphPage() {
    ShowPage(diagram);
}
void T_fm::bn_choose_productsClick() {
    input->PrepareForChosenFamilies();
    ShowPage(input);
}
void T_fm::bn_SproductsClick() {
    ShowPage(products);
}
void T_fm::bn_printClick() {
    ShowPage(print);
}
void T_fm::bn_specificationClick() {
    ShowPage(diagram->aSpecification);
}
void T_fm::bn_drawingClick() {
    ShowPage(diagram->aDrawing);
}
void T_fm::bn_reelectClick() {
    ShowPage(input);
}
void T_fm::bn_diagramClick() {
    ShowPage(diagram->aDiagram);
}
void T_fm::bn_maintenanceClick() {
    ShowPage(diagram->aMaintenance);
}
void T_fm::bn_ancillaryClick() {
    ancillary->Rebuild();
    ShowPage(ancillary);
}

std::array<TNoShape*, 10> T_fm::CloseButtons() const {
    return {company->bn_factclose,      about->bn_closeabout,     diagram->bn_maintclose,
            diagram->bn_diagclose,      ancillary->bn_closeancil, contact->bn_contclose,
            products->bn_closeproducts, print->bn_cusclose,       diagram->bn_speclose,
            diagram->bn_diaclose};
}

} // namespace vd
