#include "errors.h"
#include "paths.h"
#include "test_files.h"

#include <cstdlib>

#include <gtest/gtest.h>

using namespace vd;

TEST(Paths, BackslashPathsResolveWithoutRegardToCase) {
    vdtest::TempDir dir;
    vdtest::WriteFile(dir / "clips/desc.txt", "x");
    vdtest::WriteFile(dir / "TXT/UKAbout.txt", "y");
    EXPECT_EQ(ResolveDataPath("clips\\Desc.txt", dir.path()), dir / "clips/desc.txt");
    EXPECT_EQ(ResolveDataPath("txt\\ukabout.TXT", dir.path()), dir / "TXT/UKAbout.txt");
    EXPECT_EQ(ResolveDataPath("dat/none.rec", dir.path()), dir / "dat/none.rec");
}

TEST(Paths, AnExactMatchWinsOverACaseInsensitiveOne) {
    vdtest::TempDir dir;
    vdtest::WriteFile(dir / "a/File.txt", "upper");
    vdtest::WriteFile(dir / "a/file.txt", "lower");
    EXPECT_EQ(ResolveDataPath("a\\file.txt", dir.path()), dir / "a/file.txt");
    EXPECT_EQ(ResolveDataPath("a\\File.txt", dir.path()), dir / "a/File.txt");
}

TEST(Paths, ReadingAFolderOrAMissingFileIsAFileError) {
    vdtest::TempDir dir;
    std::filesystem::create_directories(dir / "txt/vd_lan.txt");
    EXPECT_THROW(ReadWholeFileAt(dir / "txt/vd_lan.txt", "txt\\vd_lan.txt"), FileError);
    EXPECT_THROW(ReadWholeFileAt(dir / "missing", "missing"), FileError);
    vdtest::WriteFile(dir / "big", std::string(100, 'x'));
    EXPECT_THROW(ReadWholeFileAt(dir / "big", "big", 10), FileError);
}

TEST(Paths, LinesSplitAtAnyLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(DataTree, TheTreeBesideTheProgramWinsOverTheInstalledOne) {
    vdtest::TempDir dir;
    std::filesystem::create_directories(dir / "bin");
    std::filesystem::create_directories(dir / "share/vandrel-catalogue/dat");
    EXPECT_EQ(FindDataTree(dir / "bin"), dir / "share/vandrel-catalogue");
    // A build tree: the program and its data in one folder.
    std::filesystem::create_directories(dir / "bin/TXT");
    EXPECT_EQ(FindDataTree(dir / "bin"), dir / "bin");
}

TEST(DataTree, NoTreeLeavesPathsToTheCurrentDirectory) {
    vdtest::TempDir dir;
    std::filesystem::create_directories(dir / "bin");
    // A file named like the tree's folder is not a tree.
    vdtest::WriteFile(dir / "bin/dat", "");
    EXPECT_TRUE(FindDataTree(dir / "bin").empty());
    EXPECT_TRUE(FindDataTree({}).empty());
}

TEST(DataTree, UserFolderFollowsTheBaseDirectoryConvention) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";
    setenv("HOME", "/home/u", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(UserConfigDir(), std::filesystem::path("/cfg/vandrel-catalogue"));
    setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(UserConfigDir(), std::filesystem::path("/home/u/.config/vandrel-catalogue"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserConfigDir(), std::filesystem::path("/home/u/.config/vandrel-catalogue"));
    unsetenv("HOME");
    EXPECT_TRUE(UserConfigDir().empty());
    oldXdg ? setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    oldHome ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}
