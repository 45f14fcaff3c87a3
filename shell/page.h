#pragma once
// What the pages of the main window share: a white panel of the page stack,
// most with the coloured strip down its left side, titles and hot-spot
// buttons of one look, and file-reading steps whose failure is reported
// instead of thrown. Positions are pixels on the 624 × 443 page panel.
#include "errors.h"
#include "ui_services.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;

namespace vd {

class TNoShape;

// Runs a step that reads files; reports a file or conversion error and says
// whether the step went through.
template <class F> bool RunGuarded(MessageService& messages, F&& step) {
    try {
        step();
        return true;
    } catch (const FileError& e) {
        messages.ShowError(e.what());
    } catch (const ConversionError& e) {
        messages.ShowError(e.what());
    }
    return false;
}

class Page : public QWidget {
    Q_OBJECT
  public:
    // `banner`: the strip down the left side.
    Page(const char* name, bool banner, UiServices services, QWidget* parent = nullptr);

    // The page title, navy and bold.
    QLabel* NewTitle(const char* name, int x, int y);
    // A hot-spot button with the button picture; the caller connects it.
    TNoShape* NewButton(const char* name, int x, int y);

  protected:
    template <class F> bool Guarded(F&& step) {
        return RunGuarded(*services_.messages, std::forward<F>(step));
    }

    UiServices services_;
};

// Layout helpers for the pages' controls.
QFont Arial(int pixels, bool bold = false);
QLabel* ArtPicture(QWidget* parent, const char* name, const QString& resource, int x, int y, int w,
                   int h, bool scaled = false);
QLabel* Label(QWidget* parent, const char* name, int x, int y, int w = 0, int h = 0);
QTextEdit* TextBox(QWidget* parent, const char* name, int x, int y, int w, int h, int fontPixels,
                   bool border = true);
QLineEdit* Edit(QWidget* parent, const char* name, int x, int y, int w, int h = 19);
QComboBox* List(QWidget* parent, const char* name, int x, int y, int w);

} // namespace vd
