// What a screen reader is told about the main window, through Qt's
// accessibility interface (which the AT-SPI bridge serves on Linux).
#include "shell_fixture.h"

#include "codepage.h"
#include "language_texts.h"
#include "noshape.h"

#include <QAccessible>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using namespace vd;

namespace {

QAccessibleInterface* A(QObject* o) {
    return o ? QAccessible::queryAccessibleInterface(o) : nullptr;
}

QString Name(QObject* o) {
    QAccessibleInterface* a = A(o);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The labels that name a control, as AT-SPI's "labelled by".
QStringList LabelledBy(QObject* o) {
    QStringList out;
    for (const auto& [iface, rel] : A(o)->relations(QAccessible::Label))
        out << iface->text(QAccessible::Name);
    return out;
}

} // namespace

TEST_F(ShellTest, EveryPageButtonIsAPushButtonNamedByItsCaption) {
    T_fm& w = Start();
    const auto buttons = w.findChildren<TNoShape*>();
    ASSERT_EQ(buttons.size(), 28);
    for (TNoShape* b : buttons) {
        QAccessibleInterface* a = A(b);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Button) << b->objectName().toStdString();
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << b->objectName().toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), b->caption()) << b->objectName().toStdString();
    }
    // The names follow a language switch.
    auto* about = w.findChild<TNoShape*>("bn_about");
    const QString english = Name(about);
    w.SwitchLanguage("SW");
    EXPECT_EQ(Name(about), QString::fromStdString(Cp1252ToUtf8(LanguageText[0])));
    EXPECT_NE(Name(about), english);
}

TEST_F(ShellTest, FlagsAreNamedByTheirLanguages) {
    T_fm& w = Start();
    const std::pair<const char*, const char*> flags[] = {{"image_UK", "English"},
                                                         {"image_SW", "Svenska"},
                                                         {"image_FI", "Suomi"},
                                                         {"image_FR", "Fran\u00E7ais"},
                                                         {"image_IT", "Italiano"}};
    for (const auto& [name, language] : flags)
        EXPECT_EQ(Name(w.findChild<QWidget*>(name)), QString::fromUtf8(language)) << name;
}

TEST_F(ShellTest, FamilyPicturesAreCheckBoxesNamedByTheirGroup) {
    T_fm& w = Start();
    QWidget* pw = w.findChild<QWidget*>("im_pw");
    QAccessibleInterface* a = A(pw);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::CheckBox);
    EXPECT_EQ(a->text(QAccessible::Name), "Circular duct fans: PW");
    EXPECT_FALSE(a->state().checked);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(FlagPW, "Y");
    EXPECT_TRUE(a->state().checked);

    // Every picture has a name of its own, in the current language.
    QSet<QString> names;
    for (const char* n : {"im_pw", "im_mtzl", "im_mt", "Im_ghz", "im_ghj", "im_bnbq", "im_lw",
                          "im_udy", "im_uvj", "im_uvx", "im_eh", "im_aq"})
        names.insert(Name(w.findChild<QWidget*>(n)));
    EXPECT_EQ(names.size(), 12);
    w.SwitchLanguage("SW");
    EXPECT_TRUE(Name(pw).startsWith(QString::fromStdString(Cp1252ToUtf8(LanguageText[9]))));
}

TEST_F(ShellTest, EntriesAndListsAreLabelledByTheirLabels) {
    T_fm& w = Start();
    const std::pair<const char*, const char*> pairs[] = {{"se_volume", "lb_volume"},
                                                         {"se_pressure", "lb_pressure"},
                                                         {"se_dev", "lb_deviation"},
                                                         {"cb_supply", "lb_supply"},
                                                         {"cb_ducttype", "lb_ductType"}};
    for (const auto& [control, label] : pairs) {
        const QString text = w.findChild<QLabel*>(label)->text();
        ASSERT_FALSE(text.isEmpty()) << label;
        EXPECT_TRUE(LabelledBy(w.findChild<QWidget*>(control)).contains(text)) << control;
    }
    // An entry is named by its label too.
    EXPECT_EQ(Name(w.findChild<QWidget*>("se_volume")), w.findChild<QLabel*>("lb_volume")->text());
}

TEST_F(ShellTest, ResultsGridIsATableWithItsColumnHeadings) {
    T_fm& w = Start();
    auto* grid = w.findChild<QTableWidget*>("sg");
    ASSERT_NE(grid, nullptr);
    QAccessibleInterface* a = A(grid);
    EXPECT_EQ(a->role(), QAccessible::Table);
    QAccessibleTableInterface* table = a->tableInterface();
    ASSERT_NE(table, nullptr);
    // The headings a screen reader reads out with each cell.
    ASSERT_GE(table->columnCount(), 10);
    for (int c = 0; c < 10; ++c) {
        ASSERT_NE(grid->horizontalHeaderItem(c), nullptr);
        const QString heading = grid->horizontalHeaderItem(c)->text();
        ASSERT_FALSE(heading.isEmpty()) << c;
        QAccessibleInterface* head = nullptr;
        for (int i = 0; i < a->childCount(); ++i) {
            QAccessibleInterface* child = a->child(i);
            if (child && child->role() == QAccessible::ColumnHeader &&
                child->text(QAccessible::Name) == heading) {
                head = child;
                break;
            }
        }
        EXPECT_NE(head, nullptr) << "column " << c << " heading " << heading.toStdString();
    }
}

// The window's own keys (F10, Ctrl+P) see every key first; Space and Return
// still reach a focused page button.
TEST_F(ShellTest, SpaceOrReturnOnAFocusedPageButtonPressesIt) {
    T_fm& w = Start();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* about = w.findChild<TNoShape*>("bn_about");
    about->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about, Qt::Key_Space);
    EXPECT_EQ(w.CurrentPage(), w.about);
    auto* close = w.findChild<TNoShape*>("bn_closeabout");
    close->setFocus(Qt::TabFocusReason);
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_EQ(w.CurrentPage(), w.start);
}
