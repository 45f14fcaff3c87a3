#pragma once
// The printer on Qt: the standard print dialog and QPrinter jobs, to any CUPS
// printer or to a PDF file. A job is recorded while it is drawn and printed
// when it ends: to a printer as a job of its own, to a PDF file as the next
// page of the one file the dialog named.
#include "page_recording.h"
#include "print_service.h"

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <optional>

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
    Canvas* BeginDialogJob() override;
    void EndJob() override;
    void AbortJob() override;
    void FinishRun() override;

    // Made on first use: finding the printers takes longer than the window's
    // start-up, and most runs never print.
    QPrinter& printer() const;
    void setParent(QWidget* parent) { parent_ = parent; }

  protected:
    // Takes the printer's settings as the dialog left them.
    void Chosen();

  private:
    // Opens the printer's job or, in a file, the next page.
    bool StartPage();

    QWidget* parent_;
    mutable std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::unique_ptr<PageRecording> recording_;
    std::optional<std::string> title_; // none: as chosen in the dialog
    bool toFile_ = false;              // a PDF file chosen in the dialog
};

} // namespace vd
