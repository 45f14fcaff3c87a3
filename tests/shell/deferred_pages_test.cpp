// A window whose pages are made when first used must tell the user the same
// things in the same order at start-up, and its pages, once opened, must show
// what they show when made with the window.
#include "shell_fixture.h"

#include "calc_edit.h"
#include "frm_clip.h"
#include "noshape.h"
#include "picture_box.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include <map>

using namespace vd;

namespace {

// What a user can see of every named control of the pages, by name.
std::map<std::string, std::string> Snapshot(QWidget& window) {
    std::map<std::string, std::string> out;
    for (QWidget* c : window.findChildren<QWidget*>()) {
        // Qt's own parts of a control share their names.
        if (c->objectName().isEmpty() || c->objectName().startsWith("qt_") ||
            qobject_cast<TFrmClip*>(c) || qobject_cast<TFrmClip*>(c->window()))
            continue;
        QString seen;
        const QRect g = c->geometry();
        seen += QString("%1,%2 %3x%4 %5|")
                    .arg(g.x())
                    .arg(g.y())
                    .arg(g.width())
                    .arg(g.height())
                    .arg(c->isHidden());
        if (auto* b = qobject_cast<TNoShape*>(c))
            seen += b->caption();
        else if (auto* l = qobject_cast<QLabel*>(c))
            seen += l->text();
        else if (auto* a = qobject_cast<QAbstractButton*>(c))
            seen += a->text() + (a->isChecked() ? "+" : "-");
        else if (auto* e = qobject_cast<QLineEdit*>(c))
            seen += e->text();
        else if (auto* t = qobject_cast<QTextEdit*>(c))
            seen += t->toPlainText() + QString::number(t->textCursor().position());
        else if (auto* p = qobject_cast<QPlainTextEdit*>(c))
            seen += p->toPlainText();
        else if (auto* box = qobject_cast<QComboBox*>(c)) {
            for (int i = 0; i < box->count(); ++i)
                seen += box->itemText(i) + ";";
            seen += QString::number(box->currentIndex());
        } else if (auto* list = qobject_cast<QListWidget*>(c)) {
            for (int i = 0; i < list->count(); ++i)
                seen += list->item(i)->text() + (list->item(i)->checkState() ? "+;" : "-;");
        } else if (auto* table = qobject_cast<QTableWidget*>(c)) {
            for (int col = 0; col < table->columnCount(); ++col)
                if (auto* h = table->horizontalHeaderItem(col))
                    seen += h->text() + ";";
            seen += QString::number(table->rowCount());
        } else if (auto* picture = qobject_cast<PictureBox*>(c))
            seen += QString::fromStdString(picture->source());
        out[c->objectName().toStdString()] += seen.toStdString();
    }
    return out;
}

struct Case {
    const char* code;
    const char* remove = nullptr;      // a file start-up does not find
    const char* switchTo = nullptr;    // a flag click before any page is opened
    const char* removeLater = nullptr; // a file the flag click does not find
};

struct Outcome {
    std::vector<std::string> errorsAtStart, errors, shown;
    std::map<std::string, std::string> controls;
    std::string flags, language;
    QString title;
    int pagesBeforeUse = 0;
};

class DeferredPagesTest : public ShellTest {
  protected:
    Outcome Run(PageBuilding building, const Case& c) {
        window.reset();
        SetUp();
        Setup(c.code);
        if (c.remove)
            std::filesystem::remove(dir / c.remove);
        messages = RecordingMessages{};
        window = std::make_unique<T_fm>(UiServices{.messages = &messages}, nullptr, building);
        window->FormCreate();
        Outcome o;
        o.errorsAtStart = messages.errors;
        o.pagesBeforeUse = window->_control->count();
        if (c.removeLater)
            std::filesystem::remove(dir / c.removeLater);
        if (c.switchTo)
            window->SwitchLanguage(c.switchTo);
        // Open every page as a user would, the last one first.
        for (QWidget* page :
             {static_cast<QWidget*>(window->print), static_cast<QWidget*>(window->about),
              static_cast<QWidget*>(window->company), static_cast<QWidget*>(window->contact),
              static_cast<QWidget*>(window->products)})
            window->ShowPage(page);
        window->ShowPage(window->start);
        o.errors = messages.errors;
        o.shown = messages.shown;
        o.controls = Snapshot(*window);
        o.flags = FlagSummary();
        o.language = LanguageCode;
        o.title = window->windowTitle();
        return o;
    }
};

} // namespace

TEST_F(DeferredPagesTest, PagesMadeOnFirstUseShowWhatPagesMadeAtOnceShow) {
    const Case cases[] = {
        {"UK"},
        {"SW"},
        {"FI"},
        {"UK", "txt/vd_setup.txt"},
        {"UK", "txt/vd_lan.txt"},
        {"UK", "txt/UKAbout.txt"},
        {"UK", "txt/UKcomp.txt"},
        {"UK", "txt/UKAddress.txt"},
        {"FR", "txt/FRQuote.txt"},
        {"DE"},
        // Language switches before the pages are opened, one of them stopping
        // at a missing file.
        {"UK", nullptr, "SW"},
        {"UK", nullptr, "SW", "txt/SWcomp.txt"},
        {"UK", "txt/UKAddress.txt", "FI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + (c.remove ? c.remove : "") + " " +
                     (c.switchTo ? c.switchTo : "") + " " + (c.removeLater ? c.removeLater : ""));
        const Outcome atOnce = Run(PageBuilding::AtOnce, c);
        const Outcome later = Run(PageBuilding::OnFirstUse, c);
        EXPECT_EQ(later.errorsAtStart, atOnce.errorsAtStart);
        EXPECT_EQ(later.errors, atOnce.errors);
        EXPECT_EQ(later.shown, atOnce.shown);
        EXPECT_EQ(later.flags, atOnce.flags);
        EXPECT_EQ(later.language, atOnce.language);
        EXPECT_EQ(later.title, atOnce.title);
        EXPECT_EQ(later.pagesBeforeUse, 1) << "only the start page before any other is opened";
        EXPECT_EQ(atOnce.pagesBeforeUse, 13);
        ASSERT_EQ(later.controls.size(), atOnce.controls.size());
        for (const auto& [name, seen] : atOnce.controls) {
            ASSERT_TRUE(later.controls.count(name)) << name;
            EXPECT_EQ(later.controls.at(name), seen) << name;
        }
    }
}

TEST_F(DeferredPagesTest, APageIsMadeWhenItsButtonOpensItAndNavigatesAsBefore) {
    window = std::make_unique<T_fm>(UiServices{.messages = &messages}, nullptr,
                                    PageBuilding::OnFirstUse);
    T_fm& w = *window;
    w.FormCreate();
    ASSERT_FALSE(w.about.built());
    w.show();
    QApplication::processEvents();
    w.start->bn_about->click();
    ASSERT_TRUE(w.about.built());
    EXPECT_EQ(w.CurrentPage(), w.about);
    // Its pictures are read as it shows.
    QApplication::processEvents();
    EXPECT_FALSE(w.about->findChild<QLabel*>("im_about")->pixmap().isNull());
    EXPECT_FALSE(w.about->findChild<QLabel*>("im_banner")->pixmap().isNull());
    EXPECT_EQ(w.about->bn_closeabout->caption(), "Close");
    EXPECT_FALSE(w.about->re_about->toPlainText().isEmpty());
    w.about->bn_closeabout->click();
    EXPECT_EQ(w.CurrentPage(), w.start);

    // The way to the input page goes through the products page; the grid
    // shows the headings of the start-up language.
    w.start->bn_products->click();
    EXPECT_FALSE(w.input.built());
    w.products->bn_choose_products->click();
    EXPECT_EQ(w.CurrentPage(), w.input);
    EXPECT_EQ(w.input->se_dev->text(), "15");
    EXPECT_EQ(w.input->sgModel.Cell(0, 0), LanguageText[22]);
    EXPECT_FALSE(w.diagram.built());
    w.input->bn_Smain->click();
    EXPECT_EQ(w.CurrentPage(), w.start);
    EXPECT_TRUE(messages.errors.empty());
}

namespace {
struct NoClipboard : ClipboardService {
    void SetText(const std::string&) override {}
};
} // namespace

TEST_F(DeferredPagesTest, TheClipboardWindowLoadsItsFieldsAtStartAndMakesItsControlsWhenShown) {
    std::filesystem::copy(std::filesystem::path(VD_DATA_SRC) / "clips", dir / "clips");
    NoClipboard clipboard;
    const UiServices services{.messages = &messages, .clipboard = &clipboard};
    window = std::make_unique<T_fm>(services, nullptr, PageBuilding::AtOnce);
    window->FormCreate();
    TFrmClip* eager = window->input->FrmClip;
    ASSERT_NE(eager, nullptr);
    const int rows = eager->LstClip->count();
    const QString details = eager->memDesc->toPlainText();
    const auto errors = messages.errors;
    ASSERT_GT(rows, 0);

    window.reset();
    messages = RecordingMessages{};
    window = std::make_unique<T_fm>(services, nullptr, PageBuilding::OnFirstUse);
    window->FormCreate();
    EXPECT_EQ(messages.errors, errors);
    TFrmClip* lazy = window->input->FrmClip;
    ASSERT_NE(lazy, nullptr);
    EXPECT_EQ(lazy->LstClip, nullptr);
    EXPECT_EQ(lazy->Fields().size(), static_cast<size_t>(rows));
    EXPECT_TRUE(lazy->Options().selectedOnly);
    EXPECT_TRUE(lazy->Options().headings);
    QTimer::singleShot(0, lazy, [lazy] { lazy->reject(); });
    lazy->ShowModal();
    ASSERT_NE(lazy->LstClip, nullptr);
    EXPECT_EQ(lazy->LstClip->count(), rows);
    EXPECT_EQ(lazy->LstClip->currentRow(), 0);
    EXPECT_EQ(lazy->memDesc->toPlainText(), details);
}
