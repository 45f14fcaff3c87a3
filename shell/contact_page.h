#pragma once
// The contact page: the addresses to write to, under a title.
#include "page.h"

namespace vd {

class ContactPage : public Page {
    Q_OBJECT
  public:
    explicit ContactPage(UiServices services, QWidget* parent = nullptr);

    QLabel* lb_contact = nullptr;
    QTextEdit* re_contact = nullptr;
    TNoShape* bn_contclose = nullptr;
};

} // namespace vd
