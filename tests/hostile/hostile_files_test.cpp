// Every data file the window reads at start, for a chosen fan and for the
// clipboard set-up, missing, empty, a folder, unreadable or a gigabyte long:
// each gives a message naming the file, or is replaced as the window does for
// missing material, and the window goes on.
#include "hostile_fixture.h"

#include "frm_clip.h"
#include "picture_box.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace vd;
using namespace hostile;

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The damages a file can suffer here, the gigabyte among them.
enum class Harm { Missing, Empty, Directory, Unreadable, Gigabyte };
const Harm kHarms[] = {Harm::Missing, Harm::Empty, Harm::Directory, Harm::Unreadable,
                       Harm::Gigabyte};

const char* HarmName(Harm h) {
    return h == Harm::Gigabyte ? "Gigabyte" : Name(static_cast<Damage>(h));
}

void Apply(const fs::path& p, Harm h) {
    if (h == Harm::Gigabyte)
        Sparse(p, kGigabyte);
    else
        Spoil(p, static_cast<Damage>(h));
}

template <class P> std::string ParamName(const ::testing::TestParamInfo<P>& info) {
    std::string file = std::get<0>(info.param);
    std::string name;
    for (char c : file)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name + "_" + HarmName(std::get<1>(info.param));
}

} // namespace

// ---- start-up -------------------------------------------------------------------

class StartupFile : public ShellTest,
                    public ::testing::WithParamInterface<std::tuple<const char*, Harm>> {};

TEST_P(StartupFile, IsReportedByNameAndTheWindowGoesOn) {
    const std::string file = std::get<0>(GetParam());
    const Harm harm = std::get<1>(GetParam());
    Setup("UK");
    std::string path = file;
    std::replace(path.begin(), path.end(), '\\', '/');
    Apply(dir / path, harm);
    double seconds = 0;
    const long grown = PeakMemoryGrowthKb([&] { seconds = Timed([&] { Start(); }); });
    EXPECT_LT(seconds, 5);
    // A huge file is refused, not read: the window never holds a large part of it.
    if (harm == Harm::Gigabyte && grown >= 0) {
        EXPECT_LT(grown, 32 * 1024) << "kB more memory at the peak";
    }
    if (harm == Harm::Empty) {
        // An empty setup file names no language, so no quotation text either;
        // any other file may be empty.
        if (file == "txt\\vd_setup.txt") {
            ASSERT_EQ(messages.errors.size(), 1u);
            EXPECT_NE(messages.errors[0].find("language"), std::string::npos) << messages.errors[0];
        } else {
            EXPECT_TRUE(messages.errors.empty()) << messages.errors[0];
        }
    } else {
        ASSERT_EQ(messages.errors.size(), 1u);
        EXPECT_NE(messages.errors[0].find(file), std::string::npos) << messages.errors[0];
        if (harm == Harm::Gigabyte) {
            EXPECT_NE(messages.errors[0].find("too large"), std::string::npos)
                << messages.errors[0];
        }
    }
    // The window is alive and safe: no family is included.
    for (const auto& f : FamilyFlags())
        EXPECT_EQ(*f.flag, "N") << f.name;
    window->start->bn_about->click();
    EXPECT_EQ(window->CurrentPage(), window->about);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupFile,
    ::testing::Combine(::testing::Values("txt\\vd_setup.txt", "txt\\vd_lan.txt", "txt\\UKAbout.txt",
                                         "txt\\UKInv.txt", "txt\\UKcomp.txt", "txt\\UKcont.txt",
                                         "txt\\UKQuote.txt", "txt\\UKAddress.txt"),
                       ::testing::ValuesIn(kHarms)),
    ParamName<StartupFile::ParamType>);

// ---- a chosen fan's material ----------------------------------------------------------

class FanMaterial : public WindowTest,
                    public ::testing::WithParamInterface<std::tuple<const char*, Harm>> {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto recs = ThreeFans();
        for (auto& r : recs) {
            r.maint_file.assign("m.txt");
            r.spec_file.assign("s.txt");
            r.picture_file.assign("p.bmp");
        }
        Catalogue(recs);
        vdtest::WriteFile(dir / "wmf/d.wmf", SmallMetafile());
        vdtest::WriteFile(dir / "wmf/dr.wmf", SmallMetafile());
        vdtest::WriteFile(dir / "txt/UKm.txt", "Isolate the supply first.\r\n");
        vdtest::WriteFile(dir / "txt/UKs.txt", "{\\rtf1\\ansi Galvanised casing}");
        vdtest::WriteFile(dir / "bmp/bigp.bmp",
                          vdtest::ReadFixture(fs::path(VD_REAL_FIXTURES) / "bmp/bmp_8bit.bmp"));
        vdtest::WriteFile(dir / "bmp/p.bmp",
                          vdtest::ReadFixture(fs::path(VD_REAL_FIXTURES) / "bmp/bmp_4bit.bmp"));
    }
};

TEST_P(FanMaterial, IsReplacedOrReportedAndTheDiagramPageOpens) {
    const std::string file = std::get<0>(GetParam());
    const Harm harm = std::get<1>(GetParam());
    std::string path = file;
    std::replace(path.begin(), path.end(), '\\', '/');
    Apply(dir / path, harm);
    T_fm& w = Ready();
    double seconds = 0;
    const long grown =
        PeakMemoryGrowthKb([&] { seconds = Timed([&] { SelectAndOpenEveryRow(w); }); });
    EXPECT_LT(seconds, 10);
    if (harm == Harm::Gigabyte && grown >= 0) {
        EXPECT_LT(grown, 32 * 1024) << "kB more memory at the peak";
    }
    EXPECT_TRUE(messages.errors.empty()) << messages.errors[0];

    // What the row picture and the detail pages say about the file, once per
    // double click (three fans) or, for the row picture, once for the select.
    std::vector<std::string> expected;
    const bool emptyText = harm == Harm::Empty && file.ends_with(".txt");
    if (file == "bmp\\p.bmp")
        expected = {"Picture not found for this fan!"};
    else if (file == "bmp\\bigp.bmp")
        expected.assign(3, "Cannot find picture bigp.bmp");
    else if (file == "txt\\UKm.txt" && !emptyText)
        expected.assign(3, "Cannot find maintenance text UKm.txt");
    else if (file == "txt\\UKs.txt" && !emptyText)
        expected.assign(3, "Cannot find specification text UKs.txt");
    EXPECT_EQ(messages.shown, expected);
    // A drawing or diagram picture that cannot be shown gives way to the blank one.
    if (file == "wmf\\d.wmf") {
        EXPECT_EQ(w.diagram->im_diag->source(), "wmf\\blank.wmf");
    }
    if (file == "wmf\\dr.wmf") {
        EXPECT_EQ(w.diagram->im_draw->source(), "wmf\\blank.wmf");
    }
    // Painting the pages is part of showing them.
    for (QWidget* page : {w.diagram->aDiagram, w.diagram->aDrawing, w.diagram->aSpecification,
                          w.diagram->aMaintenance}) {
        w.ShowPage(page);
        EXPECT_FALSE(w.grab().isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, FanMaterial,
                         ::testing::Combine(::testing::Values("wmf\\d.wmf", "wmf\\dr.wmf",
                                                              "txt\\UKm.txt", "txt\\UKs.txt",
                                                              "bmp\\bigp.bmp", "bmp\\p.bmp"),
                                            ::testing::ValuesIn(kHarms)),
                         ParamName<FanMaterial::ParamType>);

TEST_F(WindowTest, ABlankMetafileThatCannotBeReadEndsTheDrawingWithAMessage) {
    for (Harm harm : kHarms) {
        Apply(dir / "wmf/blank.wmf", harm);
        messages.errors.clear();
        T_fm& w = Ready(); // the record names d.wmf and dr.wmf, which are missing
        SelectAndOpenEveryRow(w);
        ASSERT_EQ(messages.errors.size(), 3u) << HarmName(harm);
        EXPECT_NE(messages.errors[0].find("blank.wmf"), std::string::npos) << messages.errors[0];
        window.reset();
    }
}

// ---- the clipboard field list ------------------------------------------------------

namespace {

struct ClipMessages : MessageService {
    std::vector<std::string> shown, errors;
    void ShowMessage(const std::string& t) override { shown.push_back(t); }
    void ShowError(const std::string& t) override { errors.push_back(t); }
};
struct NoClipboard : ClipboardService {
    std::vector<std::string> texts;
    void SetText(const std::string& t) override { texts.push_back(t); }
};
struct NoInput : InputDialogService {
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};

const char* kClip = "TModel\r\nFSpeed\r\nTEmpty Field [Price]\r\nTSupply\r\n";
const char* kDesc = "Fan model\r\nRated speed\r\nEmpty Field\r\nSupply\r\n";
const char* kCols = "1\r\n6\r\n-1\r\n9\r\n";

} // namespace

class ClipFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetVariables();
        AppDir = dir.path().string() + "/";
        vdtest::WriteFile(dir / "clips/clip.txt", kClip);
        vdtest::WriteFile(dir / "clips/desc.txt", kDesc);
        vdtest::WriteFile(dir / "clips/cols.txt", kCols);
    }
    void TearDown() override { ResetVariables(); }
    std::unique_ptr<TFrmClip> Open() {
        return std::make_unique<TFrmClip>(
            UiServices{.messages = &messages, .input = &input, .clipboard = &clipboard});
    }
    vdtest::TempDir dir;
    ClipMessages messages;
    NoClipboard clipboard;
    NoInput input;
};

class SpoiltClipFile : public ClipFiles,
                       public ::testing::WithParamInterface<std::tuple<const char*, Harm>> {};

TEST_P(SpoiltClipFile, IsReportedByNameAndSavingLosesNoFileThatWasNotRead) {
    const std::string name = std::get<0>(GetParam());
    const Harm harm = std::get<1>(GetParam());
    Apply(dir / "clips" / name, harm);
    double seconds = 0;
    const long grown = PeakMemoryGrowthKb([&] {
        seconds = Timed([&] {
            auto w = Open();
            ASSERT_EQ(messages.errors.size(), 1u);
            const std::string& error = messages.errors[0];
            if (harm == Harm::Empty)
                EXPECT_NE(error.find("differ in length"), std::string::npos) << error;
            else
                EXPECT_NE(Lower(error).find(name), std::string::npos) << error;
            w->SpeedButton3->click(); // Save Fields
        });
    });
    EXPECT_LT(seconds, 5);
    if (harm == Harm::Gigabyte && grown >= 0) {
        EXPECT_LT(grown, 32 * 1024) << "kB more memory at the peak";
    }
    // What the files held before is still there: read and saved, or not touched.
    const std::pair<const char*, const char*> files[] = {
        {"clip.txt", kClip}, {"desc.txt", kDesc}, {"cols.txt", kCols}};
    for (const auto& [file, content] : files) {
        if (file == name)
            continue;
        const std::string now = vdtest::ReadFile(dir / "clips" / file);
        EXPECT_EQ(now.substr(0, std::strlen(content)), content) << file << " after saving";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, SpoiltClipFile,
                         ::testing::Combine(::testing::Values("clip.txt", "desc.txt", "cols.txt"),
                                            ::testing::ValuesIn(kHarms)),
                         ParamName<SpoiltClipFile::ParamType>);

TEST_F(ClipFiles, UnequalLengthsAreReportedAndASaveKeepsEveryLine) {
    vdtest::WriteFile(dir / "clips/desc.txt", "Fan model\r\nRated speed\r\n");
    vdtest::WriteFile(dir / "clips/cols.txt", "1\r\n6\r\n-1\r\n9\r\n12\r\n20\r\n");
    auto w = Open();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("differ in length"), std::string::npos) << messages.errors[0];
    EXPECT_EQ(w->LstClip->count(), 6);
    w->SpeedButton3->click();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Saved"});
    EXPECT_EQ(vdtest::ReadFile(dir / "clips/clip.txt"), std::string(kClip) + "F\r\nF\r\n");
    EXPECT_EQ(vdtest::ReadFile(dir / "clips/desc.txt"),
              "Fan model\r\nRated speed\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(vdtest::ReadFile(dir / "clips/cols.txt"), "1\r\n6\r\n-1\r\n9\r\n12\r\n20\r\n");
}

// ---- the product browser and the ancillaries page --------------------------------

class BrowserMaterial : public ShellTest, public ::testing::WithParamInterface<Harm> {};

TEST_P(BrowserMaterial, AFamilyPictureDescriptionOrAncillaryPictureIsReportedByName) {
    const Harm harm = GetParam();
    const std::string bmp = vdtest::ReadFixture(fs::path(VD_REAL_FIXTURES) / "bmp/bmp_24bit.bmp");
    for (const char* name : {"pw.bmp", "pw_r.bmp", "qms.bmp", "BRACKET.bmp"})
        vdtest::WriteFile(dir / "bmp" / name, bmp);
    vdtest::WriteFile(dir / "txt/UKpw.txt", "Circular duct fans\r\n");
    Apply(dir / "bmp/pw_r.bmp", harm);
    Apply(dir / "txt/UKpw.txt", harm);
    Apply(dir / "bmp/qms.bmp", harm);
    Setup("UK");
    T_fm& w = Start();
    ASSERT_TRUE(messages.errors.empty()) << messages.errors[0];

    // A click includes the family even when its included look cannot be shown.
    QTest::mouseClick(w.products->im_pw, Qt::LeftButton);
    EXPECT_EQ(FlagPW, "Y");
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("bmp\\pw_r.bmp"), std::string::npos) << messages.errors[0];
    EXPECT_EQ(w.products->im_pw->source(), "bmp\\pw.bmp");

    // Hovering shows the description; an empty one is an empty text.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5),
                     w.products->im_pw->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.products->im_pw, &move);
    if (harm == Harm::Empty) {
        EXPECT_EQ(messages.errors.size(), 1u);
        EXPECT_EQ(ShownFamily, "PW");
    } else {
        ASSERT_EQ(messages.errors.size(), 2u);
        EXPECT_NE(messages.errors[1].find("txt\\UKpw.txt"), std::string::npos)
            << messages.errors[1];
    }

    // The first ancillary's picture, then one that loads.
    FanRecord = vdtest::MakeFan(1, "PW", "x", {1}, {0});
    w.ShowPage(w.diagram);
    w.diagram->bn_ancillary->click();
    const size_t before = messages.errors.size();
    Q_EMIT w.ancillary->list_ancil->itemClicked(w.ancillary->list_ancil->item(0));
    ASSERT_EQ(messages.errors.size(), before + 1);
    EXPECT_NE(messages.errors.back().find("bmp\\qms.bmp"), std::string::npos)
        << messages.errors.back();
    ASSERT_EQ(w.ancillary->list_ancil->count(), 19);
    Q_EMIT w.ancillary->list_ancil->itemClicked(w.ancillary->list_ancil->item(8)); // the bracket
    EXPECT_EQ(messages.errors.size(), before + 1);
    EXPECT_EQ(w.ancillary->im_anc->source(), "bmp\\BRACKET.bmp");
}

INSTANTIATE_TEST_SUITE_P(Harms, BrowserMaterial, ::testing::ValuesIn(kHarms),
                         [](const auto& info) { return std::string(HarmName(info.param)); });
