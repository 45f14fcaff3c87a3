#include "company_page.h"

#include "artwork_resources.h"
#include "noshape.h"

#include <QLabel>
#include <QTextEdit>

namespace vd {

CompanyPage::CompanyPage(UiServices services, QWidget* parent)
    : Page("aCompany", true, services, parent) {
    ArtPicture(this, "im_company1", artwork::kCompany1, 76, 21, 352, 220, true);
    ArtPicture(this, "im_company2", artwork::kCompany2, 448, 56, 153, 185, true);
    re_company = TextBox(this, "re_company", 76, 248, 349, 185, 13);
    re_Inventor = TextBox(this, "re_Inventor", 432, 248, 185, 185, 13);
    bn_factclose = NewButton("bn_factclose", 478, 10);
}

} // namespace vd
