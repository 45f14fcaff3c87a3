#include "about_page.h"

#include "artwork_resources.h"
#include "noshape.h"

#include <QLabel>
#include <QTextEdit>

namespace vd {

AboutPage::AboutPage(UiServices services, QWidget* parent)
    : Page("aAbout", true, services, parent) {
    lb_about = NewTitle("lb_about", 100, 16);
    ArtPicture(this, "im_about", artwork::kAbout, 100, 62, 154, 270);
    re_about = TextBox(this, "re_about", 284, 62, 320, 350, 13);
    bn_closeabout = NewButton("bn_closeabout", 478, 10);
}

} // namespace vd
