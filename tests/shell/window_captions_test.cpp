// Captions, title and size of the main window: what a user sees of them in
// each language, after a start-up that stopped early, and when maximised.
#include "shell_fixture.h"

#include "captions.h"
#include "codepage.h"
#include "noshape.h"
#include "products_page.h"

#include <QApplication>
#include <QStackedWidget>

#include <map>

using namespace vd;

namespace {

QWidget* Control(T_fm& w, const char* name) {
    const auto found = w.findChildren<QWidget*>(QString::fromLatin1(name));
    return found.size() == 1 ? found.front() : nullptr;
}

} // namespace

TEST_F(ShellTest, EveryCaptionedControlShowsItsPlaceholderUntilALanguageIsApplied) {
    for (const char* missing : {"txt/vd_setup.txt", "txt/vd_lan.txt", "txt/UKAbout.txt"}) {
        SCOPED_TRACE(missing);
        SetUp();
        std::filesystem::remove(dir / missing);
        messages.errors.clear();
        T_fm& w = Start();
        EXPECT_EQ(messages.errors.size(), 1u);
        for (const WindowCaption& c : WindowCaptions()) {
            QWidget* control = Control(w, c.control);
            ASSERT_NE(control, nullptr) << c.control << " is not one control of the window";
            EXPECT_EQ(CaptionOf(control), QString::fromLatin1(c.placeholder)) << c.control;
        }
        EXPECT_EQ(w.windowTitle(), "xVandrel Catalogue");
        // The products page's two buttons are told apart.
        EXPECT_EQ(w.products->bn_closeproducts->caption(), "xClose");
        EXPECT_EQ(w.products->bn_choose_products->caption(), "xSelect");
    }
}

TEST_F(ShellTest, EveryCaptionAndTheTitleComeFromTheLanguageFileInEachLanguage) {
    const std::map<std::string, QString> titles = {
        {"UK", "Vandrel Catalogue"}, {"SW", "Vandrel Katalog"}, {"FI", "Vandrel-tuoteluettelo"}};
    for (const char* code : {"UK", "SW", "FI", "FR", "IT"}) {
        SCOPED_TRACE(code);
        Setup(code);
        T_fm& w = Start();
        ASSERT_TRUE(messages.errors.empty());
        for (const WindowCaption& c : WindowCaptions()) {
            const QString text =
                QString::fromStdString(Cp1252ToUtf8(LanguageText[static_cast<size_t>(c.entry)]));
            EXPECT_FALSE(text.isEmpty()) << c.control;
            EXPECT_EQ(CaptionOf(Control(w, c.control)), text) << c.control;
        }
        // Language text 249 alone.
        EXPECT_EQ(w.windowTitle(), QString::fromStdString(Cp1252ToUtf8(LanguageText[249])));
        if (titles.count(code)) {
            EXPECT_EQ(w.windowTitle(), titles.at(code));
        }
    }
}

TEST_F(ShellTest, MaximisedPagesGrowWhileEveryControlKeepsItsPlaceAndSize) {
    T_fm& w = Start();
    w.show();
    QApplication::processEvents();
    const QSize normal(632, 451);
    EXPECT_EQ(w.size(), normal);
    EXPECT_EQ(w.minimumSize(), normal) << "never smaller than the page panel";
    EXPECT_GT(w.maximumWidth(), 2000);
    EXPECT_GT(w.maximumHeight(), 2000);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMaximizeButtonHint);

    // Every control of every page, where the layout put it once shown (a label
    // without a size of its own takes its text's size when first shown).
    for (int i = 0; i < w._control->count(); ++i) {
        w.ShowPage(w._control->widget(i));
        QApplication::processEvents();
    }
    std::map<QWidget*, QRect> before;
    for (int i = 0; i < w._control->count(); ++i)
        for (QWidget* c : w._control->widget(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            before[c] = c->geometry();
    ASSERT_GT(before.size(), 100u);

    w.resize(1024, 740);
    QApplication::processEvents();
    EXPECT_EQ(w._control->geometry(), QRect(4, 4, 1016, 732));
    for (int i = 0; i < w._control->count(); ++i) {
        QWidget* page = w._control->widget(i);
        w.ShowPage(page);
        QApplication::processEvents();
        EXPECT_EQ(page->size(), QSize(1016, 732)) << page->objectName().toStdString();
        EXPECT_TRUE(page->autoFillBackground()); // the white panel grows with it
    }
    for (const auto& [control, geometry] : before)
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();

    w.resize(100, 100); // no smaller than the layout
    QApplication::processEvents();
    EXPECT_EQ(w.size(), normal);
}
