#pragma once
// The main window: every screen of the catalogue is a page of one page stack
// without tabs; hot-spot buttons move between them. Controls carry the names
// the rest of the program and its tests know them by.
#include "ancillaries.h"
#include "errors.h"
#include "performance_diagram.h"
#include "printouts.h"
#include "results_grid.h"
#include "ui_seams.h"

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTextEdit;

namespace vd {

class MessageService;
class PrintService;
struct PrintTexts;
class PictureBox;
class ResultsGridView;
class TCalcEdit;
class TFrmClip;
class TNoShape;

// What the window needs from the outside world; tests pass fakes.
struct ShellServices {
    MessageService* messages = nullptr;
    PrintService* printer = nullptr;
};

class T_fm : public QWidget, public DetailLoader {
    Q_OBJECT
  public:
    explicit T_fm(ShellServices services, QWidget* parent = nullptr);
    ~T_fm() override;

    // Start-up in its fixed order; stops at the first file that fails.
    void FormCreate();
    // Per-language texts and captions for LanguageCode; stops at a file that fails.
    void ApplyLanguage();
    // A flag click: language file, texts and captions, flag frame.
    void SwitchLanguage(const std::string& code);

    void ShowPage(QWidget* page);
    QWidget* CurrentPage() const;

    // The page stack and its pages.
    QStackedWidget* _control = nullptr;
    QWidget *aMain = nullptr, *aAbout = nullptr, *aCompany = nullptr, *aContact = nullptr,
            *aProducts = nullptr, *aInput = nullptr, *aGraph = nullptr, *aDrawing = nullptr,
            *aSpecification = nullptr, *aDiagram = nullptr, *aMaintenance = nullptr,
            *aAncillary = nullptr, *aPrint = nullptr;

    // Start page.
    TNoShape *bn_about = nullptr, *bn_exit = nullptr, *bn_company = nullptr, *bn_products = nullptr,
             *bn_contact = nullptr;
    QLabel *image_SW = nullptr, *image_FI = nullptr, *image_UK = nullptr, *image_IT = nullptr,
           *image_FR = nullptr;
    QFrame* FlagFrame = nullptr;
    QLabel* lb_build = nullptr;
    QLabel* im_logo = nullptr;

    // Text pages.
    QLabel *lb_about = nullptr, *lb_contact = nullptr;
    QTextEdit *re_about = nullptr, *re_company = nullptr, *re_Inventor = nullptr,
              *re_contact = nullptr;
    TNoShape *bn_closeabout = nullptr, *bn_factclose = nullptr, *bn_contclose = nullptr;

    // Product range browser.
    TNoShape *bn_closeproducts = nullptr, *bn_choose_products = nullptr;
    QLabel *lb_cdf = nullptr, *lb_rdf = nullptr, *lb_rf = nullptr, *lb_wf = nullptr,
           *lb_idf = nullptr, *lb_ujv = nullptr, *lb_uxv = nullptr, *lb_aqeh = nullptr;
    QTextEdit* re_products = nullptr;
    PictureBox *im_pw = nullptr, *im_mtzl = nullptr, *im_mt = nullptr, *Im_ghz = nullptr,
               *im_ghj = nullptr, *im_bnbq = nullptr, *im_lw = nullptr, *im_udy = nullptr,
               *im_uvj = nullptr, *im_uvx = nullptr, *im_eh = nullptr, *im_aq = nullptr;

    // Input page.
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
    // The clipboard set-up window, shown by SpeedButton1.
    TFrmClip* FrmClip = nullptr;

    // Diagram page and the detail pages.
    TNoShape *bn_print = nullptr, *bn_specification = nullptr, *bn_drawing = nullptr,
             *bn_reselect = nullptr, *bn_diagram = nullptr, *bn_maintenance = nullptr,
             *bn_ancillary = nullptr, *bn_main = nullptr;
    QLabel* Im_data = nullptr;
    QLabel *lb_Y = nullptr, *lb_drawing = nullptr, *lb_specification = nullptr,
           *lb_diagram = nullptr, *lb_maintenance = nullptr;
    TNoShape *bn_diaclose = nullptr, *bn_speclose = nullptr, *bn_diagclose = nullptr,
             *bn_maintclose = nullptr;
    PictureBox *im_diag = nullptr, *im_draw = nullptr, *im_spec = nullptr;
    QLabel* im_dims = nullptr;
    QTextEdit *re_spec = nullptr, *re_maint = nullptr;

    // The five pieces of the chosen fan's material, for the current language.
    void LoadFanDetail() override;
    // The diagram page's picture and the dimension table, for SelectedFanNo.
    void DrawFanPages();

    // Ancillaries.
    QLabel* lb_ancillaries = nullptr;
    TNoShape* bn_closeancil = nullptr;
    QListWidget* list_ancil = nullptr;
    PictureBox* im_anc = nullptr;
    // What the printouts print from the print page and the other pages.
    PrintTexts CollectPrintTexts() const;
    // Ctrl+P: the window's image on the printer chosen in the dialog.
    void WindowPrint();
    // The texts of the ticked ancillaries, in list order, for the quotation.
    std::vector<std::string> TickedAncillaries() const;

    // Print page.
    QLabel* lb_print = nullptr;
    TNoShape *bn_cusclose = nullptr, *bn_cusprint = nullptr;
    QCheckBox *chk_printSummary = nullptr, *chk_PrintQuotation = nullptr,
              *chk_printInstructions = nullptr;
    QLabel *lb_date = nullptr, *lb_company = nullptr, *lb_attention = nullptr,
           *lb_project = nullptr, *lb_reference = nullptr, *lb_quote = nullptr, *lb_value = nullptr,
           *lb_item = nullptr, *lb_despatch = nullptr, *lb_validity = nullptr, *lb_qty = nullptr,
           *lb_contact2 = nullptr, *lb_delivery = nullptr, *lb_terms = nullptr;
    QDateEdit* ed_date = nullptr;
    QLineEdit *ed_company = nullptr, *ed_attention = nullptr, *ed_project = nullptr,
              *ed_reference = nullptr, *ed_quote = nullptr, *ed_value = nullptr, *ed_item = nullptr,
              *ed_despatch = nullptr, *ed_validity = nullptr, *ed_qty = nullptr,
              *ed_contact = nullptr, *ed_delivery = nullptr, *ed_terms = nullptr;
    QPlainTextEdit *memo_print = nullptr, *memo_print2 = nullptr;

    // Every hot-spot button whose caption is a close button's (entry 1).
    std::array<TNoShape*, 10> CloseButtons() const;

    // Clears the results grid (and the fan picture beside the inputs).
    void ResetGrid();
    // Shows the results grid model in the grid widget.
    void ShowGridModel();
    // What a double click on a result row draws; the diagram page sets it.
    std::function<void()> DrawChosenFan;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Page construction, one function per page or family of pages.
    QWidget* NewPage(const char* name, bool banner);
    QLabel* NewTitle(QWidget* page, const char* name, int x, int y);
    TNoShape* NewButton(QWidget* page, const char* name, int x, int y, void (T_fm::*handler)());
    void BuildMainPage();
    void BuildTextPages();
    void BuildProductsPage();
    void BuildInputPage();
    void BuildGraphPages();
    void BuildAncillaryPage();
    void BuildPrintPage();
    void MoveFlagFrame();
    void BuildFamilyPictures();
    void BuildDetailContent();
    void FillAncillaryList();
    void list_ancilClick(QListWidgetItem* item);
    void RetranslateAncillaries();
    bool ProductsPageEvent(QEvent* event);

    // Product browser.
    void FamilyClick(int index);
    void FamilyMouseMove(int index);
    void Panel4MouseMove();

    // Input page.
    void ConnectInputHandlers();
    void InputChanged();
    void cb_pressureTypeChange(int index);
    void cb_ducttypeChange(int index);
    void ShowRowPicture(int modelRow);
    void sgClick(int modelRow);
    void sgDblClick(int modelRow);
    void sgHeaderClick(int column);
    void bn_copyClick();
    void SpeedButton1Click();

    // Navigation handlers.
    void bn_aboutClick();
    void bn_exitClick();
    void bn_companyClick();
    void bn_productsClick();
    void bn_contactClick();
    void ShowMainPage();
    void ShowGraphPage();
    void bn_choose_productsClick();
    void bn_selectClick();
    void bn_SproductsClick();
    void bn_printClick();
    void bn_specificationClick();
    void bn_drawingClick();
    void bn_reelectClick();
    void bn_diagramClick();
    void bn_maintenanceClick();
    void bn_ancillaryClick();
    void bn_cusprintClick();

    void ShowFlagSummary();
    // Runs a step that reads files; reports a failure and says whether it went through.
    template <class F> bool Guarded(F&& step);

    ShellServices services_;
    Ratings ancillaryRatings_;
    bool ancillariesBuilt_ = false;
};

template <class F> bool T_fm::Guarded(F&& step) {
    try {
        step();
        return true;
    } catch (const FileError& e) {
        services_.messages->ShowError(e.what());
    } catch (const ConversionError& e) {
        services_.messages->ShowError(e.what());
    }
    return false;
}

} // namespace vd
