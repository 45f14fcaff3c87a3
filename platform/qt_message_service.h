#pragma once
// Message boxes on Qt: one text and an OK button, titled with the
// application's title.
#include "ui_seams.h"

#include <memory>

class QDialog;
class QString;
class QWidget;

namespace vd {

// The application title, the title of every message box. Set as the
// application's name only: a display name is what the platform appends to
// every window title ("Vandrel Katalog — Vandrel Catalogue").
void SetApplicationTitle(const QString& title);

// The box a message is shown in, not yet shown. Each line of the text stays
// one line, however long: the family flag summary is read as one row.
std::unique_ptr<QDialog> MakeMessageBox(QWidget* parent, bool error, const QString& text);

class QtMessageService : public MessageService {
  public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;

  private:
    QWidget* parent_;
};

} // namespace vd
