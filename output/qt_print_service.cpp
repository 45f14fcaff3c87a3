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

QtPrintService::QtPrintService(QWidget* parent)
    : parent_(parent), printer_(QPrinter::HighResolution) {}

QtPrintService::~QtPrintService() {
    FinishRun();
}

bool QtPrintService::ShowDialog() {
    QPrintDialog dialog(&printer_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Chosen();
    return true;
}

void QtPrintService::Chosen() {
    FinishRun();
    toFile_ =
        printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty();
}

int QtPrintService::DpiX() const {
    return printer_.resolution();
}
int QtPrintService::DpiY() const {
    return printer_.resolution();
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
        return toFile_ && printer_.newPage();
    if (title_) {
        printer_.setDocName(FromCp1252(*title_));
        printer_.setPageOrientation(QPageLayout::Portrait);
    }
    return painter_.begin(&printer_);
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
