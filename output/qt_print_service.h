#pragma once
// The printer on Qt: the standard print dialog and QPrinter jobs, to any CUPS
// printer or to a PDF file.
#include "print_service.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

class QWidget;

namespace vd {

class QPainterCanvas;
class CanvasPicture;

// A logo or picture for the printouts: an absolute path as it is (the data
// sheet's logo beside the program), otherwise a data path. FileError when it
// cannot be read.
std::unique_ptr<CanvasPicture> LoadPrintPicture(const std::string& path);

class QtPrintService : public PrintService {
  public:
    explicit QtPrintService(QWidget* parent = nullptr);
    ~QtPrintService() override;

    bool ShowDialog() override;
    int DpiX() const override;
    int DpiY() const override;
    Canvas* BeginJob(const std::string& title) override;
    void EndJob() override;
    void AbortJob() override;

    QPrinter& printer() { return printer_; }
    void setParent(QWidget* parent) { parent_ = parent; }

  private:
    QWidget* parent_;
    QPrinter printer_;
    QPainter painter_;
    std::unique_ptr<QPainterCanvas> canvas_;
    QString chosenFile_; // a PDF file chosen in the dialog
    int jobs_ = 0;       // jobs since the dialog
};

} // namespace vd
