// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "window/form1.hpp"

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler defaultHandler = nullptr;
std::vector<HeldMessage> held;

const char* Display() {
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return nullptr;
}

// While Qt opens the display, its messages are held back: if it cannot, one
// line says so instead of Qt's abort with its list of platform plugins.
void HoldWhileOpeningTheDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    if (const char* display = Display()) {
        std::fprintf(stderr, "satrivox: cannot open the display %s; ", display);
    } else {
        std::fprintf(stderr, "satrivox: no display to open the window on (DISPLAY is not set); ");
    }
    std::fprintf(stderr, "run it on a desktop, or under a virtual one: xvfb-run -a satrivox\n");
    std::_Exit(EXIT_FAILURE);
}

void ReleaseHeldMessages() {
    qInstallMessageHandler(defaultHandler);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    defaultHandler = qInstallMessageHandler(HoldWhileOpeningTheDisplay);
    QApplication application(argc, argv);
    ReleaseHeldMessages();
    // The window's class and its Wayland application id name the desktop entry,
    // so docks and task switchers match the window to its launcher and icon.
    QApplication::setApplicationName(QStringLiteral("satrivox"));
    QGuiApplication::setDesktopFileName(QStringLiteral(SATRIVOX_APP_ID));
    Form1 form;
    form.show();
    return QApplication::exec();
}
