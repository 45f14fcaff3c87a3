#pragma once
// The company page: two pictures over the company's text and the inventor's.
#include "page.h"

namespace vd {

class CompanyPage : public Page {
    Q_OBJECT
  public:
    explicit CompanyPage(UiServices services, QWidget* parent = nullptr);

    QTextEdit *re_company = nullptr, *re_Inventor = nullptr;
    TNoShape* bn_factclose = nullptr;
};

} // namespace vd
