// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every message box it shows.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains("does not support propagateSizeHints")) {
        defaultHandler(type, context, message);
    }
}

}  // namespace

// Widgets run without a display, on two screens of pixel ratios 1 and 2 (times
// QT_SCALE_FACTOR); every test sees UTC unless it sets a zone.
int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(QuietMessageHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SATRIVOX_TEST_SCREENS);
    ::setenv("TZ", "UTC", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
