// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <optional>

#include "drawing/loaded_modules.hpp"
#include "drawing/month_chart.hpp"

namespace drawing {

// A file a picture is written to, by its name's ending.
enum class ChartFormat { Pdf, Svg, Png };
std::optional<ChartFormat> ChartFormatOf(const QString& fileName);

// Writes what `paint` draws to `fileName`: PDF (one A4 portrait page, vector,
// its text as text), SVG (vector, `pixels` its size at 150 dpi) or PNG
// (`pixels`). The file appears whole or not at all: it is written beside and
// then renamed. Returns an empty string, or why it could not be written.
QString WritePicture(const QString& fileName, ChartFormat format, QSize pixels, const QString& title, const PaintPage& paint);

// The chart in paper's colours, as above; SVG and PNG 1240 x 1754, A4 at 150 dpi.
QString WriteChart(const MonthChart& chart, const QString& fileName, ChartFormat format);

}  // namespace drawing
