#pragma once
// The calculator's window: a display and a keypad over Calculator.
#include "calculator.h"

#include <QFrame>
#include <map>

class QLabel;
class QPushButton;

namespace vd {

class CalculatorPopup : public QFrame {
    Q_OBJECT
  public:
    CalculatorPopup(char decimalSeparator, QWidget* parent = nullptr);

    void Start(long double value);
    const Calculator& calculator() const { return calc_; }
    // The key with this label ("7", "+", "=", "OK", "C", …).
    QPushButton* key(const QString& label) const;

  Q_SIGNALS:
    void accepted(const QString& result);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Press(const QString& label);
    void Refresh();
    Calculator calc_;
    char sep_;
    QLabel* display_;
    std::map<QString, QPushButton*> keys_;
};

} // namespace vd
