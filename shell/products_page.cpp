// The product range browser: twelve family pictures that include or exclude
// their families, and the family description on pointing.
#include "main_window.h"
#include "picture_box.h"
#include "text_loader.h"
#include "vd_variables.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTextEdit>

namespace vd {

namespace {

struct FamilyInfo {
    PictureBox* T_fm::*control;
    const char* name;
    int x, y;
    PictureBox::Mode mode;
    std::string* first;
    std::string* second; // the circular variant, for MT and UDY
    const char* excluded;
    const char* included;
    const char* key;
    const char* description;
};

const std::vector<FamilyInfo>& Families() {
    using M = PictureBox::Mode;
    static const std::vector<FamilyInfo> families = {
        {&T_fm::im_pw, "im_pw", 94, 18, M::Own, &FlagPW, nullptr, "bmp\\pw.bmp", "bmp\\pw_r.bmp",
         "PW", "pw.txt"},
        {&T_fm::im_mtzl, "im_mtzl", 190, 18, M::Own, &FlagMTZL, nullptr, "bmp\\mtz.bmp",
         "bmp\\mtz_r.bmp", "MTZL", "mtz.txt"},
        {&T_fm::im_mt, "im_mt", 90, 112, M::Stretched, &FlagMT, &FlagMTZ, "bmp\\mt.bmp",
         "bmp\\mt_r.bmp", "MT", "mt.txt"},
        {&T_fm::Im_ghz, "Im_ghz", 224, 112, M::Own, &FlagGHZ, nullptr, "bmp\\ghz.bmp",
         "bmp\\ghz_r.bmp", "GHZ", "ghz.txt"},
        {&T_fm::im_ghj, "im_ghj", 316, 112, M::Own, &FlagGHJ, nullptr, "bmp\\ghj.bmp",
         "bmp\\ghj_r.bmp", "GHJ", "ghj.txt"},
        {&T_fm::im_bnbq, "im_bnbq", 418, 122, M::Own, &FlagBNBQ, nullptr, "bmp\\bnbq.bmp",
         "bmp\\bnbq_r.bmp", "BN", "bnbq.txt"},
        {&T_fm::im_lw, "im_lw", 520, 122, M::Own, &FlagLW, nullptr, "bmp\\lw.bmp", "bmp\\lw_r.bmp",
         "LW", "lw.txt"},
        {&T_fm::im_udy, "im_udy", 84, 218, M::Own, &FlagUDY, &FlagUDYZ, "bmp\\udy.bmp",
         "bmp\\udy_r.bmp", "UDY", "udy.txt"},
        {&T_fm::im_uvj, "im_uvj", 204, 218, M::Stretched, &FlagUVJ, nullptr, "bmp\\uvj.bmp",
         "bmp\\uvj_r.bmp", "UVJ", "uvj.txt"},
        {&T_fm::im_uvx, "im_uvx", 338, 218, M::Own, &FlagUVX, nullptr, "bmp\\UVX.bmp",
         "bmp\\UVX_r.bmp", "UVX", "uvx.txt"},
        {&T_fm::im_eh, "im_eh", 440, 218, M::Own, &FlagEH, nullptr, "bmp\\EH.bmp", "bmp\\EH_r.bmp",
         "EH", "eh.txt"},
        {&T_fm::im_aq, "im_aq", 528, 218, M::Own, &FlagAQ, nullptr, "bmp\\AQ.bmp", "bmp\\AQ_r.bmp",
         "AQ", "aq.txt"},
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

void T_fm::BuildFamilyPictures() {
    for (size_t i = 0; i < Families().size(); ++i) {
        const FamilyInfo& f = Families()[i];
        auto* box = new PictureBox(f.mode, aProducts);
        box->setObjectName(f.name);
        box->setGeometry(f.x, f.y, 80, 80);
        box->setCursor(Qt::PointingHandCursor);
        // The layout shows the excluded look until the first click.
        try {
            box->LoadDataFile(f.excluded);
        } catch (const FileError&) {
        }
        this->*f.control = box;
        connect(box, &PictureBox::clicked, this, [this, i] { FamilyClick(static_cast<int>(i)); });
        connect(box, &PictureBox::mouseMoved, this,
                [this, i] { FamilyMouseMove(static_cast<int>(i)); });
    }
    for (int y : {94, 200, 306})
        Etched(aProducts, true, 69, y, 608 - 69);
    Etched(aProducts, false, 284, 7, 80);
    for (int x : {204, 402})
        Etched(aProducts, false, x, 104, 80);
    for (int x : {177, 308, 428})
        Etched(aProducts, false, x, 216, 65);
    aProducts->setMouseTracking(true);
    aProducts->installEventFilter(this);
}

void T_fm::FamilyClick(int index) {
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
    Guarded([&] { (this->*f.control)->LoadDataFile(include ? f.included : f.excluded); });
}

void T_fm::FamilyMouseMove(int index) {
    const FamilyInfo& f = Families()[static_cast<size_t>(index)];
    if (ShownFamily == f.key)
        return;
    Guarded([&] {
        LoadDataTextFile(*re_products->document(), "txt\\" + LanguageCode + f.description);
        re_products->moveCursor(QTextCursor::Start);
        ShownFamily = f.key;
    });
}

void T_fm::Panel4MouseMove() {
    ShownFamily = "None";
    re_products->clear();
}

bool T_fm::ProductsPageEvent(QEvent* event) {
    if (event->type() != QEvent::MouseMove)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // Only the bare page: labels, lines, buttons and the box have no effect.
    if (!aProducts->childAt(mouse->position().toPoint()))
        Panel4MouseMove();
    return false;
}

void T_fm::bn_choose_productsClick() {
    const bool duct = FlagMT == "Y" || FlagMTZ == "Y" || FlagUDY == "Y" || FlagUDYZ == "Y";
    lb_ductType->setVisible(duct);
    cb_ducttype->setVisible(duct);
    cb_pressureType->setCurrentIndex(FlagEH == "Y" || FlagAQ == "Y" ? 0 : 1);
    ResetGrid();
    ShowPage(aInput);
}

} // namespace vd
