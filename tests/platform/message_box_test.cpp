// The message box and the application title as the window system sees them.
#include "qt_message_service.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>

namespace {

// The family flag summary as F10 shows it right after start: 95 characters.
const QString kSummary = "PW: N,BNBQ: N,MT: N,MTZ: N,MTZL: N,GHJ: N,GHZ: N,UDY: N,UDYZ: N,UVJ: N,"
                         "UVX: N,LW: N,EH: N,AQ: N";

TEST(MessageBox, LongLineStaysOneLine) {
    ASSERT_EQ(kSummary.size(), 95);
    for (bool error : {false, true}) {
        auto box = vd::MakeMessageBox(nullptr, error, kSummary);
        box->show();
        QApplication::processEvents();
        auto* label = box->findChild<QLabel*>("message_text");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), kSummary);
        const QFontMetrics fm(label->font());
        EXPECT_GE(label->width(), fm.horizontalAdvance(kSummary));
        EXPECT_FALSE(label->wordWrap());
        EXPECT_LT(label->sizeHint().height(), 2 * fm.lineSpacing()) << "the summary wraps";
        EXPECT_GE(box->width(), label->width());
        EXPECT_EQ(box->findChild<QLabel*>("message_icon") != nullptr, error);
    }
}

TEST(MessageBox, LinesOfAMultiLineTextKeepTheirBreaks) {
    auto box = vd::MakeMessageBox(nullptr, true, "Cannot open file\ntxt\\vd_lan.txt");
    box->show();
    QApplication::processEvents();
    auto* label = box->findChild<QLabel*>("message_text");
    const QFontMetrics fm(label->font());
    EXPECT_GE(label->sizeHint().height(), 2 * fm.height());
    EXPECT_LT(label->sizeHint().height(), 3 * fm.lineSpacing());
}

TEST(ApplicationTitle, TitlesMessageBoxesAndIsNotAppendedToWindowTitles) {
    const QString before = QApplication::applicationName();
    vd::SetApplicationTitle("Vandrel Catalogue");
    EXPECT_EQ(vd::MakeMessageBox(nullptr, false, "Saved")->windowTitle(), "Vandrel Catalogue");
    // No display name of its own: the display name follows the name. A set
    // display name is what the platform adds to every window's title.
    QApplication::setApplicationName("probe");
    EXPECT_EQ(QApplication::applicationDisplayName(), "probe");
    QApplication::setApplicationName(before);
}

} // namespace
