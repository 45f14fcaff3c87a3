#include "qt_print_service.h"

#include "picture.h"
#include "qpainter_canvas.h"
#include "qt_text.h"

#include <QPageLayout>
#include <QPrintDialog>

namespace vd {

std::unique_ptr<CanvasPicture> LoadPrintPicture(const std::string& path) {
    if (!path.empty() && path.front() == '/')
        return std::make_unique<QtCanvasPicture>(LoadPicture(path));
    return std::make_unique<QtCanvasPicture>(LoadDataPicture(path));
}

QtPrintService::QtPrintService(QWidget* parent) : parent_(parent) {}

QtPrintService::~QtPrintService() {
    FinishRun();
}

QPrinter& QtPrintService::printer() const {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrintService::ShowDialog() {
    QPrintDialog dialog(&printer(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Chosen();
    return true;
}

void QtPrintService::Chosen() {
    FinishRun();
    toFile_ =
        printer().outputFormat() == QPrinter::PdfFormat && !printer().outputFileName().isEmpty();
}

int QtPrintService::DpiX() const {
    return printer().resolution();
}
int QtPrintService::DpiY() const {
    return printer().resolution();
}

Canvas* QtPrintService::BeginJob(const std::string& title) {
    title_ = title;
    recording_ = std::make_unique<PageRecording>();
    return recording_.get();
}

Canvas* QtPrintService::BeginDialogJob() {
    title_.reset();
    recording_ = std::make_unique<PageRecording>();
    return recording_.get();
}

bool QtPrintService::StartPage() {
    if (painter_.isActive())
        return toFile_ && printer().newPage();
    if (title_) {
        printer().setDocName(FromCp1252(*title_));
        printer().setPageOrientation(QPageLayout::Portrait);
    }
    return painter_.begin(&printer());
}

void QtPrintService::EndJob() {
    const std::unique_ptr<PageRecording> page = std::move(recording_);
    if (!page || !StartPage())
        return;
    QPainterCanvas canvas(painter_, 0);
    page->Replay(canvas);
    // To a printer every printout is a job of its own.
    if (!toFile_)
        painter_.end();
}

void QtPrintService::AbortJob() {
    // Nothing of it reached the printer.
    recording_.reset();
}

void QtPrintService::FinishRun() {
    recording_.reset();
    if (painter_.isActive())
        painter_.end();
}

} // namespace vd
