// The product range browser: twelve family pictures that include or exclude
// their families, and the family description on pointing.
#include "products_page.h"

#include "noshape.h"
#include "picture_box.h"
#include "text_loader.h"
#include "vd_variables.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTextEdit>

namespace vd {

namespace {

struct FamilyInfo {
    PictureBox* ProductsPage::*control;
    const char* name;
    int x, y;
    PictureBox::Mode mode;
    std::string* first;
    std::string* second; // the circular variant, for MT and UDY
    const char* excluded;
    const char* included;
    const char* key;
    const char* description;
    QLabel* ProductsPage::*group; // the label over the picture's product group
    const char* shownCode;        // the family as a screen reader names it
};

const std::vector<FamilyInfo>& Families() {
    using M = PictureBox::Mode;
    static const std::vector<FamilyInfo> families = {
        {&ProductsPage::im_pw, "im_pw", 94, 18, M::Own, &FlagPW, nullptr, "bmp\\pw.bmp",
         "bmp\\pw_r.bmp", "PW", "pw.txt", &ProductsPage::lb_cdf, "PW"},
        {&ProductsPage::im_mtzl, "im_mtzl", 190, 18, M::Own, &FlagMTZL, nullptr, "bmp\\mtz.bmp",
         "bmp\\mtz_r.bmp", "MTZL", "mtz.txt", &ProductsPage::lb_cdf, "MTZL"},
        {&ProductsPage::im_mt, "im_mt", 90, 112, M::Stretched, &FlagMT, &FlagMTZ, "bmp\\mt.bmp",
         "bmp\\mt_r.bmp", "MT", "mt.txt", &ProductsPage::lb_rdf, "MT/MTZ"},
        {&ProductsPage::Im_ghz, "Im_ghz", 224, 112, M::Own, &FlagGHZ, nullptr, "bmp\\ghz.bmp",
         "bmp\\ghz_r.bmp", "GHZ", "ghz.txt", &ProductsPage::lb_rf, "GHZ"},
        {&ProductsPage::im_ghj, "im_ghj", 316, 112, M::Own, &FlagGHJ, nullptr, "bmp\\ghj.bmp",
         "bmp\\ghj_r.bmp", "GHJ", "ghj.txt", &ProductsPage::lb_rf, "GHJ"},
        {&ProductsPage::im_bnbq, "im_bnbq", 418, 122, M::Own, &FlagBNBQ, nullptr, "bmp\\bnbq.bmp",
         "bmp\\bnbq_r.bmp", "BN", "bnbq.txt", &ProductsPage::lb_wf, "BN/BQ"},
        {&ProductsPage::im_lw, "im_lw", 520, 122, M::Own, &FlagLW, nullptr, "bmp\\lw.bmp",
         "bmp\\lw_r.bmp", "LW", "lw.txt", &ProductsPage::lb_wf, "LW"},
        {&ProductsPage::im_udy, "im_udy", 84, 218, M::Own, &FlagUDY, &FlagUDYZ, "bmp\\udy.bmp",
         "bmp\\udy_r.bmp", "UDY", "udy.txt", &ProductsPage::lb_idf, "UDY/UDYZ"},
        {&ProductsPage::im_uvj, "im_uvj", 204, 218, M::Stretched, &FlagUVJ, nullptr, "bmp\\uvj.bmp",
         "bmp\\uvj_r.bmp", "UVJ", "uvj.txt", &ProductsPage::lb_ujv, "UVJ"},
        {&ProductsPage::im_uvx, "im_uvx", 338, 218, M::Own, &FlagUVX, nullptr, "bmp\\UVX.bmp",
         "bmp\\UVX_r.bmp", "UVX", "uvx.txt", &ProductsPage::lb_uxv, "UVX"},
        {&ProductsPage::im_eh, "im_eh", 440, 218, M::Own, &FlagEH, nullptr, "bmp\\EH.bmp",
         "bmp\\EH_r.bmp", "EH", "eh.txt", &ProductsPage::lb_aqeh, "EH"},
        {&ProductsPage::im_aq, "im_aq", 528, 218, M::Own, &FlagAQ, nullptr, "bmp\\AQ.bmp",
         "bmp\\AQ_r.bmp", "AQ", "aq.txt", &ProductsPage::lb_aqeh, "AQ"},
    };
    return families;
}

void Etched(QWidget* page, bool horizontal, int x, int y, int length) {
    auto* line = new QFrame(page);
    line->setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    if (horizontal)
        line->setGeometry(x, y - 1, length, 2);
    else
        line->setGeometry(x - 1, y, 2, length);
}

} // namespace

ProductsPage::ProductsPage(UiServices services, QWidget* parent)
    : Page("aProducts", true, services, parent) {
    struct Group {
        QLabel* ProductsPage::*label;
        const char* name;
        int x, y, w;
    };
    const Group groups[] = {{&ProductsPage::lb_cdf, "lb_cdf", 64, 3, 217},
                            {&ProductsPage::lb_rdf, "lb_rdf", 68, 95, 133},
                            {&ProductsPage::lb_rf, "lb_rf", 208, 95, 193},
                            {&ProductsPage::lb_wf, "lb_wf", 408, 95, 201},
                            {&ProductsPage::lb_idf, "lb_idf", 61, 202, 114},
                            {&ProductsPage::lb_ujv, "lb_ujv", 182, 202, 124},
                            {&ProductsPage::lb_uxv, "lb_uxv", 312, 202, 112},
                            {&ProductsPage::lb_aqeh, "lb_aqeh", 432, 202, 177}};
    for (const Group& g : groups) {
        QLabel* l = Label(this, g.name, g.x, g.y, g.w, 14);
        l->setFont(Arial(11));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        this->*g.label = l;
    }
    re_products = new QTextEdit(this);
    re_products->setObjectName("re_products");
    re_products->setGeometry(64, 312, 544, 128);
    re_products->setFont(Arial(11));
    BuildFamilyPictures();
    bn_choose_products = NewButton("bn_choose_products", 348, 10);
    bn_closeproducts = NewButton("bn_closeproducts", 482, 10);
}

void ProductsPage::BuildFamilyPictures() {
    for (size_t i = 0; i < Families().size(); ++i) {
        const FamilyInfo& f = Families()[i];
        auto* box = new PictureBox(f.mode, this);
        box->setObjectName(f.name);
        box->setGeometry(f.x, f.y, 80, 80);
        box->setCursor(Qt::PointingHandCursor);
        // The layout shows the excluded look until the first click.
        try {
            box->LoadDataFile(f.excluded);
        } catch (const FileError&) {
        }
        this->*f.control = box;
        // To a screen reader: a check box named by its group and family.
        box->SetToggle([&f] { return *f.first == "Y" || (f.second && *f.second == "Y"); },
                       [this, &f] { return (this->*f.group)->text() + ": " + f.shownCode; });
        connect(box, &PictureBox::clicked, this, [this, i] { FamilyClick(static_cast<int>(i)); });
        connect(box, &PictureBox::mouseMoved, this,
                [this, i] { FamilyMouseMove(static_cast<int>(i)); });
    }
    for (int y : {94, 200, 306})
        Etched(this, true, 69, y, 608 - 69);
    Etched(this, false, 284, 7, 80);
    for (int x : {204, 402})
        Etched(this, false, x, 104, 80);
    for (int x : {177, 308, 428})
        Etched(this, false, x, 216, 65);
    setMouseTracking(true);
}

void ProductsPage::FamilyClick(int index) {
    const FamilyInfo& f = Families()[static_cast<size_t>(index)];
    bool include;
    if (f.second) {
        include = !(*f.first == "Y" || *f.second == "Y");
        *f.first = include ? "Y" : "N";
        *f.second = "N";
    } else {
        include = *f.first != "Y";
        *f.first = include ? "Y" : "N";
    }
    // The flag has changed already; a picture that fails to load leaves the
    // old look until the next click.
    (this->*f.control)->NotifyToggled();
    Guarded([&] { (this->*f.control)->LoadDataFile(include ? f.included : f.excluded); });
}

void ProductsPage::FamilyMouseMove(int index) {
    const FamilyInfo& f = Families()[static_cast<size_t>(index)];
    if (ShownFamily == f.key)
        return;
    Guarded([&] {
        LoadDataTextFile(*re_products->document(), "txt\\" + LanguageCode + f.description);
        re_products->moveCursor(QTextCursor::Start);
        ShownFamily = f.key;
    });
}

void ProductsPage::Panel4MouseMove() {
    ShownFamily = "None";
    re_products->clear();
}

void ProductsPage::mouseMoveEvent(QMouseEvent* event) {
    // Only the bare page: labels, lines, buttons and the box have no effect.
    if (!childAt(event->position().toPoint()))
        Panel4MouseMove();
    Page::mouseMoveEvent(event);
}

} // namespace vd
