#include "qt_print_service.h"

#include "picture.h"
#include "qpainter_canvas.h"
#include "qt_text.h"

#include <QFileInfo>
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
    if (painter_.isActive())
        painter_.end();
}

bool QtPrintService::ShowDialog() {
    QPrintDialog dialog(&printer_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosenFile_ =
        printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : QString();
    jobs_ = 0;
    return true;
}

int QtPrintService::DpiX() const {
    return printer_.resolution();
}
int QtPrintService::DpiY() const {
    return printer_.resolution();
}

Canvas* QtPrintService::BeginJob(const std::string& title) {
    printer_.setDocName(FromCp1252(title));
    printer_.setPageOrientation(QPageLayout::Portrait);
    // Each printout is a job of its own; printed to a file, the second and
    // third would overwrite the first, so they get files of their own.
    if (!chosenFile_.isEmpty() && jobs_ > 0) {
        QFileInfo f(chosenFile_);
        printer_.setOutputFileName(f.path() + "/" + f.completeBaseName() + "-" +
                                   QString::number(jobs_ + 1) + "." +
                                   (f.suffix().isEmpty() ? QString("pdf") : f.suffix()));
    }
    ++jobs_;
    if (!painter_.begin(&printer_))
        return nullptr;
    canvas_ = std::make_unique<QPainterCanvas>(painter_, 0);
    return canvas_.get();
}

void QtPrintService::EndJob() {
    canvas_.reset();
    painter_.end();
}

void QtPrintService::AbortJob() {
    canvas_.reset();
    printer_.abort();
    if (painter_.isActive())
        painter_.end();
}

} // namespace vd
