// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

#include "drawing/month_chart.hpp"

namespace drawing {

// A file the chart is written to, by its name's ending.
enum class ChartFormat { Pdf, Svg, Png };
std::optional<ChartFormat> ChartFormatOf(const QString& fileName);

// Writes the chart to `fileName` as one portrait page: PDF (A4 unless
// `letter`, vector, its text as text), SVG (vector) or PNG (1240 x 1754, A4 at
// 150 dpi). The file appears whole or not at all: it is written beside and
// then renamed. Returns an empty string, or why it could not be written.
QString WriteChart(const MonthChart& chart, const QString& fileName, ChartFormat format, bool letter = false);

}  // namespace drawing
