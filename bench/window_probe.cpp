// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real window for whole-process measurements.
//   window_probe startup        exits once the first plot has been painted;
//                               time it with hyperfine for process start to first plot.
//   window_probe animate SECS   animates for SECS seconds at 10 ticks a second, then
//                               prints the CPU share used and the peak resident memory.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || (std::strcmp(argv[1], "startup") != 0 && std::strcmp(argv[1], "animate") != 0)) {
        std::fprintf(stderr, "usage: %s startup | animate SECONDS\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    Form1 form;
    form.show();
    if (std::strcmp(argv[1], "animate") == 0) {
        return Animate(application, form, argc > 2 ? std::stoi(argv[2]) : 10);
    }
    QApplication::processEvents();
    return 0;
}
