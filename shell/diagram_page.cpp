#include "diagram_page.h"

#include "fan_detail.h"
#include "fan_pictures.h"
#include "noshape.h"
#include "picture_box.h"
#include "qpainter_canvas.h"
#include "text_loader.h"
#include "vd_variables.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vd {

DiagramPage::DiagramPage(UiServices services, QWidget* parent)
    : Page("aGraph", true, services, parent) {
    bn_print = NewButton("bn_print", 68, 4);
    bn_specification = NewButton("bn_specification", 208, 4);
    bn_drawing = NewButton("bn_drawing", 347, 4);
    bn_reselect = NewButton("bn_reselect", 487, 4);
    bn_diagram = NewButton("bn_diagram", 68, 45);
    bn_maintenance = NewButton("bn_maintenance", 208, 45);
    bn_ancillary = NewButton("bn_ancillary", 347, 45);
    bn_main = NewButton("bn_main", 487, 45);
    Im_data = new QLabel(this);
    Im_data->setObjectName("Im_data");
    Im_data->setGeometry(68, 90, 545, 342);

    aDrawing = NewDetailPage("aDrawing", "lb_drawing", lb_drawing, "bn_diaclose", bn_diaclose);
    aSpecification = NewDetailPage("aSpecification", "lb_specification", lb_specification,
                                   "bn_speclose", bn_speclose);
    aDiagram = NewDetailPage("aDiagram", "lb_diagram", lb_diagram, "bn_diagclose", bn_diagclose);
    aMaintenance = NewDetailPage("aMaintenance", "lb_maintenance", lb_maintenance, "bn_maintclose",
                                 bn_maintclose);

    lb_Y = new QLabel(this);
    lb_Y->setObjectName("lb_Y");
    lb_Y->move(304, 54);

    im_diag = new PictureBox(PictureBox::Mode::Stretched, aDiagram);
    im_diag->setObjectName("im_diag");
    im_diag->setGeometry(90, 80, 511, 337);

    im_draw = new PictureBox(PictureBox::Mode::Stretched, aDrawing);
    im_draw->setObjectName("im_draw");
    im_draw->setGeometry(90, 54, 500, 300);
    im_dims = new QLabel(aDrawing);
    im_dims->setObjectName("im_dims");
    im_dims->setGeometry(90, 364, 500, 50);

    im_spec = new PictureBox(PictureBox::Mode::Own, aSpecification);
    im_spec->setObjectName("im_spec");
    im_spec->setGeometry(90, 58, 189, 177);
    re_spec = new QTextEdit(aSpecification);
    re_spec->setObjectName("re_spec");
    re_spec->setGeometry(288, 60, 315, 363);
    re_spec->setReadOnly(true);
    QFont times("Liberation Serif");
    times.setPixelSize(15);
    re_spec->setFont(times);
    re_spec->setPlainText("re_specification");

    re_maint = new QTextEdit(aMaintenance);
    re_maint->setObjectName("re_maint");
    re_maint->setGeometry(90, 68, 514, 349);
    re_maint->setReadOnly(true);
    QFont arial("Liberation Sans");
    arial.setPixelSize(13);
    re_maint->setFont(arial);
    re_maint->setPlainText("re_maint");

    memo_print2 = new QPlainTextEdit(aMaintenance);
    memo_print2->setObjectName("memo_print2");
    memo_print2->hide();
}

Page* DiagramPage::NewDetailPage(const char* name, const char* title, QLabel*& titleLabel,
                                 const char* close, TNoShape*& closeButton) {
    // A page of the stack, not a child of this one: the window adds it.
    auto* page = new Page(name, true, services_, parentWidget());
    // The detail pages carry their strip a little lower than the others.
    page->findChild<QLabel*>("im_banner")->move(8, 20);
    titleLabel = page->NewTitle(title, 90, 19);
    closeButton = page->NewButton(close, 478, 10);
    return page;
}

void DiagramPage::LoadFanDetail() {
    auto text = [](QTextEdit* box, const std::string& file) {
        LoadDataTextFile(*box->document(), file);
        box->moveCursor(QTextCursor::Start);
    };
    FanDetailTargets t;
    t.diagram = [this](const std::string& path) { im_diag->LoadDataFile(path); };
    t.maintenance = [&](const std::string& path) {
        text(re_maint, path);
        LoadDataTextFile(*memo_print2->document(), path);
    };
    t.bigPicture = [this](const std::string& path) { im_spec->LoadDataFile(path); };
    t.specification = [&](const std::string& path) { text(re_spec, path); };
    t.drawing = [this](const std::string& path) { im_draw->LoadDataFile(path); };
    t.message = [this](const std::string& m) { services_.messages->ShowMessage(m); };
    LoadFanDetailMaterial(FanRecord, LanguageCode, t);
}

void DiagramPage::DrawFanPages(const ResultsGrid& grid) {
    // At the screen's pixel ratio, so that a HiDPI screen shows the drawings
    // at full resolution. A failure ends the drawing and leaves the pictures
    // of the previous fan; the caller reports it.
    const int ratio = std::max(1, qRound(devicePixelRatioF()));
    QImage diagram = MakeDrawingImage(kDiagramPictureSize, ratio);
    QImage dimensions = MakeDrawingImage(kDimensionPictureSize, ratio);
    DrawFanPictures(diagram, dimensions, grid, *this);
    Im_data->setPixmap(QPixmap::fromImage(diagram));
    im_dims->setPixmap(QPixmap::fromImage(dimensions));
}

} // namespace vd
