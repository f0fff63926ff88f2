#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

// Widgets run without a display; every test sees UTC unless it sets a zone.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::setenv("TZ", "UTC", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
