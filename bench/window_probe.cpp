// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real window for whole-process measurements, with a settings folder
// of its own: it neither reads nor writes the user's view. It speaks the
// user's language as the program does (LANGUAGE=de window_probe ...).
//   window_probe startup        exits once the first plot has been painted;
//                               time it with hyperfine for process start to first plot.
//   window_probe animate SECS   animates for SECS seconds at 10 ticks a second, then
//                               prints the CPU share used and the peak resident memory.
//   window_probe screenshot PNG [mirrored] [names] [night] [precise] [south] [events] [chart] [telescope]
//                               after 30 ticks of an animation, writes the window as
//                               the screen shows it in that view (the README's pictures);
//                               with events, the events dialog for the picker's date;
//                               with chart, the month chart of the picker's month; with
//                               telescope, the telescope view at the picker's instant.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "translations/language.hpp"
#include "window/form1.hpp"

namespace {

double CpuSeconds(const rusage& usage) {
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int Animate(QApplication& application, Form1& form, int seconds) {
    form.findChild<QPushButton*>("Command2")->click();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = std::chrono::steady_clock::now();
    QTimer::singleShot(seconds * 1000, &application, &QApplication::quit);
    QApplication::exec();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("cpu share %.2f%% over %.1f s, peak resident memory %.1f MB\n",
                100.0 * (CpuSeconds(after) - CpuSeconds(before)) / wall, wall, after.ru_maxrss / 1024.0);
    return 0;
}

// Thirty ticks through the real handlers leave the picker on the next instant
// to plot, one step ahead of the drawing, as a user sees a running animation.
int Screenshot(Form1& form, const char* file, const std::vector<std::string>& view) {
    const std::map<std::string, const char*> actions{{"mirrored", "actionMirrorEastWest"}, {"names", "actionMoonNames"},
                                                     {"night", "actionNightColours"}, {"precise", "actionPrecisePositions"},
                                                     {"events", "actionEvents"}, {"chart", "actionMonthChart"},
                                                     {"telescope", "actionTelescopeView"}, {"south", "actionSouthUp"}};
    for (const std::string& option : view) {
        if (!actions.contains(option)) {
            std::fprintf(stderr, "no view '%s': mirrored, names, night, precise, south, events, chart or telescope\n",
                         option.c_str());
            return 2;
        }
        if (option != "events" && option != "chart" && option != "telescope") {
            form.findChild<QAction*>(actions.at(option))->trigger();
        }
    }
    form.findChild<QPushButton*>("Command2")->click();
    for (int tick = 0; tick < 30; ++tick) {
        QMetaObject::invokeMethod(form.findChild<QTimer*>("Timer1"), "timeout");
    }
    form.findChild<QPushButton*>("Command3")->click();
    QWidget* shown = &form;
    if (std::find(view.begin(), view.end(), "events") != view.end()) {
        form.findChild<QAction*>("actionEvents")->trigger();
        shown = form.findChild<QDialog*>("EventsDialog");
    }
    if (std::find(view.begin(), view.end(), "chart") != view.end()) {
        form.findChild<QAction*>("actionMonthChart")->trigger();
        shown = form.findChild<QWidget*>("monthChart");
    }
    if (std::find(view.begin(), view.end(), "telescope") != view.end()) {
        form.findChild<QAction*>("actionTelescopeView")->trigger();
        shown = form.findChild<QWidget*>("telescopeView");
    }
    QApplication::processEvents();
    return shown->grab().save(QString::fromLocal8Bit(file)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "startup" && mode != "animate" && !(mode == "screenshot" && argc > 2)) {
        std::fprintf(stderr, "usage: %s startup | animate SECONDS | screenshot FILE.png [mirrored] [names] [night] [precise] [south] [events] [chart] [telescope]\n",
                     argv[0]);
        return 2;
    }
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    translations::UsersLanguage language;
    QApplication application(argc, argv);
    language.Install();
    Form1 form;
    form.show();
    if (mode == "animate") {
        return Animate(application, form, argc > 2 ? std::stoi(argv[2]) : 10);
    }
    if (mode == "screenshot") {
        return Screenshot(form, argv[2], std::vector<std::string>(argv + 3, argv + argc));
    }
    QApplication::processEvents();
    return 0;
}
