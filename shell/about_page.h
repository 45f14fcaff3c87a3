#pragma once
// The about page: a picture beside the text about the catalogue, under a title.
#include "page.h"

namespace vd {

class AboutPage : public Page {
    Q_OBJECT
  public:
    explicit AboutPage(UiServices services, QWidget* parent = nullptr);

    QLabel* lb_about = nullptr;
    QTextEdit* re_about = nullptr;
    TNoShape* bn_closeabout = nullptr;
};

} // namespace vd
