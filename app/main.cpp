// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "window/form1.hpp"

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt aborts with a long message when it cannot reach a display; say it plainly.
bool DisplayAvailable() {
    return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "satrivox: no display to open the window on (DISPLAY is not set); "
                     "run it on a desktop, or under a virtual one: xvfb-run -a %s\n",
                     argv[0]);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    // The window's class and its Wayland application id name the desktop entry,
    // so docks and task switchers match the window to its launcher and icon.
    QApplication::setApplicationName(QStringLiteral("satrivox"));
    QGuiApplication::setDesktopFileName(QStringLiteral(SATRIVOX_APP_ID));
    Form1 form;
    form.show();
    return QApplication::exec();
}
