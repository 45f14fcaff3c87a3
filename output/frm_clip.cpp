#include "frm_clip.h"

#include "clip_files.h"
#include "codepage.h"
#include "errors.h"
#include "paths.h"
#include "qt_text.h"
#include "results_grid.h"
#include "vd_variables.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace vd {

namespace {

constexpr int kItemHeight = 16;

// The check list's rows are a fixed 16 pixels, whatever the style would pick.
class FixedHeightDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(kItemHeight);
        return s;
    }
};

QFont ArialPixels(int px) {
    QFont f("Arial");
    f.setPixelSize(px);
    return f;
}

ClipFolders Folders() {
    return ClipFolders{std::filesystem::path(Cp1252ToUtf8(AppDir)), UserConfigDir()};
}

} // namespace

TFrmClip::TFrmClip(UiServices services, QWidget* parent, bool controlsNow)
    : QDialog(parent), services_(services) {
    setObjectName("FrmClip");
    if (controlsNow)
        Build();
    FormCreate();
}

void TFrmClip::EnsureControls() {
    if (LstClip)
        return;
    Build();
    ShowFields();
    if (detailsShown_)
        Updatedesc();
}

TFrmClip::~TFrmClip() = default;

void TFrmClip::Build() {
    setWindowTitle("Clipboard Setup");
    setFont(QFont("MS Sans Serif", 8));
    setFixedSize(392, 423);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    LstClip = new QListWidget(this);
    LstClip->setObjectName("LstClip");
    LstClip->setGeometry(8, 8, 257, 305);
    LstClip->setFont(ArialPixels(13));
    LstClip->setItemDelegate(new FixedHeightDelegate(LstClip));
    LstClip->setUniformItemSizes(true);
    connect(LstClip, &QListWidget::currentRowChanged, this, &TFrmClip::LstClipClick);
    connect(LstClip, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        LstClipCheck(LstClip->row(item), item->checkState() == Qt::Checked);
    });

    auto button = [this](QPushButton*& b, const char* name, const char* text, int top,
                         void (TFrmClip::*handler)()) {
        b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(272, top, 113, 33);
        // No button of this window is the default one: Enter must not save.
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
    };
    button(SpeedButton1, "SpeedButton1", "Move &Up", 8, &TFrmClip::SpeedButton1Click);
    button(SpeedButton2, "SpeedButton2", "Move Do&wn", 48, &TFrmClip::SpeedButton2Click);
    button(SpeedButton3, "SpeedButton3", "Save Fields", 136, &TFrmClip::SpeedButton3Click);
    button(SpeedButton4, "SpeedButton4", "Add &Empty Field", 200, &TFrmClip::SpeedButton4Click);
    button(SpeedButton6, "SpeedButton6", "&Delete Empty Field", 240, &TFrmClip::SpeedButton6Click);
    button(SpeedButton5, "SpeedButton5", "&Annotate Empty Field", 280,
           &TFrmClip::SpeedButton5Click);

    chkSel = new QCheckBox("&Selected Items Only", this);
    chkSel->setObjectName("chkSel");
    chkSel->setGeometry(8, 323, 161, 17);
    chkSel->setChecked(true);
    chkHead = new QCheckBox("Copy &Headings to Clipboard", this);
    chkHead->setObjectName("chkHead");
    chkHead->setGeometry(208, 323, 177, 17);
    chkHead->setChecked(true);

    Label1 = new QLabel("Details:", this);
    Label1->setObjectName("Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->move(8, 344);
    Label1->adjustSize();

    memDesc = new QTextEdit(this);
    memDesc->setObjectName("memDesc");
    memDesc->setGeometry(8, 360, 377, 57);
    memDesc->setFont(ArialPixels(13));
    memDesc->setReadOnly(true);
    memDesc->setAcceptRichText(false);
    QPalette pal = memDesc->palette();
    pal.setColor(QPalette::Base, QColor(192, 192, 192));
    memDesc->setPalette(pal);
}

void TFrmClip::FormCreate() {
    loadedFrom_ = ClipLoadFolder(Folders());
    ClipFieldsLoad load = LoadClipFields(loadedFrom_);
    editor_.fields = std::move(load.fields);
    unread_ = std::move(load.unread);
    editor_.Select(-1);
    detailsShown_ = load.error.empty();
    if (!detailsShown_) {
        // The entries read so far stay, with nothing selected and no details.
        if (LstClip) {
            ShowFields();
            memDesc->clear();
        }
        services_.messages->ShowError(load.error);
        return;
    }
    editor_.Select(0);
    if (LstClip) {
        ShowFields();
        Updatedesc();
    }
    if (!load.mismatch.empty())
        services_.messages->ShowError(load.mismatch);
}

ClipOptions TFrmClip::Options() const {
    // Both boxes start ticked; only the shown window can change them.
    if (!chkSel)
        return ClipOptions{};
    return ClipOptions{chkSel->isChecked(), chkHead->isChecked()};
}

void TFrmClip::Do_Copy(const ResultsGrid& grid) {
    try {
        services_.clipboard->SetText(BuildClipText(editor_.fields, grid, Options()));
    } catch (const ConversionError& e) {
        services_.messages->ShowError(e.what());
    }
}

void TFrmClip::ShowModal() {
    EnsureControls();
    setWindowModality(Qt::ApplicationModal);
    exec();
}

void TFrmClip::ShowFields() {
    const QSignalBlocker block(LstClip);
    LstClip->clear();
    for (const ClipField& f : editor_.fields) {
        auto* item = new QListWidgetItem(FromCp1252(f.Caption), LstClip);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(f.Included ? Qt::Checked : Qt::Unchecked);
    }
    LstClip->setCurrentRow(editor_.Selected());
}

void TFrmClip::Updatedesc() {
    // A blank first line, then the entry's text, centred.
    memDesc->setPlainText("\n" + FromCp1252(editor_.Details()));
    QTextCursor all(memDesc->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

void TFrmClip::LstClipClick(int row) {
    editor_.Select(row);
    Updatedesc();
}

void TFrmClip::LstClipCheck(int row, bool checked) {
    if (row >= 0 && row < static_cast<int>(editor_.fields.size()))
        editor_.fields[static_cast<std::size_t>(row)].Included = checked;
}

void TFrmClip::SpeedButton1Click() {
    if (editor_.MoveSelected(-1)) {
        ShowFields();
        Updatedesc();
    }
}

void TFrmClip::SpeedButton2Click() {
    if (editor_.MoveSelected(+1)) {
        ShowFields();
        Updatedesc();
    }
}

void TFrmClip::SpeedButton3Click() {
    try {
        RefuseToOverwriteUnread(unread_);
        const std::filesystem::path target = ClipSaveFolder(Folders(), loadedFrom_);
        SaveClipFields(editor_.fields, target);
        unread_.clear();
        loadedFrom_ = target;
    } catch (const FileError& e) {
        services_.messages->ShowError(e.what());
        return;
    }
    services_.messages->ShowMessage("Saved");
}

void TFrmClip::SpeedButton4Click() {
    editor_.AddEmptyField();
    ShowFields();
    Updatedesc();
}

void TFrmClip::SpeedButton5Click() {
    if (!editor_.SelectedField())
        return;
    if (!editor_.SelectedIsEmptyField()) {
        services_.messages->ShowError("Not an Empty Field");
        return;
    }
    // The answer starts empty, so a second note replaces the first; Cancel
    // leaves the bare "Empty Field ".
    const std::string note =
        services_.input->InputBox("Annotate Empty Field", "Annotate Empty Field:", std::string());
    editor_.AnnotateSelected(note);
    const QSignalBlocker block(LstClip);
    LstClip->item(editor_.Selected())->setText(FromCp1252(editor_.SelectedField()->Caption));
    // The details keep the old caption until the next selection.
}

void TFrmClip::SpeedButton6Click() {
    if (!editor_.SelectedField())
        return;
    if (!editor_.DeleteSelected()) {
        services_.messages->ShowError("Not an Empty Field");
        return;
    }
    ShowFields();
    Updatedesc();
}

} // namespace vd
