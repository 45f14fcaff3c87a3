// The clipboard set-up window through its buttons, with the clipboard, the
// input dialog and the message boxes replaced by recorders.
#include "clip_fakes.h"
#include "frm_clip.h"
#include "qt_ui_services.h"
#include "results_grid.h"
#include "test_files.h"
#include "ui_seams.h"
#include "vd_variables.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>

using namespace vd;
using vdtest::Clipboard;
using vdtest::Input;
using vdtest::Messages;
using vdtest::ReadFile;
using vdtest::WriteFile;

namespace {

class FrmClipTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetVariables();
        AppDir = dir.path().string() + "/";
        WriteFile(dir / "clips/clip.txt",
                  "TModel\r\nFSpeed\r\nTEmpty Field [Price]\r\nTSupply\r\n");
        WriteFile(dir / "clips/desc.txt", "Fan model\r\nRated speed\r\nEmpty Field\r\nSupply\r\n");
        WriteFile(dir / "clips/cols.txt", "1\r\n6\r\n-1\r\n9\r\n");
        grid.SetRowCount(2);
        grid.SetCell(1, 1, "PW 200");
        grid.SetCell(6, 1, "2500");
        grid.SetCell(9, 1, "230/50/1");
        grid.SetCurrentRow(1);
    }
    void TearDown() override { ResetVariables(); }
    std::unique_ptr<TFrmClip> Start() {
        return std::make_unique<TFrmClip>(
            UiServices{.messages = &messages, .input = &input, .clipboard = &clipboard});
    }
    static void Click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    static std::string Details(const TFrmClip& w) { return w.memDesc->toPlainText().toStdString(); }
    static std::vector<std::string> Captions(const TFrmClip& w) {
        std::vector<std::string> out;
        for (int i = 0; i < w.LstClip->count(); ++i)
            out.push_back(w.LstClip->item(i)->text().toStdString() +
                          (w.LstClip->item(i)->checkState() == Qt::Checked ? "+" : "-"));
        return out;
    }

    vdtest::TempDir dir;
    ResultsGrid grid;
    Messages messages;
    Clipboard clipboard;
    Input input;
};

} // namespace

TEST_F(FrmClipTest, StartsWithTheListLoadedFirstEntrySelectedAndBothOptionsOn) {
    auto w = Start();
    EXPECT_EQ(w->windowTitle(), "Clipboard Setup");
    EXPECT_EQ(w->size(), QSize(392, 423));
    EXPECT_EQ(Captions(*w),
              (std::vector<std::string>{"Model+", "Speed-", "Empty Field [Price]+", "Supply+"}));
    EXPECT_EQ(w->LstClip->currentRow(), 0);
    EXPECT_EQ(Details(*w), "\nFan model");
    EXPECT_TRUE(w->chkSel->isChecked());
    EXPECT_TRUE(w->chkHead->isChecked());
    EXPECT_EQ(w->SpeedButton5->text(), "&Annotate Empty Field");
    EXPECT_EQ(w->SpeedButton5->geometry(), QRect(272, 280, 113, 33));
    EXPECT_EQ(w->SpeedButton6->geometry(), QRect(272, 240, 113, 33));
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(FrmClipTest, CopyFollowsTheOptionsAndTheCheckMarks) {
    auto w = Start();
    w->Do_Copy(grid);
    Click(w->chkHead);
    w->Do_Copy(grid);
    Click(w->chkSel);
    w->Do_Copy(grid);
    Click(w->chkSel);
    w->LstClip->item(0)->setCheckState(Qt::Unchecked); // as the list's check box does
    w->Do_Copy(grid);
    EXPECT_EQ(clipboard.texts,
              (std::vector<std::string>{
                  "Model\tEmpty Field [Price]\tSupply\t\nPW 200\t-\t230/50/1\t",
                  "PW 200\t-\t230/50/1\t", "PW 200\t2500\t-\t230/50/1\t", "-\t230/50/1\t"}));
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(FrmClipTest, BadColumnIsReportedAndTheClipboardKept) {
    WriteFile(dir / "clips/cols.txt", "1\r\nsix\r\n-1\r\n9\r\n");
    auto w = Start();
    Click(w->chkSel); // include the unchecked "six" entry
    w->Do_Copy(grid);
    EXPECT_TRUE(clipboard.texts.empty());
    EXPECT_EQ(messages.errors, (std::vector<std::string>{"'six' is not a valid integer value"}));
}

TEST_F(FrmClipTest, ClickingAnEntryShowsItsDetails) {
    auto w = Start();
    QListWidget* list = w->LstClip;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(w->SelectedIndex(), 2);
    EXPECT_EQ(Details(*w), "\nEmpty Field [Price]");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(Details(*w), "\nRated speed");
}

TEST_F(FrmClipTest, MoveButtonsKeepTheEntryTogetherAndStopAtTheEnds) {
    auto w = Start();
    w->LstClip->setCurrentRow(1);
    Click(w->SpeedButton1); // up
    EXPECT_EQ(Captions(*w),
              (std::vector<std::string>{"Speed-", "Model+", "Empty Field [Price]+", "Supply+"}));
    EXPECT_EQ(w->LstClip->currentRow(), 0);
    EXPECT_EQ(Details(*w), "\nRated speed");
    Click(w->SpeedButton1); // already first
    EXPECT_EQ(w->Fields()[0].Column, "6");
    Click(w->chkHead);
    Click(w->chkSel);
    w->Do_Copy(grid);
    EXPECT_EQ(clipboard.texts.back(), "2500\tPW 200\t-\t230/50/1\t");
    w->LstClip->setCurrentRow(3);
    Click(w->SpeedButton2); // already last
    Click(w->SpeedButton1);
    EXPECT_EQ(Captions(*w),
              (std::vector<std::string>{"Speed-", "Model+", "Supply+", "Empty Field [Price]+"}));
}

TEST_F(FrmClipTest, EmptyFieldsAreAddedAnnotatedAndDeleted) {
    auto w = Start();
    Click(w->SpeedButton4);
    EXPECT_EQ(w->LstClip->currentRow(), 4);
    EXPECT_EQ(Captions(*w).back(), "Empty Field+");
    EXPECT_EQ(Details(*w), "\nEmpty Field");

    input.answers = {"Delivery", ""};
    Click(w->SpeedButton5);
    EXPECT_EQ(Captions(*w).back(), "Empty Field [Delivery]+");
    EXPECT_EQ(Details(*w), "\nEmpty Field"); // refreshed only by the next selection
    Click(w->SpeedButton5);                  // cancelled: the bare caption with its blank
    EXPECT_EQ(Captions(*w).back(), "Empty Field +");
    EXPECT_EQ(input.asked,
              (std::vector<std::string>(2, "Annotate Empty Field|Annotate Empty Field:|")));

    Click(w->SpeedButton6);
    EXPECT_EQ(w->LstClip->count(), 4);
    EXPECT_EQ(w->LstClip->currentRow(), 3);
    EXPECT_EQ(Details(*w), "\nSupply");
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(FrmClipTest, OrdinaryEntriesAreNotEmptyFields) {
    auto w = Start();
    Click(w->SpeedButton5);
    Click(w->SpeedButton6);
    EXPECT_EQ(messages.errors, (std::vector<std::string>(2, "Not an Empty Field")));
    EXPECT_TRUE(input.asked.empty());
    EXPECT_EQ(w->LstClip->count(), 4);
    EXPECT_EQ(Captions(*w)[0], "Model+");
}

TEST_F(FrmClipTest, SaveWritesTheListOrReportsWhyNot) {
    auto w = Start();
    w->LstClip->item(1)->setCheckState(Qt::Checked);
    Click(w->SpeedButton3);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Saved"}));
    EXPECT_EQ(ReadFile(dir / "clips/clip.txt"),
              "TModel\r\nTSpeed\r\nTEmpty Field [Price]\r\nTSupply\r\n");

    std::filesystem::remove_all(dir / "clips");
    WriteFile(dir / "clips", "in the way");
    Click(w->SpeedButton3);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(FrmClipTest, LoadFailureKeepsWhatWasReadWithoutSelection) {
    std::filesystem::remove(dir / "clips/desc.txt");
    auto w = Start();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("desc.txt"), std::string::npos);
    EXPECT_EQ(w->LstClip->count(), 4);
    EXPECT_EQ(w->LstClip->currentRow(), -1);
    EXPECT_EQ(Details(*w), "");
    Click(w->SpeedButton1); // nothing selected: nothing happens
    Click(w->SpeedButton6);
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(FrmClipTest, ShowModalBlocksUntilClosed) {
    auto w = Start();
    bool wasModal = false;
    QTimer::singleShot(0, w.get(), [&] {
        wasModal = QApplication::activeModalWidget() == w.get();
        w->close();
    });
    w->ShowModal();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(w->isVisible());
}

// With the Qt services the window puts Unicode text on the system clipboard.
TEST_F(FrmClipTest, QtClipboardGetsTheTextDecoded) {
    WriteFile(dir / "clips/clip.txt", "TSFP kW/(m\xB3/s)\r\n");
    WriteFile(dir / "clips/desc.txt", "x\r\n");
    WriteFile(dir / "clips/cols.txt", "5\r\n");
    grid.SetCell(5, 1, "1.25");
    QtUiServices qt;
    TFrmClip w(qt.services());
    w.Do_Copy(grid);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("SFP kW/(m³/s)\t\n1.25\t"));
}
