#pragma once
// The main window: every screen of the catalogue is a page of one page stack
// without tabs; hot-spot buttons move between them. The window keeps the
// stack and the navigation, sees every key first, switches the language and
// starts up; each page owns its controls and their handlers. Controls carry
// the names the rest of the program and its tests know them by.
#include "lazy_page.h"
#include "results_grid.h"
#include "ui_services.h"
#include "vd_variables.h"

#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

class QStackedWidget;

namespace vd {

class AboutPage;
class AncillaryPage;
class CompanyPage;
class ContactPage;
class DiagramPage;
class InputPage;
class PrintPage;
class ProductsPage;
class StartPage;
class TFrmClip;
class TNoShape;

// When the pages other than the start page are made: all with the window, or
// each when it is first shown or reached into, so that the window shows
// sooner. Either way the pages show the same.
enum class PageBuilding { AtOnce, OnFirstUse };

class T_fm : public QWidget {
    Q_OBJECT
  public:
    explicit T_fm(UiServices services, QWidget* parent = nullptr,
                  PageBuilding building = PageBuilding::AtOnce);
    ~T_fm() override;

    // Start-up in its fixed order; stops at the first file that fails.
    void FormCreate();
    // Per-language texts and captions for LanguageCode; stops at a file that fails.
    void ApplyLanguage();
    // A flag click: language file, texts and captions, flag frame.
    void SwitchLanguage(const std::string& code);

    void ShowPage(QWidget* page);
    QWidget* CurrentPage() const;

    // Ctrl+P: the window's image on the printer chosen in the dialog.
    void WindowPrint();
    // Every hot-spot button whose caption is a close button's (entry 1).
    std::array<TNoShape*, 10> CloseButtons() const;

    // The page stack and its pages; the diagram page brings its four detail
    // pages. Reaching into a page that is not built yet builds it.
    QStackedWidget* _control = nullptr;
    StartPage* start = nullptr;
    LazyPage<AboutPage> about;
    LazyPage<CompanyPage> company;
    LazyPage<ContactPage> contact;
    LazyPage<ProductsPage> products;
    LazyPage<InputPage> input;
    LazyPage<DiagramPage> diagram;
    LazyPage<AncillaryPage> ancillary;
    LazyPage<PrintPage> print;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // How each page is made and then brought up to what the window has done
    // so far: navigation, captions, texts and start-up values.
    void DefinePages();
    // Defines how `page` is made and readied; both run with the language texts
    // the pages last took on, as if the page had been made with the window.
    template <class P, class Make, class Ready>
    void Define(LazyPage<P>& page, Make make, Ready ready);
    void PageReady(QWidget* page);
    void Connect(TNoShape* button, void (T_fm::*handler)());
    // Captions under `root`: the language's once one was applied, otherwise
    // the placeholders.
    void ApplyCurrentCaptions(QWidget& root);
    void RefillInputLists();
    // Loads the read text of box `i` (about, inventor, company, contact) into
    // its box when its page is built.
    void FillTextBox(size_t i);
    void FillQuoteLines();
    // Builds the clipboard set-up window and hands it to the input page.
    void CreateClipWindow();
    void ShowFlagSummary();

    // Navigation handlers.
    void bn_aboutClick();
    void bn_exitClick();
    void bn_companyClick();
    void bn_productsClick();
    void bn_contactClick();
    void ShowMainPage();
    void ShowGraphPage();
    void bn_choose_productsClick();
    void bn_SproductsClick();
    void bn_printClick();
    void bn_specificationClick();
    void bn_drawingClick();
    void bn_reelectClick();
    void bn_diagramClick();
    void bn_maintenanceClick();
    void bn_ancillaryClick();

    UiServices services_;
    PageBuilding building_;

    // What start-up and language switches did that a page built later takes
    // on when it is built.
    bool languageApplied_ = false;
    std::array<std::string, kLanguageEntries> pageTexts_;
    std::optional<ResultsGrid> startGrid_;
    bool startValuesSet_ = false;
    bool listsRefilledAfterStartValues_ = false;
    std::array<std::optional<std::string>, 4> pendingTexts_;
    std::optional<QString> pendingQuote_;
    TFrmClip* frmClip_ = nullptr;
};

} // namespace vd
