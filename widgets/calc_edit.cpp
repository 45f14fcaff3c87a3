#include "calc_edit.h"

#include "calculator_popup.h"
#include "number_text.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>
#include <cmath>

namespace vd {

namespace {

// Accepts what is, or can be typed on into, a number of the entry's range in
// the system's format. The separator is asked for at each check, as the
// entries live as long as the program and tests change it.
class NumberTextValidator : public QValidator {
  public:
    explicit NumberTextValidator(TCalcEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        const QChar sep = QChar::fromLatin1(DecimalSepText()[0]);
        const bool negatives = !edit_->low() || *edit_->low() < 0;
        bool seenSep = false, seenDigit = false;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            const bool digit = c >= u'0' && c <= u'9';
            const bool point = c == sep && !seenSep;
            const bool minus = c == u'-' && i == 0 && negatives;
            if (!digit && !point && !minus)
                return Invalid;
            seenDigit = seenDigit || digit;
            seenSep = seenSep || point;
        }
        if (!seenDigit)
            return Intermediate;
        const auto v = ParseDecimal(input.toStdString(), sep.toLatin1());
        if (!v)
            return Intermediate; // "-" or a lone separator, on the way to a number
        if ((edit_->high() && *v > *edit_->high()) || (edit_->low() && *v < *edit_->low()))
            return Invalid;
        return Acceptable;
    }

  private:
    const TCalcEdit* edit_;
};

} // namespace

TCalcEdit::TCalcEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new NumberTextValidator(this));
    button_ = new QToolButton(this);
    button_->setObjectName("calculatorButton");
    button_->setText(QString::fromUtf8("\u2026"));
    button_->setToolTip(tr("Calculator"));
    button_->setCursor(Qt::ArrowCursor);
    button_->setFocusPolicy(Qt::NoFocus);
    connect(button_, &QToolButton::clicked, this, &TCalcEdit::OpenCalculator);
    connect(this, &QLineEdit::textEdited, this, [this] { Q_EMIT changed(); });
    setTextMargins(0, 0, 18, 0);
}

void TCalcEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    button_->setGeometry(width() - 19, 1, 18, height() - 2);
}

void TCalcEdit::OpenCalculator() {
    const char sep = DecimalSepText()[0];
    if (!popup_) {
        popup_ = new CalculatorPopup(sep, this);
        connect(popup_, &CalculatorPopup::accepted, this, &TCalcEdit::AcceptResult);
    }
    auto v = ParseDecimal(text().toStdString(), sep);
    popup_->Start(v ? *v : 0);
    popup_->move(mapToGlobal(QPoint(0, height())));
    popup_->show();
    popup_->setFocus();
}

void TCalcEdit::SetRange(long double low, long double high) {
    low_ = low;
    high_ = high;
}

void TCalcEdit::AcceptResult(const QString& result) {
    const char sep = DecimalSepText()[0];
    const auto v = ParseDecimal(result.toStdString(), sep);
    std::optional<long double> bound;
    if (v && high_ && *v > *high_)
        bound = high_;
    else if (v && low_ && *v < *low_)
        bound = low_;
    if (bound)
        setText(QString::fromStdString(FormatFixed(*bound, *bound == std::floor(*bound) ? 0 : 2)));
    else
        setText(result);
    Q_EMIT changed();
}

CalculatorPopup::CalculatorPopup(char sep, QWidget* parent)
    : QFrame(parent, Qt::Popup), calc_(sep), sep_(sep) {
    setObjectName("calculatorPopup");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(3);
    display_ = new QLabel("0", this);
    display_->setObjectName("display");
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFrameShape(QFrame::StyledPanel);
    display_->setMinimumHeight(22);
    display_->setAutoFillBackground(true);
    QPalette p = display_->palette();
    p.setColor(QPalette::Window, Qt::white);
    display_->setPalette(p);
    grid->addWidget(display_, 0, 0, 1, 4);
    const QString point(QChar::fromLatin1(sep));
    const QString rows[5][4] = {{"C", "\u2190", "\u00B1", "/"},
                                {"7", "8", "9", "*"},
                                {"4", "5", "6", "-"},
                                {"1", "2", "3", "+"},
                                {"0", point, "=", "OK"}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) {
            const QString label = rows[r][c];
            auto* b = new QPushButton(label, this);
            b->setFixedSize(32, 24);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QPushButton::clicked, this, [this, label] { Press(label); });
            grid->addWidget(b, r + 1, c);
            keys_[label] = b;
        }
}

QPushButton* CalculatorPopup::key(const QString& label) const {
    auto it = keys_.find(label);
    return it == keys_.end() ? nullptr : it->second;
}

void CalculatorPopup::Start(long double value) {
    calc_.SetValue(value);
    Refresh();
}

void CalculatorPopup::Refresh() {
    display_->setText(QString::fromStdString(calc_.Display()));
}

void CalculatorPopup::Press(const QString& label) {
    if (label.size() == 1 && label[0].isDigit()) {
        calc_.Digit(label[0].digitValue());
    } else if (label == QString(QChar::fromLatin1(sep_)) || label == ".") {
        calc_.Point();
    } else if (label == "+" || label == "-" || label == "*" || label == "/") {
        calc_.Operator(label[0].toLatin1());
    } else if (label == "=") {
        calc_.Equals();
    } else if (label == "C") {
        calc_.Clear();
    } else if (label == "\u2190") {
        calc_.Backspace();
    } else if (label == "\u00B1") {
        calc_.Negate();
    } else if (label == "OK") {
        calc_.Equals();
        if (!calc_.HasError()) {
            hide();
            Q_EMIT accepted(QString::fromStdString(calc_.Display()));
        }
        Refresh();
        return;
    }
    Refresh();
}

void CalculatorPopup::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Press("OK");
    else if (event->key() == Qt::Key_Escape)
        hide();
    else if (event->key() == Qt::Key_Backspace)
        Press("\u2190");
    else if (t == "," || t == ".")
        Press(QString(QChar::fromLatin1(sep_)));
    else if (t.size() == 1 && (t[0].isDigit() || QString("+-*/=").contains(t)))
        Press(t);
    else
        QFrame::keyPressEvent(event);
}

} // namespace vd
