#pragma once
// Message boxes on Qt: one text and an OK button, titled with the
// application's title.
#include "ui_seams.h"

class QWidget;

namespace vd {

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
