#pragma once
// The start page: the logo, the buttons to the other pages and the flags that
// switch the language, with a frame around the current language's flag.
#include "page.h"

class QFrame;
class QLabel;

namespace vd {

class StartPage : public Page {
    Q_OBJECT
  public:
    explicit StartPage(UiServices services, QWidget* parent = nullptr);

    // Moves the frame to the flag of LanguageCode; an unknown code leaves it.
    void MoveFlagFrame();

    TNoShape *bn_about = nullptr, *bn_exit = nullptr, *bn_company = nullptr, *bn_products = nullptr,
             *bn_contact = nullptr;
    QLabel *image_SW = nullptr, *image_FI = nullptr, *image_UK = nullptr, *image_IT = nullptr,
           *image_FR = nullptr;
    QFrame* FlagFrame = nullptr;
    QLabel* lb_build = nullptr;
    QLabel* im_logo = nullptr;

  Q_SIGNALS:
    // A left click released over a flag.
    void languageChosen(const QString& code);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vd
