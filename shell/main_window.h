#pragma once
// The main window: every screen of the catalogue is a page of one page stack
// without tabs; hot-spot buttons move between them. The window keeps the
// stack and the navigation, sees every key first, switches the language and
// starts up; each page owns its controls and their handlers. Controls carry
// the names the rest of the program and its tests know them by.
#include "ui_services.h"

#include <QWidget>
#include <array>
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
class TNoShape;

class T_fm : public QWidget {
    Q_OBJECT
  public:
    explicit T_fm(UiServices services, QWidget* parent = nullptr);
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
    // pages.
    QStackedWidget* _control = nullptr;
    StartPage* start = nullptr;
    AboutPage* about = nullptr;
    CompanyPage* company = nullptr;
    ContactPage* contact = nullptr;
    ProductsPage* products = nullptr;
    InputPage* input = nullptr;
    DiagramPage* diagram = nullptr;
    AncillaryPage* ancillary = nullptr;
    PrintPage* print = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    template <class P> P* AddPage(P* page);
    void ConnectNavigation();
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
};

} // namespace vd
