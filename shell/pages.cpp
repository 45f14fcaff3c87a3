// Construction of the pages: positions are pixels on the 624 × 443 page panel.
#include "artwork_resources.h"
#include "calc_edit.h"
#include "main_window.h"
#include "noshape.h"
#include "picture_box.h"
#include "qt_text.h"
#include "results_grid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace vd {

namespace {

QFont Arial(int pixels, bool bold = false) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* ArtPicture(QWidget* parent, const char* name, const QString& resource, int x, int y, int w,
                   int h, bool scaled = false) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(x, y, w, h);
    l->setAlignment(Qt::AlignCenter);
    l->setScaledContents(scaled);
    l->setPixmap(QPixmap(resource));
    return l;
}

QLabel* Label(QWidget* parent, const char* name, int x, int y, int w = 0, int h = 0) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->move(x, y);
    if (w > 0)
        l->resize(w, h > 0 ? h : 16);
    return l;
}

QTextEdit* TextBox(QWidget* parent, const char* name, int x, int y, int w, int h, int fontPixels,
                   bool border = true) {
    auto* t = new QTextEdit(parent);
    t->setObjectName(name);
    t->setGeometry(x, y, w, h);
    t->setReadOnly(true);
    t->setFont(Arial(fontPixels));
    t->setVerticalScrollBarPolicy(border ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!border)
        t->setFrameShape(QFrame::NoFrame);
    return t;
}

QLineEdit* Edit(QWidget* parent, const char* name, int x, int y, int w, int h = 19) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(x, y, w, h);
    return e;
}

QComboBox* List(QWidget* parent, const char* name, int x, int y, int w) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(x, y, w, 21);
    return c;
}

} // namespace

QWidget* T_fm::NewPage(const char* name, bool banner) {
    auto* page = new QWidget;
    page->setObjectName(name);
    page->setAutoFillBackground(true);
    QPalette p = page->palette();
    p.setColor(QPalette::Window, Qt::white);
    page->setPalette(p);
    _control->addWidget(page);
    if (banner)
        ArtPicture(page, "im_banner", artwork::kBanner, 8, 14, 53, 402);
    return page;
}

QLabel* T_fm::NewTitle(QWidget* page, const char* name, int x, int y) {
    auto* l = Label(page, name, x, y, 380, 24);
    l->setFont(Arial(19, true));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    l->setPalette(p);
    return l;
}

TNoShape* T_fm::NewButton(QWidget* page, const char* name, int x, int y, void (T_fm::*handler)()) {
    static const QImage picture(artwork::kButton);
    auto* b = new TNoShape(page);
    b->setObjectName(name);
    b->setBitmap(picture);
    b->setBounds(x, y, 126, 40);
    connect(b, &TNoShape::clicked, this, handler);
    return b;
}

void T_fm::BuildMainPage() {
    aMain = NewPage("aMain", false);
    im_logo = ArtPicture(aMain, "im_logo", artwork::kLogo, 3, 11, 500, 400);
    bn_about = NewButton(aMain, "bn_about", 261, 29, &T_fm::bn_aboutClick);
    bn_exit = NewButton(aMain, "bn_exit", 477, 29, &T_fm::bn_exitClick);
    bn_company = NewButton(aMain, "bn_company", 291, 79, &T_fm::bn_companyClick);
    bn_products = NewButton(aMain, "bn_products", 447, 79, &T_fm::bn_productsClick);
    bn_contact = NewButton(aMain, "bn_contact", 321, 129, &T_fm::bn_contactClick);
    bn_about->setCaption("xAbout");
    bn_exit->setCaption("xExit");
    bn_company->setCaption("xCompany");
    bn_products->setCaption("xProducts");
    bn_contact->setCaption("xContact");

    struct Flag {
        QLabel** image;
        const char* name;
        const QString* resource;
        int top, height;
        const char* code;
    };
    const Flag flags[] = {{&image_SW, "image_SW", &artwork::kFlagSw, 238, 40, "SW"},
                          {&image_FI, "image_FI", &artwork::kFlagFi, 276, 40, "FI"},
                          {&image_UK, "image_UK", &artwork::kFlagUk, 314, 39, "UK"},
                          {&image_IT, "image_IT", &artwork::kFlagIt, 354, 40, "IT"},
                          {&image_FR, "image_FR", &artwork::kFlagFr, 394, 39, "FR"}};
    for (const Flag& f : flags) {
        *f.image = ArtPicture(aMain, f.name, *f.resource, 558, f.top, 58, f.height);
        (*f.image)->setCursor(Qt::PointingHandCursor);
        (*f.image)->setProperty("languageCode", f.code);
        (*f.image)->installEventFilter(this);
    }
    FlagFrame = new QFrame(aMain);
    FlagFrame->setObjectName("FlagFrame");
    FlagFrame->setGeometry(558, 238, 58, 40);
    FlagFrame->setFrameShape(QFrame::Box);
    FlagFrame->setLineWidth(3);
    FlagFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    lb_build = Label(aMain, "lb_build", 50, 400, 80, 14);
}

void T_fm::BuildTextPages() {
    aAbout = NewPage("aAbout", true);
    lb_about = NewTitle(aAbout, "lb_about", 100, 16);
    ArtPicture(aAbout, "im_about", artwork::kAbout, 100, 62, 154, 270);
    re_about = TextBox(aAbout, "re_about", 284, 62, 320, 350, 13);
    bn_closeabout = NewButton(aAbout, "bn_closeabout", 478, 10, &T_fm::ShowMainPage);

    aCompany = NewPage("aCompany", true);
    ArtPicture(aCompany, "im_company1", artwork::kCompany1, 76, 21, 352, 220, true);
    ArtPicture(aCompany, "im_company2", artwork::kCompany2, 448, 56, 153, 185, true);
    re_company = TextBox(aCompany, "re_company", 76, 248, 349, 185, 13);
    re_Inventor = TextBox(aCompany, "re_Inventor", 432, 248, 185, 185, 13);
    bn_factclose = NewButton(aCompany, "bn_factclose", 478, 10, &T_fm::ShowMainPage);

    aContact = NewPage("aContact", true);
    lb_contact = NewTitle(aContact, "lb_contact", 102, 16);
    re_contact = TextBox(aContact, "re_contact", 102, 56, 483, 361, 15, false);
    bn_contclose = NewButton(aContact, "bn_contclose", 478, 10, &T_fm::ShowMainPage);
}

void T_fm::BuildProductsPage() {
    aProducts = NewPage("aProducts", true);
    struct Group {
        QLabel** label;
        const char* name;
        int x, y, w;
    };
    const Group groups[] = {
        {&lb_cdf, "lb_cdf", 64, 3, 217},    {&lb_rdf, "lb_rdf", 68, 95, 133},
        {&lb_rf, "lb_rf", 208, 95, 193},    {&lb_wf, "lb_wf", 408, 95, 201},
        {&lb_idf, "lb_idf", 61, 202, 114},  {&lb_ujv, "lb_ujv", 182, 202, 124},
        {&lb_uxv, "lb_uxv", 312, 202, 112}, {&lb_aqeh, "lb_aqeh", 432, 202, 177}};
    for (const Group& g : groups) {
        *g.label = Label(aProducts, g.name, g.x, g.y, g.w, 14);
        (*g.label)->setFont(Arial(11));
        (*g.label)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    re_products = new QTextEdit(aProducts);
    re_products->setObjectName("re_products");
    re_products->setGeometry(64, 312, 544, 128);
    re_products->setFont(Arial(11));
    BuildFamilyPictures();
    bn_choose_products =
        NewButton(aProducts, "bn_choose_products", 348, 10, &T_fm::bn_choose_productsClick);
    bn_closeproducts = NewButton(aProducts, "bn_closeproducts", 482, 10, &T_fm::ShowMainPage);
}

void T_fm::BuildInputPage() {
    aInput = NewPage("aInput", true);
    bn_select = NewButton(aInput, "bn_select", 224, 10, &T_fm::bn_selectClick);
    bn_Sproducts = NewButton(aInput, "bn_Sproducts", 358, 10, &T_fm::bn_SproductsClick);
    bn_Smain = NewButton(aInput, "bn_Smain", 488, 10, &T_fm::ShowMainPage);

    auto entry = [&](const char* name, int x, int y, int w) {
        auto* e = new TCalcEdit(aInput);
        e->setObjectName(name);
        e->setGeometry(x, y, w, 21);
        return e;
    };
    lb_volume = Label(aInput, "lb_volume", 72, 66, 120, 16);
    se_volume = entry("se_volume", 196, 63, 90);
    cb_vunit = List(aInput, "cb_vunit", 292, 63, 62);
    cb_vunit->addItems({"m3/s", "m3/h", "l/s", "cfm"});
    lb_pressure = Label(aInput, "lb_pressure", 72, 93, 120, 16);
    se_pressure = entry("se_pressure", 196, 90, 90);
    cb_punit = List(aInput, "cb_punit", 292, 90, 62);
    cb_punit->addItems({"Pa", "N/m2", "mmwg", "inwg"});
    cb_pressureType = List(aInput, "cb_pressureType", 360, 90, 150);
    lb_deviation = Label(aInput, "lb_deviation", 72, 120, 120, 16);
    se_dev = entry("se_dev", 196, 117, 62);
    lb_percent = Label(aInput, "lb_percent", 262, 120, 14, 16);
    lb_percent->setText("%");
    lb_supply = Label(aInput, "lb_supply", 72, 147, 120, 16);
    cb_supply = List(aInput, "cb_supply", 196, 144, 158);
    lb_ductType = Label(aInput, "lb_ductType", 360, 121, 150, 16);
    cb_ducttype = List(aInput, "cb_ducttype", 360, 144, 150);
    lb_ductType->hide();
    cb_ducttype->hide();
    cb_rej = new QCheckBox(aInput);
    cb_rej->setObjectName("cb_rej");
    cb_rej->setGeometry(360, 66, 150, 18);
    cb_rej->setText("Show rejects");
    cb_rej->hide();

    im_pic = new PictureBox(PictureBox::Mode::Fit, aInput);
    im_pic->setObjectName("im_pic");
    im_pic->setGeometry(527, 63, 80, 80);

    sg = new ResultsGridView(aInput);
    sg->setObjectName("sg");
    sg->setGeometry(70, 172, 537, 234);
    sg->hide();

    SpeedButton1 = new QPushButton("Clipboard Config", aInput);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setGeometry(416, 413, 121, 25);
    bn_copy = new QPushButton("COPY", aInput);
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

void T_fm::BuildGraphPages() {
    aGraph = NewPage("aGraph", true);
    bn_print = NewButton(aGraph, "bn_print", 68, 4, &T_fm::bn_printClick);
    bn_specification = NewButton(aGraph, "bn_specification", 208, 4, &T_fm::bn_specificationClick);
    bn_drawing = NewButton(aGraph, "bn_drawing", 347, 4, &T_fm::bn_drawingClick);
    bn_reselect = NewButton(aGraph, "bn_reselect", 487, 4, &T_fm::bn_reelectClick);
    bn_diagram = NewButton(aGraph, "bn_diagram", 68, 45, &T_fm::bn_diagramClick);
    bn_maintenance = NewButton(aGraph, "bn_maintenance", 208, 45, &T_fm::bn_maintenanceClick);
    bn_ancillary = NewButton(aGraph, "bn_ancillary", 347, 45, &T_fm::bn_ancillaryClick);
    bn_main = NewButton(aGraph, "bn_main", 487, 45, &T_fm::ShowMainPage);
    Im_data = new QLabel(aGraph);
    Im_data->setObjectName("Im_data");
    Im_data->setGeometry(68, 90, 545, 342);

    aDrawing = NewPage("aDrawing", true);
    lb_drawing = NewTitle(aDrawing, "lb_drawing", 90, 19);
    bn_diaclose = NewButton(aDrawing, "bn_diaclose", 478, 10, &T_fm::ShowGraphPage);

    aSpecification = NewPage("aSpecification", true);
    lb_specification = NewTitle(aSpecification, "lb_specification", 90, 19);
    bn_speclose = NewButton(aSpecification, "bn_speclose", 478, 10, &T_fm::ShowGraphPage);

    aDiagram = NewPage("aDiagram", true);
    lb_diagram = NewTitle(aDiagram, "lb_diagram", 90, 19);
    bn_diagclose = NewButton(aDiagram, "bn_diagclose", 478, 10, &T_fm::ShowGraphPage);

    aMaintenance = NewPage("aMaintenance", true);
    lb_maintenance = NewTitle(aMaintenance, "lb_maintenance", 90, 19);
    bn_maintclose = NewButton(aMaintenance, "bn_maintclose", 478, 10, &T_fm::ShowGraphPage);
    // The detail pages carry their strip a little lower than the others.
    for (QWidget* page : {aDrawing, aSpecification, aDiagram, aMaintenance})
        page->findChild<QLabel*>("im_banner")->move(8, 20);
    BuildDetailContent();
}

void T_fm::BuildAncillaryPage() {
    aAncillary = NewPage("aAncillary", true);
    lb_ancillaries = NewTitle(aAncillary, "lb_ancillaries", 90, 19);
    bn_closeancil = NewButton(aAncillary, "bn_closeancil", 478, 10, &T_fm::ShowGraphPage);
    list_ancil = new QListWidget(aAncillary);
    list_ancil->setObjectName("list_ancil");
    list_ancil->setGeometry(90, 60, 293, 365);
    QFont f("Liberation Serif");
    f.setPixelSize(16);
    list_ancil->setFont(f);
    // Silver behind the items; the check boxes keep the white of the palette
    // so that they stand out.
    list_ancil->setStyleSheet("QListWidget { background-color: silver; }");
    list_ancil->setSpacing(0);
    FillAncillaryList();
    im_anc = new PictureBox(PictureBox::Mode::Centred, aAncillary);
    im_anc->setObjectName("im_anc");
    im_anc->setGeometry(392, 60, 225, 365);
}

void T_fm::BuildPrintPage() {
    aPrint = NewPage("aPrint", true);
    lb_print = NewTitle(aPrint, "lb_print", 90, 19);
    bn_cusprint = NewButton(aPrint, "bn_cusprint", 342, 10, &T_fm::bn_cusprintClick);
    bn_cusclose = NewButton(aPrint, "bn_cusclose", 478, 10, &T_fm::ShowGraphPage);

    auto* panel = new QFrame(aPrint);
    panel->setObjectName("pn_print");
    panel->setGeometry(90, 60, 514, 361);
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(p);

    auto* group = new QGroupBox(panel);
    group->setObjectName("gb_print");
    group->setGeometry(8, 8, 497, 57);
    auto check = [&](const char* name, int x, int y) {
        auto* c = new QCheckBox(group);
        c->setObjectName(name);
        c->setGeometry(x, y, 236, 18);
        c->setChecked(true);
        return c;
    };
    chk_printSummary = check("chk_printSummary", 6, 11);
    chk_PrintQuotation = check("chk_PrintQuotation", 254, 9);
    chk_printInstructions = check("chk_printInstructions", 6, 34);

    QFont bold("Liberation Sans");
    bold.setPixelSize(13);
    bold.setBold(true);
    auto label = [&](const char* name, int x, int y) {
        // Each label runs up to its edit: 102 pixels on the left, more on the right.
        QLabel* l = Label(panel, name, x, y,
                          x < 100 ? 102 : (std::string(name) == "lb_contact2" ? 101 : 140), 16);
        l->setFont(bold);
        return l;
    };
    lb_date = label("lb_date", 6, 77);
    ed_date = new QDateEdit(QDate::currentDate(), panel);
    ed_date->setObjectName("ed_date");
    ed_date->setGeometry(112, 76, 89, 19);
    ed_date->setCalendarPopup(true);
    lb_company = label("lb_company", 6, 103);
    ed_company = Edit(panel, "ed_company", 112, 102, 200);
    lb_attention = label("lb_attention", 6, 129);
    ed_attention = Edit(panel, "ed_attention", 112, 127, 201);
    lb_project = label("lb_project", 6, 155);
    ed_project = Edit(panel, "ed_project", 112, 153, 201);
    lb_reference = label("lb_reference", 6, 181);
    ed_reference = Edit(panel, "ed_reference", 112, 179, 201);
    lb_quote = label("lb_quote", 6, 207);
    ed_quote = Edit(panel, "ed_quote", 112, 205, 97);
    lb_value = label("lb_value", 216, 206);
    ed_value = Edit(panel, "ed_value", 360, 205, 97);
    lb_item = label("lb_item", 6, 232);
    ed_item = Edit(panel, "ed_item", 112, 230, 97);
    lb_despatch = label("lb_despatch", 216, 231);
    ed_despatch = Edit(panel, "ed_despatch", 360, 230, 97);
    lb_validity = label("lb_validity", 6, 258);
    ed_validity = Edit(panel, "ed_validity", 112, 256, 97);
    lb_qty = label("lb_qty", 6, 284);
    ed_qty = Edit(panel, "ed_qty", 112, 282, 97);
    lb_contact2 = label("lb_contact2", 216, 283);
    ed_contact = Edit(panel, "ed_contact", 321, 282, 185);
    lb_delivery = label("lb_delivery", 6, 310);
    ed_delivery = Edit(panel, "ed_delivery", 112, 307, 394);
    lb_terms = label("lb_terms", 6, 336);
    ed_terms = Edit(panel, "ed_terms", 112, 333, 394);
    QWidget* order[] = {ed_date,  ed_company, ed_attention, ed_project,  ed_reference,
                        ed_quote, ed_value,   ed_item,      ed_despatch, ed_validity,
                        ed_qty,   ed_contact, ed_delivery,  ed_terms,    group};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);

    memo_print = new QPlainTextEdit(aPrint);
    memo_print->setObjectName("memo_print");
    memo_print->hide();
    memo_print2 = new QPlainTextEdit(aPrint);
    memo_print2->setObjectName("memo_print2");
    memo_print2->hide();
}

} // namespace vd
