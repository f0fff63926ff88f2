// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QStringList>

#include <functional>

class QTextStream;

namespace app {

// Whether the arguments ask for the command line rather than the window:
// --events, --offsets, --help or --version, or an option only they take.
bool WantsCommandLine(const QStringList& arguments);
// Whether they ask for a picture (--chart), which needs a QGuiApplication.
bool PaintsAPicture(const QStringList& arguments);

// The program without a window, on a QCoreApplication (which must exist):
//   --events [WHEN] [--days N] [--utc] [--format text|csv|ics] [--all]
//   --offsets [WHEN] [--precise] [--csv] [--utc]
//   --chart [WHEN] [--days N] --output FILE [--mirror] [--where LAT,LON] [--grs-longitude DEG] [--no-grs]
//   --help, --version
// Writes the result to `out`, or one line naming the fault to `err` and nothing
// to `out`. Returns the exit status: 0, 2 for input it cannot take (an
// unknown option, an unreadable date, one outside the range, --days 0, an
// unknown format), 1 if the computation itself faults. `now` gives the
// present moment, for a missing WHEN and the calendar's time stamp.
int RunCommandLine(const QStringList& arguments, const std::function<QDateTime()>& now, QTextStream& out,
                   QTextStream& err);

}  // namespace app
