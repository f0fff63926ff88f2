// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "window/form1.hpp"

namespace {

constexpr const char* kUsage = R"(Usage: %s [Qt options]
Shows where Jupiter's four great moons, Io, Europa, Ganymede and Callisto, stand
east or west of the planet for any local date and time, in one window.

Options:
  -h, --help   show this text and exit
  --version    show the version and exit
Satrivox has no options of its own beyond these; it takes Qt's standard ones,
such as -platform NAME, -style NAME, -reverse and -qwindowgeometry WxH+X+Y.
Any other argument is named once the window system is open, with status 2.

Environment:
  TZ               the time zone: a zone such as Europe/Paris, or a POSIX rule;
                   unset, the system's zone
  QT_SCALE_FACTOR  scales the window and its plot, for instance 1.5
  LC_ALL, LANG     the language of the calendar's month and day names; numbers
                   always use a decimal point
  DISPLAY, WAYLAND_DISPLAY  the display to open the window on
)";

struct HeldMessage {
    QtMsgType type;
    QByteArray category;  // null for a message of no category
    QString text;
};

QtMessageHandler defaultHandler = nullptr;
std::vector<HeldMessage> held;
const char* program = "satrivox";  // as the user ran it, for the hints

void Forward(QtMessageHandler handler, const HeldMessage& message) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.isNull() ? nullptr : message.category.constData());
    handler(message.type, context, message.text);
}

// The variable naming the display that Qt's X11 or Wayland plugin said it could
// not reach, or nullptr if neither did.
const char* UnreachableDisplayVariable() {
    for (const HeldMessage& message : held) {
        if (message.category == "qt.qpa.xcb" && message.text.startsWith(QLatin1String("could not connect to display"))) {
            return "DISPLAY";
        }
        if (message.category.startsWith("qt.qpa.wayland") && message.text.contains(QLatin1String("wl_display"))) {
            return "WAYLAND_DISPLAY";
        }
    }
    return nullptr;
}

// While Qt opens the platform, its messages are held back. If it fails because
// the display cannot be reached, one line says so instead of Qt's abort and its
// list of plugins; any other failure is Qt's to explain, in its own words.
void HoldWhileOpeningThePlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.push_back({type, QByteArray(context.category), text});
        return;
    }
    if (const char* variable = UnreachableDisplayVariable()) {
        const char* display = std::getenv(variable);
        if (display != nullptr && *display != '\0') {
            std::fprintf(stderr, "satrivox: cannot open the display %s; ", display);
        } else {
            std::fprintf(stderr, "satrivox: no display to open the window on (%s is not set); ", variable);
        }
        std::fprintf(stderr, "run it on a desktop, or under a virtual one: xvfb-run -a %s\n", program);
    } else {
        for (const HeldMessage& message : held) {
            Forward(defaultHandler, message);
        }
        defaultHandler(type, context, text);
    }
    std::_Exit(EXIT_FAILURE);
}

void ReleaseHeldMessages() {
    qInstallMessageHandler(defaultHandler);
    for (const HeldMessage& message : std::exchange(held, {})) {
        Forward(qt_message_output, message);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    program = argv[0];
    for (const std::string_view argument : std::vector<std::string_view>(argv + 1, argv + argc)) {
        if (argument == "--version") {
            std::printf("satrivox %s\n", SATRIVOX_VERSION);
            return EXIT_SUCCESS;
        }
        if (argument == "--help" || argument == "-h") {
            std::printf(kUsage, program);
            return EXIT_SUCCESS;
        }
    }
    defaultHandler = qInstallMessageHandler(HoldWhileOpeningThePlatform);
    QApplication application(argc, argv);
    ReleaseHeldMessages();
    // Qt has taken its own options out of argv; anything left is no option of ours.
    if (argc > 1) {
        const bool option = argv[1][0] == '-';
        std::fprintf(stderr, "satrivox: %s '%s'; see %s --help\n", option ? "unknown option" : "unexpected argument",
                     argv[1], program);
        return 2;
    }
    // The window's class and its Wayland application id name the desktop entry,
    // so docks and task switchers match the window to its launcher and icon.
    QApplication::setApplicationName(QStringLiteral("satrivox"));
    QGuiApplication::setDesktopFileName(QStringLiteral(SATRIVOX_APP_ID));
    Form1 form;
    form.show();
    return QApplication::exec();
}
