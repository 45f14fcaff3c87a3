#include "start_page.h"

#include "artwork_resources.h"
#include "noshape.h"
#include "vd_variables.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace vd {

StartPage::StartPage(UiServices services, QWidget* parent)
    : Page("aMain", false, services, parent) {
    im_logo = ArtPicture(this, "im_logo", artwork::kLogo, 3, 11, 500, 400);
    bn_about = NewButton("bn_about", 261, 29);
    bn_exit = NewButton("bn_exit", 477, 29);
    bn_company = NewButton("bn_company", 291, 79);
    bn_products = NewButton("bn_products", 447, 79);
    bn_contact = NewButton("bn_contact", 321, 129);

    struct Flag {
        QLabel** image;
        const char* name;
        const QString* resource;
        int top, height;
        const char* code;
        const char* language; // as its speakers name it, for screen readers
    };
    const Flag flags[] = {
        {&image_SW, "image_SW", &artwork::kFlagSw, 238, 40, "SW", "Svenska"},
        {&image_FI, "image_FI", &artwork::kFlagFi, 276, 40, "FI", "Suomi"},
        {&image_UK, "image_UK", &artwork::kFlagUk, 314, 39, "UK", "English"},
        {&image_IT, "image_IT", &artwork::kFlagIt, 354, 40, "IT", "Italiano"},
        {&image_FR, "image_FR", &artwork::kFlagFr, 394, 39, "FR", "Fran\u00E7ais"}};
    for (const Flag& f : flags) {
        *f.image = ArtPicture(this, f.name, *f.resource, 558, f.top, 58, f.height);
        (*f.image)->setAccessibleName(QString::fromUtf8(f.language));
        (*f.image)->setCursor(Qt::PointingHandCursor);
        (*f.image)->setProperty("languageCode", f.code);
        (*f.image)->installEventFilter(this);
    }
    FlagFrame = new QFrame(this);
    FlagFrame->setObjectName("FlagFrame");
    FlagFrame->setGeometry(558, 238, 58, 40);
    FlagFrame->setFrameShape(QFrame::Box);
    FlagFrame->setLineWidth(3);
    FlagFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    lb_build = Label(this, "lb_build", 50, 400, 80, 14);
}

void StartPage::MoveFlagFrame() {
    const std::pair<const char*, QLabel*> flags[] = {
        {"UK", image_UK}, {"SW", image_SW}, {"IT", image_IT}, {"FI", image_FI}, {"FR", image_FR}};
    for (const auto& [code, image] : flags)
        if (LanguageCode == code) {
            FlagFrame->move(FlagFrame->x(), image->y());
            return;
        }
}

bool StartPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        watched->property("languageCode").isValid()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* flag = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            flag->rect().contains(mouse->position().toPoint())) {
            Q_EMIT languageChosen(watched->property("languageCode").toString());
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

} // namespace vd
