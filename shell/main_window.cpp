#include "main_window.h"

#include "captions.h"

#include "about_page.h"
#include "ancillary_page.h"
#include "company_page.h"
#include "contact_page.h"
#include "diagram_page.h"
#include "errors.h"
#include "fan_file.h"
#include "frm_clip.h"
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

T_fm::T_fm(UiServices services, QWidget* parent, PageBuilding building)
    : QWidget(parent), services_(services), building_(building) {
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

    pageTexts_ = LanguageText;
    start = new StartPage(services_, _control);
    PageReady(start);
    Connect(start->bn_about, &T_fm::bn_aboutClick);
    Connect(start->bn_exit, &T_fm::bn_exitClick);
    Connect(start->bn_company, &T_fm::bn_companyClick);
    Connect(start->bn_products, &T_fm::bn_productsClick);
    Connect(start->bn_contact, &T_fm::bn_contactClick);
    connect(start, &StartPage::languageChosen, this,
            [this](const QString& code) { SwitchLanguage(code.toStdString()); });
    DefinePages();
    if (building == PageBuilding::AtOnce) {
        about.get();
        company.get();
        contact.get();
        products.get();
        input.get();
        diagram.get();
        ancillary.get();
        print.get();
    }
    // The title until start-up sets it.
    setWindowTitle("xVandrel Catalogue");

    // The window sees every key first, whichever control has the focus.
    qApp->installEventFilter(this);
}

namespace {
// The language texts a page is made with, for the length of its making.
class LanguageTextsInUse {
  public:
    explicit LanguageTextsInUse(const std::array<std::string, kLanguageEntries>& texts)
        : saved_(LanguageText) {
        LanguageText = texts;
    }
    ~LanguageTextsInUse() { LanguageText = std::move(saved_); }
    LanguageTextsInUse(const LanguageTextsInUse&) = delete;
    LanguageTextsInUse& operator=(const LanguageTextsInUse&) = delete;

  private:
    std::array<std::string, kLanguageEntries> saved_;
};
} // namespace

template <class P, class Make, class Ready>
void T_fm::Define(LazyPage<P>& page, Make make, Ready ready) {
    page.SetBuild(
        [this, make] {
            const LanguageTextsInUse texts(pageTexts_);
            return make();
        },
        [this, ready](P* built) {
            const LanguageTextsInUse texts(pageTexts_);
            ready(built);
        });
}

void T_fm::DefinePages() {
    Define(
        about, [this] { return new AboutPage(services_, _control); },
        [this](AboutPage* page) {
            PageReady(page);
            Connect(page->bn_closeabout, &T_fm::ShowMainPage);
            FillTextBox(0);
        });
    Define(
        company, [this] { return new CompanyPage(services_, _control); },
        [this](CompanyPage* page) {
            PageReady(page);
            Connect(page->bn_factclose, &T_fm::ShowMainPage);
            FillTextBox(1);
            FillTextBox(2);
        });
    Define(
        contact, [this] { return new ContactPage(services_, _control); },
        [this](ContactPage* page) {
            PageReady(page);
            Connect(page->bn_contclose, &T_fm::ShowMainPage);
            FillTextBox(3);
        });
    Define(
        products, [this] { return new ProductsPage(services_, _control); },
        [this](ProductsPage* page) {
            PageReady(page);
            Connect(page->bn_choose_products, &T_fm::bn_choose_productsClick);
            Connect(page->bn_closeproducts, &T_fm::ShowMainPage);
        });
    Define(
        input, [this] { return new InputPage(services_, _control); },
        [this](InputPage* page) {
            PageReady(page);
            Connect(page->bn_Sproducts, &T_fm::bn_SproductsClick);
            Connect(page->bn_Smain, &T_fm::ShowMainPage);
            connect(page, &InputPage::fanChosen, this, &T_fm::ShowGraphPage);
            page->DrawChosenFan = [this] { diagram->DrawFanPages(input->sgModel); };
            // The quotation prints the ticked items of the chosen fan's
            // list, whether or not the ancillaries page is opened.
            page->FanChosenAndDrawn = [this] {
                FetchFanRecord(SelectedFanNo, FanRecord);
                ancillary->Rebuild();
            };
            page->FrmClip = frmClip_;
            // Start-up's steps on the page, in their order.
            if (languageApplied_)
                RefillInputLists();
            if (startGrid_)
                page->ShowGrid(*startGrid_);
            startGrid_.reset();
            if (startValuesSet_)
                page->SetStartValues();
            if (listsRefilledAfterStartValues_)
                RefillInputLists();
        });
    Define(
        diagram, [this] { return new DiagramPage(services_, _control); },
        [this](DiagramPage* page) {
            PageReady(page);
            for (QWidget* detail :
                 {page->aDrawing, page->aSpecification, page->aDiagram, page->aMaintenance})
                PageReady(detail);
            Connect(page->bn_print, &T_fm::bn_printClick);
            Connect(page->bn_specification, &T_fm::bn_specificationClick);
            Connect(page->bn_drawing, &T_fm::bn_drawingClick);
            Connect(page->bn_reselect, &T_fm::bn_reelectClick);
            Connect(page->bn_diagram, &T_fm::bn_diagramClick);
            Connect(page->bn_maintenance, &T_fm::bn_maintenanceClick);
            Connect(page->bn_ancillary, &T_fm::bn_ancillaryClick);
            Connect(page->bn_main, &T_fm::ShowMainPage);
            Connect(page->bn_diaclose, &T_fm::ShowGraphPage);
            Connect(page->bn_speclose, &T_fm::ShowGraphPage);
            Connect(page->bn_diagclose, &T_fm::ShowGraphPage);
            Connect(page->bn_maintclose, &T_fm::ShowGraphPage);
        });
    Define(
        ancillary, [this] { return new AncillaryPage(services_, _control); },
        [this](AncillaryPage* page) {
            PageReady(page);
            Connect(page->bn_closeancil, &T_fm::ShowGraphPage);
        });
    Define(
        print, [this] { return new PrintPage(services_, *input, *diagram, *ancillary, _control); },
        [this](PrintPage* page) {
            PageReady(page);
            Connect(page->bn_cusclose, &T_fm::ShowGraphPage);
            FillQuoteLines();
        });
}

void T_fm::PageReady(QWidget* page) {
    _control->addWidget(page);
    ApplyCurrentCaptions(*page);
}

void T_fm::Connect(TNoShape* button, void (T_fm::*handler)()) {
    connect(button, &TNoShape::clicked, this, handler);
}

T_fm::~T_fm() {
    qApp->removeEventFilter(this);
}

void T_fm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    _control->setGeometry(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin);
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
    // A page built later takes these steps on when it is built.
    auto rest = [this] {
        ReadSetup();
        ReadLanguageFile();
        ApplyLanguage();
        setWindowTitle(FromCp1252(LanguageText[entry::kWindowTitle]));
        if (input.built())
            input->ResetGrid();
        else
            startGrid_ = InputPage::StartGrid(); // in the language of this moment
        ReadAddress();
        startValuesSet_ = true;
        if (input.built())
            input->SetStartValues();
        if (products.built())
            products->re_products->clear();
        start->MoveFlagFrame();
    };
    RunGuarded(*services_.messages, rest);
    for (const auto& f : FamilyFlags())
        f.flag->assign(1, 'N'); // not = "N": GCC 12 sees a false overlap there (-Wrestrict)
    CreateClipWindow();
}

void T_fm::CreateClipWindow() {
    // A dialog of the main window, as the window's own dialogs are; it loads
    // its field list now, whether or not the input page is built.
    if (services_.clipboard && !frmClip_)
        frmClip_ = new TFrmClip(services_, this, building_ == PageBuilding::AtOnce);
    if (input.built())
        input->FrmClip = frmClip_;
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
