// The Qt printer service: printouts to a PDF file are the pages of that one
// file, an aborted printout leaves nothing behind, and the window print keeps
// what the dialog chose.
#include "errors.h"
#include "print_run.h"
#include "qt_print_service.h"
#include "test_files.h"

#include <QPageLayout>
#include <gtest/gtest.h>
#include <regex>

using namespace vd;

namespace {

// The service with the dialog answered as if the user confirmed it.
class ConfirmedPrinter : public QtPrintService {
  public:
    bool ShowDialog() override {
        Chosen();
        return true;
    }
};

int PdfPages(const std::filesystem::path& file) {
    const std::string pdf = vdtest::ReadFile(file);
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

void Draw(Canvas* c) {
    c->SetFontName("Arial");
    c->SetFontSize(10);
    c->TextOut(100, 100, "page");
}
void Fail(Canvas* c) {
    c->TextOut(10, 10, "half");
    throw FileError("Cannot open \"pics\\logo_text.wmf\"");
}

class QtPrintServiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(QString::fromStdString(file.string()));
        printer.printer().setResolution(150);
    }
    size_t FilesInDir() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                 std::filesystem::directory_iterator()));
    }
    vdtest::TempDir dir;
    std::filesystem::path file = dir / "quote.pdf";
    ConfirmedPrinter printer;
};

} // namespace

TEST_F(QtPrintServiceTest, PrintoutsToAPdfFileArePagesOfThatOneFile) {
    ASSERT_TRUE(printer.ShowDialog());
    EXPECT_TRUE(PrintJob(printer, "Job", Draw));
    EXPECT_FALSE(PrintJob(printer, "Job", Fail)); // aborted: no page of its own
    EXPECT_TRUE(PrintJob(printer, "Job", Draw));
    printer.FinishRun();
    EXPECT_EQ(PdfPages(file), 2);
    EXPECT_EQ(FilesInDir(), 1u);
    // The next dialog proposes the same file.
    EXPECT_EQ(printer.printer().outputFileName().toStdString(), file.string());
    // A second run writes the file anew.
    ASSERT_TRUE(printer.ShowDialog());
    EXPECT_TRUE(PrintJob(printer, "Job", Draw));
    printer.FinishRun();
    EXPECT_EQ(PdfPages(file), 1);
}

TEST_F(QtPrintServiceTest, OnlyAbortedPrintoutsLeaveNoFile) {
    ASSERT_TRUE(printer.ShowDialog());
    EXPECT_FALSE(PrintJob(printer, "Job", Fail));
    printer.FinishRun();
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(QtPrintServiceTest, TheWindowPrintKeepsTheDialogsOrientationAndTitle) {
    printer.printer().setPageOrientation(QPageLayout::Landscape);
    printer.printer().setDocName("Chosen");
    ASSERT_TRUE(printer.ShowDialog());
    EXPECT_TRUE(PrintDialogJob(printer, Draw));
    EXPECT_EQ(printer.printer().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.printer().docName(), "Chosen");
    EXPECT_EQ(PdfPages(file), 1); // finished: the file is complete
    // The printouts are portrait under their own title, whatever was chosen.
    ASSERT_TRUE(printer.ShowDialog());
    EXPECT_TRUE(PrintJob(printer, "Printout", Draw));
    printer.FinishRun();
    EXPECT_EQ(printer.printer().pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.printer().docName(), "Printout");
}
