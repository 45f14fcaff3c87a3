// The one test main: GUI tests need a QApplication before any widget exists.
#include <gtest/gtest.h>

#ifdef VD_TEST_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef VD_TEST_WITH_QT
    QApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
