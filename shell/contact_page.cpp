#include "contact_page.h"

#include "noshape.h"

#include <QLabel>
#include <QTextEdit>

namespace vd {

ContactPage::ContactPage(UiServices services, QWidget* parent)
    : Page("aContact", true, services, parent) {
    lb_contact = NewTitle("lb_contact", 102, 16);
    re_contact = TextBox(this, "re_contact", 102, 56, 483, 361, 15, false);
    bn_contclose = NewButton("bn_contclose", 478, 10);
}

} // namespace vd
