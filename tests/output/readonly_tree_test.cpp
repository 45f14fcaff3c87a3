// The program delivered into a folder its user cannot write (an installed
// tree): the field list is saved to the user's folder and read from there at
// the next start, and the delivered files stay as they were. Run as an
// ordinary user (the test's command drops root's rights first).
#include "clip_fakes.h"
#include "frm_clip.h"
#include "paths.h"
#include "test_files.h"
#include "ui_services.h"
#include "vd_variables.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vd;
using vdtest::Clipboard;
using vdtest::Input;
using vdtest::Messages;
using vdtest::ReadFile;
using vdtest::WriteFile;

namespace {

// Gives the folders back their write permission, so that the temporary
// folder can be removed whatever the test's outcome.
struct Writable {
    std::vector<std::filesystem::path> folders;
    ~Writable() {
        for (const auto& p : folders)
            chmod(p.c_str(), 0755);
    }
};

} // namespace

TEST(ReadOnlyTree, SaveGoesToTheUsersFolderAndIsReadFromThereNextTime) {
    vdtest::TempDir dir;
    const auto tree = dir / "share/vandrel-catalogue";
    const std::string clip = "TModel\r\nFSpeed\r\n", desc = "Fan model\r\nRated speed\r\n",
                      cols = "1\r\n6\r\n";
    WriteFile(tree / "clips/clip.txt", clip);
    WriteFile(tree / "clips/desc.txt", desc);
    WriteFile(tree / "clips/cols.txt", cols);
    Writable restore{{tree, tree / "clips"}};
    for (const auto& p : restore.folders)
        ASSERT_EQ(chmod(p.c_str(), 0555), 0);
    if (access((tree / "clips").c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write a read-only folder (root without setpriv)";

    const std::filesystem::path user = UserConfigDir();
    ASSERT_FALSE(user.empty());
    ResetVariables();
    AppDir = tree.string() + "/";
    Messages messages;
    Clipboard clipboard;
    Input input;
    {
        TFrmClip w(UiServices{.messages = &messages, .input = &input, .clipboard = &clipboard});
        w.LstClip->item(1)->setCheckState(Qt::Checked);
        QTest::mouseClick(w.SpeedButton3, Qt::LeftButton);
    }
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Saved"}));
    EXPECT_EQ(ReadFile(user / "clips/clip.txt"), "TModel\r\nTSpeed\r\n");
    EXPECT_EQ(ReadFile(user / "clips/desc.txt"), desc);
    EXPECT_EQ(ReadFile(user / "clips/cols.txt"), cols);
    EXPECT_EQ(ReadFile(tree / "clips/clip.txt"), clip);

    // The next start shows the user's list; a second save replaces it.
    TFrmClip again(UiServices{.messages = &messages, .input = &input, .clipboard = &clipboard});
    ASSERT_EQ(again.LstClip->count(), 2);
    EXPECT_EQ(again.LstClip->item(1)->checkState(), Qt::Checked);
    again.LstClip->item(0)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(again.SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(ReadFile(user / "clips/clip.txt"), "FModel\r\nTSpeed\r\n");
    EXPECT_EQ(ReadFile(tree / "clips/clip.txt"), clip);
    ResetVariables();
}
