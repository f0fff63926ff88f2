// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "command_line.hpp"
#include "translations/language.hpp"
#include "window/form1.hpp"

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;  // null for a message of no category
    QString text;
};

QtMessageHandler defaultHandler = nullptr;
std::vector<HeldMessage> held;
const char* program = "satrivox";  // as the user ran it, for the hints
// The user's language, loaded before Qt's application exists: its failing to
// open the display is said in it too.
const translations::UsersLanguage* language = nullptr;

QByteArray Said(const char* text) {
    return language->Translated("Startup", text).toLocal8Bit();
}

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
            std::fprintf(stderr, "satrivox: %s; ",
                         Said(QT_TRANSLATE_NOOP("Startup", "cannot open the display %1")).replace("%1", display).constData());
        } else {
            std::fprintf(stderr, "satrivox: %s; ",
                         Said(QT_TRANSLATE_NOOP("Startup", "no display to open the window on (%1 is not set)"))
                             .replace("%1", variable)
                             .constData());
        }
        std::fprintf(stderr, "%s\n",
                     Said(QT_TRANSLATE_NOOP("Startup", "run it on a desktop, or under a virtual one: xvfb-run -a %1"))
                         .replace("%1", program)
                         .constData());
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

// The command line's work, without a display: a core application, or for a
// chart a GUI one that paints offscreen, whatever display there is.
int RunWithoutAWindow(int argc, char* argv[], bool paints) {
    std::unique_ptr<QCoreApplication> application;
    if (paints) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Where no desktop session set XDG_RUNTIME_DIR (a cron job, a build
        // machine), the platform says so on opening; nothing of ours needs it.
        defaultHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
                defaultHandler(type, context, text);
            }
        });
        application = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(defaultHandler);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    translations::UsersLanguage words;
    words.Install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return app::RunCommandLine(QCoreApplication::arguments(), [] { return QDateTime::currentDateTimeUtc(); }, out, err);
}

}  // namespace

int main(int argc, char* argv[]) {
    program = argv[0];
    QCoreApplication::setApplicationName(QStringLiteral("satrivox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SATRIVOX_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (app::WantsCommandLine(arguments)) {
        return RunWithoutAWindow(argc, argv, app::PaintsAPicture(arguments));
    }
    translations::UsersLanguage words;
    language = &words;
    defaultHandler = qInstallMessageHandler(HoldWhileOpeningThePlatform);
    QApplication application(argc, argv);
    ReleaseHeldMessages();
    words.Install();
    // Qt has taken its own options out of argv; anything left is no option of ours.
    if (argc > 1) {
        const bool option = argv[1][0] == '-';
        const QString message = option ? QApplication::translate("Startup", "unknown option '%1'; see %2 --help")
                                       : QApplication::translate("Startup", "unexpected argument '%1'; see %2 --help");
        std::fprintf(stderr, "satrivox: %s\n",
                     message.arg(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(program)).toLocal8Bit().constData());
        return 2;
    }
    // The window's class and its Wayland application id name the desktop entry,
    // so docks and task switchers match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SATRIVOX_APP_ID));
    Form1 form;
    form.show();
    return QApplication::exec();
}
