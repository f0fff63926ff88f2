// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace drawing {

// The chart's words, in the user's language: its page and its files' titles
// and messages, one context for the translators.
struct ChartWording {
    Q_DECLARE_TR_FUNCTIONS(ChartWording)
};

}  // namespace drawing
