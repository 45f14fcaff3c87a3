// The numeric entry takes, typed or pasted, only what can form a number in
// the system's format, and shows the value its range allows.
#include "calc_edit.h"
#include "calculator_popup.h"
#include "number_text.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vd;

class CalcEditTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
    std::string Typed(const char* keys) {
        edit.clear();
        QTest::keyClicks(&edit, keys);
        return edit.text().toStdString();
    }
    TCalcEdit edit;
};

TEST_F(CalcEditTest, TypingKeepsOnlyWhatCanFormANumber) {
    EXPECT_EQ(Typed("250Pa"), "250");
    EXPECT_EQ(Typed("0,5"), "05"); // "," is not the separator here
    EXPECT_EQ(Typed("1.2.3"), "1.23");
    EXPECT_EQ(Typed("1e3"), "13");
    EXPECT_EQ(Typed(" 7"), "7");
    EXPECT_EQ(Typed("-4"), "-4"); // a negative entry stays reachable: it has its message
    EXPECT_EQ(Typed("4-"), "4");
}

TEST_F(CalcEditTest, TheSeparatorIsTheSystems) {
    SetDecimalSeparator(',');
    EXPECT_EQ(Typed("0,5"), "0,5");
    EXPECT_EQ(Typed("0.5"), "05");
}

TEST_F(CalcEditTest, APasteThatCannotFormANumberIsNotTaken) {
    edit.setText("12");
    edit.setCursorPosition(2);
    QApplication::clipboard()->setText("3Pa");
    edit.paste();
    EXPECT_EQ(edit.text(), "12");
    QApplication::clipboard()->setText("3.5");
    edit.paste();
    EXPECT_EQ(edit.text(), "123.5");
}

TEST_F(CalcEditTest, ARangedEntryRefusesValuesOutsideAndBringsResultsToTheBound) {
    edit.SetRange(0, 100);
    EXPECT_EQ(Typed("200"), "20");
    EXPECT_EQ(Typed("-5"), "5");
    EXPECT_EQ(Typed("100"), "100");
    int changes = 0;
    QObject::connect(&edit, &TCalcEdit::changed, &edit, [&] { ++changes; });
    edit.OpenCalculator();
    for (const char* k : {"C", "2", "0", "0", "OK"})
        edit.popup()->key(k)->click();
    EXPECT_EQ(edit.text(), "100"); // at once, not only when the entry loses focus
    EXPECT_EQ(changes, 1);
    edit.OpenCalculator();
    for (const char* k : {"C", "5", "\u00B1", "OK"})
        edit.popup()->key(QString::fromUtf8(k))->click();
    EXPECT_EQ(edit.text(), "0");
}
