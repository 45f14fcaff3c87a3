#pragma once
// A numeric entry with a calculator button: the user types a number with the
// system's decimal separator, or works it out on the calculator, whose result
// replaces the text. `changed` fires for both. Typing and pasting take only
// what can form a number: digits, one system separator and a leading minus
// where the range allows negatives.
#include <QLineEdit>
#include <optional>

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
    // Limits the entry to [low, high]: a keystroke or paste that would leave
    // it outside is refused and a calculator result outside is brought to the
    // nearest bound, so the entry shows the value that will be used.
    void SetRange(long double low, long double high);
    std::optional<long double> low() const { return low_; }
    std::optional<long double> high() const { return high_; }
    QToolButton* calculatorButton() const { return button_; }
    CalculatorPopup* popup() const { return popup_; }

  Q_SIGNALS:
    void changed();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* button_;
    CalculatorPopup* popup_ = nullptr;
    std::optional<long double> low_, high_;
};

} // namespace vd
