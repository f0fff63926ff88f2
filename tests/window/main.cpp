// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

// Widgets run without a display, on two screens scaled 1 and 2 (times
// QT_SCALE_FACTOR), with a settings folder of their own; every test sees UTC
// unless it sets a zone.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SATRIVOX_TEST_SCREENS);
    qputenv("QT_SCREEN_SCALE_FACTORS", "ratio-1=1;ratio-2=2;ratio-1.25=1.25;ratio-1.5=1.5;ratio-1.75=1.75");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    ::setenv("TZ", "UTC", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
