// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/chart_files.hpp"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "drawing/loaded_modules.hpp"

namespace drawing {
namespace {

constexpr int kFileResolution = 150;  // dots an inch, for the PNG and the SVG's units
const QSize kFilePixels(1240, 1754);  // A4 at that resolution
constexpr int kPdfResolution = 600;
constexpr double kPdfMarginMillimetres = 10.0;

QString Title(const MonthChart& chart) {
    return QStringLiteral("Jupiter's moons, %1").arg(ChartSpanName(chart.request));
}

bool Paint(QPaintDevice& device, const MonthChart& chart, const QRectF& page) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    PaintMonthChart(painter, ChartLayout(chart, page), chart, ChartColours::Paper);
    return painter.end();
}

bool WritePdf(QIODevice& file, const MonthChart& chart, bool letter) {
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Satrivox"));
    writer.setTitle(Title(chart));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres, kPdfMarginMillimetres,
                                               kPdfMarginMillimetres),
                                     QPageLayout::Millimeter));
    return Paint(writer, chart, QRectF(0, 0, writer.width(), writer.height()));
}

using WriteSvgFunction = bool (*)(QIODevice&, QSize, int, const QString&, const PaintPage&);

bool WriteSvg(QIODevice& file, const MonthChart& chart, QString& problem) {
    const auto write = reinterpret_cast<WriteSvgFunction>(ModuleFunction("satrivox-svg", "SatrivoxWriteSvg", problem));
    if (write == nullptr) {
        problem = QStringLiteral("SVG cannot be written: %1").arg(problem);
        return false;
    }
    return write(file, kFilePixels, kFileResolution, Title(chart), [&chart](QPainter& painter, const QRectF& page) {
        PaintMonthChart(painter, ChartLayout(chart, page), chart, ChartColours::Paper);
    });
}

bool WritePng(QIODevice& file, const MonthChart& chart) {
    QImage image(kFilePixels, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(kFileResolution / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return Paint(image, chart, QRectF(image.rect())) && image.save(&file, "PNG");
}

}  // namespace

std::optional<ChartFormat> ChartFormatOf(const QString& fileName) {
    const QString ending = QFileInfo(fileName).suffix().toLower();
    if (ending == QLatin1String("pdf")) {
        return ChartFormat::Pdf;
    }
    if (ending == QLatin1String("svg")) {
        return ChartFormat::Svg;
    }
    if (ending == QLatin1String("png")) {
        return ChartFormat::Png;
    }
    return std::nullopt;
}

QString WriteChart(const MonthChart& chart, const QString& fileName, ChartFormat format, bool letter) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    bool written = false;
    QString problem;
    switch (format) {
        case ChartFormat::Pdf:
            written = WritePdf(file, chart, letter);
            break;
        case ChartFormat::Svg:
            written = WriteSvg(file, chart, problem);
            break;
        case ChartFormat::Png:
            written = WritePng(file, chart);
            break;
    }
    if (!written || file.error() != QFileDevice::NoError) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                            : problem.isEmpty()                 ? QStringLiteral("the picture could not be drawn")
                                                                : problem;
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace drawing
