#pragma once
// The chosen fan's pages: the diagram page with the performance diagram and
// its data table, and the four detail pages it opens (dimension drawing,
// specification, catalogue diagram, maintenance) with the fan's material,
// which LoadFanDetail puts on them.
#include "page.h"
#include "performance_diagram.h"

class QLabel;
class QPlainTextEdit;
class QTextEdit;

namespace vd {

class PictureBox;
class ResultsGrid;

class DiagramPage : public Page, public DetailLoader {
    Q_OBJECT
  public:
    explicit DiagramPage(UiServices services, QWidget* parent = nullptr);

    // The five pieces of the chosen fan's material, for the current language.
    void LoadFanDetail() override;
    // The diagram page's picture and the dimension table, for SelectedFanNo.
    void DrawFanPages(const ResultsGrid& grid);

    TNoShape *bn_print = nullptr, *bn_specification = nullptr, *bn_drawing = nullptr,
             *bn_reselect = nullptr, *bn_diagram = nullptr, *bn_maintenance = nullptr,
             *bn_ancillary = nullptr, *bn_main = nullptr;
    QLabel* Im_data = nullptr;
    QLabel* lb_Y = nullptr;

    // The detail pages, each in the page stack beside this one.
    Page *aDrawing = nullptr, *aSpecification = nullptr, *aDiagram = nullptr,
         *aMaintenance = nullptr;
    QLabel *lb_drawing = nullptr, *lb_specification = nullptr, *lb_diagram = nullptr,
           *lb_maintenance = nullptr;
    TNoShape *bn_diaclose = nullptr, *bn_speclose = nullptr, *bn_diagclose = nullptr,
             *bn_maintclose = nullptr;
    PictureBox *im_diag = nullptr, *im_draw = nullptr, *im_spec = nullptr;
    QLabel* im_dims = nullptr;
    QTextEdit *re_spec = nullptr, *re_maint = nullptr;
    // The maintenance text as the instructions printout reads it; never shown.
    QPlainTextEdit* memo_print2 = nullptr;

  private:
    // A detail page with its title and the button back to this page.
    Page* NewDetailPage(const char* name, const char* title, QLabel*& titleLabel, const char* close,
                        TNoShape*& closeButton);
};

} // namespace vd
