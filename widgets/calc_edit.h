#pragma once
// A numeric entry with a calculator button: the user types a number with the
// system's decimal separator, or works it out on the calculator, whose result
// replaces the text. `changed` fires for both.
#include <QLineEdit>

class QToolButton;

namespace vd {

class CalculatorPopup;

class TCalcEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TCalcEdit(QWidget* parent = nullptr);

    // Opens the calculator below the entry, starting from the entry's value.
    void OpenCalculator();
    // The calculator's result, as the popup hands it back.
    void AcceptResult(const QString& text);
    QToolButton* calculatorButton() const { return button_; }
    CalculatorPopup* popup() const { return popup_; }

  Q_SIGNALS:
    void changed();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* button_;
    CalculatorPopup* popup_ = nullptr;
};

} // namespace vd
