// The one test main: GUI tests need a QApplication before any widget exists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef VD_TEST_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
    // What the program keeps for the user goes to a folder of this run, never
    // to the real user's configuration.
    std::string home = (std::filesystem::temp_directory_path() / "vdtest-config-XXXXXX").string();
    const bool ownHome = mkdtemp(home.data()) != nullptr;
    if (ownHome)
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    int rc = 0;
    {
#ifdef VD_TEST_WITH_QT
        QApplication app(argc, argv);
#endif
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    if (ownHome) {
        std::error_code ec;
        std::filesystem::remove_all(home, ec);
    }
    return rc;
}
