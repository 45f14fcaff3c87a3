#pragma once
// The clipboard set-up window: which result columns the COPY button puts on
// the clipboard, in which order, under which captions. Created once at start,
// it loads the field list then; edits stay in memory until "Save Fields".
#include "clip_fields.h"
#include "clip_text.h"
#include "ui_services.h"

#include <QDialog>
#include <filesystem>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace vd {

class ResultsGrid;

class TFrmClip : public QDialog {
    Q_OBJECT
  public:
    // Uses the messages, input box and clipboard of `services`; loads the
    // field list: the user's copy when there is one, otherwise the one in
    // AppDir's clips folder.
    // With `controlsNow` off the controls are made when the window is first
    // shown: the field list is still loaded (and its failures reported) here.
    explicit TFrmClip(UiServices services, QWidget* parent = nullptr, bool controlsNow = true);
    ~TFrmClip() override;

    // Puts the grid's current row on the clipboard in the field list's
    // layout; the window need not be shown. A bad column text is reported and
    // leaves the clipboard as it was.
    void Do_Copy(const ResultsGrid& grid);
    // Shows the window modally; returns when the user closes it.
    void ShowModal();

    // Loads the three files into the list and selects the first entry.
    void FormCreate();

    const ClipFieldList& Fields() const { return editor_.fields; }
    int SelectedIndex() const { return editor_.Selected(); }
    ClipOptions Options() const;

    QListWidget* LstClip = nullptr;
    QPushButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                *SpeedButton4 = nullptr, *SpeedButton5 = nullptr, *SpeedButton6 = nullptr;
    QCheckBox *chkSel = nullptr, *chkHead = nullptr;
    QLabel* Label1 = nullptr;
    QTextEdit* memDesc = nullptr;

  private:
    void Build();
    // The controls, made and filled from the field list if not yet made.
    void EnsureControls();
    // Refills the check list from the field list and selects the editor's entry.
    void ShowFields();
    void Updatedesc();
    void LstClipClick(int row);
    void LstClipCheck(int row, bool checked);
    void SpeedButton1Click(); // Move Up
    void SpeedButton2Click(); // Move Down
    void SpeedButton3Click(); // Save Fields
    void SpeedButton4Click(); // Add Empty Field
    void SpeedButton5Click(); // Annotate Empty Field
    void SpeedButton6Click(); // Delete Empty Field

    UiServices services_;
    ClipFieldEditor editor_;
    // Field list files that loading did not read; saving must not replace them.
    std::vector<std::filesystem::path> unread_;
    // The folder the list was loaded from: the program's or the user's.
    std::filesystem::path loadedFrom_;
    // Loading went through, so the details box shows the selected entry.
    bool detailsShown_ = false;
};

} // namespace vd
