#pragma once
// The product range browser: twelve family pictures that include or exclude
// their families, and the family description on pointing.
#include "page.h"

class QLabel;
class QTextEdit;

namespace vd {

class PictureBox;

class ProductsPage : public Page {
    Q_OBJECT
  public:
    explicit ProductsPage(UiServices services, QWidget* parent = nullptr);

    TNoShape *bn_closeproducts = nullptr, *bn_choose_products = nullptr;
    QLabel *lb_cdf = nullptr, *lb_rdf = nullptr, *lb_rf = nullptr, *lb_wf = nullptr,
           *lb_idf = nullptr, *lb_ujv = nullptr, *lb_uxv = nullptr, *lb_aqeh = nullptr;
    QTextEdit* re_products = nullptr;
    PictureBox *im_pw = nullptr, *im_mtzl = nullptr, *im_mt = nullptr, *Im_ghz = nullptr,
               *im_ghj = nullptr, *im_bnbq = nullptr, *im_lw = nullptr, *im_udy = nullptr,
               *im_uvj = nullptr, *im_uvx = nullptr, *im_eh = nullptr, *im_aq = nullptr;

  protected:
    // Over the bare page (not a label, line, button or the box) the
    // description goes.
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void BuildFamilyPictures();
    void FamilyClick(int index);
    void FamilyMouseMove(int index);
    void Panel4MouseMove();
};

} // namespace vd
