// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/chart_files.hpp"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

#include "chart_wording.hpp"

namespace drawing {
namespace {

constexpr int kFileResolution = 150;  // dots an inch, for the PNG and the SVG's units
const QSize kChartPixels(1240, 1754);  // A4 at that resolution
constexpr int kPdfResolution = 600;
constexpr double kPdfMarginMillimetres = 10.0;

QString Title(const MonthChart& chart) {
    return ChartWording::tr("Jupiter's moons, %1").arg(ChartSpanName(chart.request));
}

PaintPage OnPaper(const MonthChart& chart) {
    return [&chart](QPainter& painter, const QRectF& page) {
        PaintMonthChart(painter, ChartLayout(chart, page), chart, ChartColours::Paper);
    };
}

bool Paint(QPaintDevice& device, const QRectF& page, const PaintPage& paint) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    paint(painter, page);
    return painter.end();
}

bool WritePdf(QIODevice& file, const QString& title, const PaintPage& paint) {
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Satrivox"));
    writer.setTitle(title);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres, kPdfMarginMillimetres,
                                               kPdfMarginMillimetres),
                                     QPageLayout::Millimeter));
    return Paint(writer, QRectF(0, 0, writer.width(), writer.height()), paint);
}

using WriteSvgFunction = bool (*)(QIODevice&, QSize, int, const QString&, const PaintPage&);

bool WriteSvg(QIODevice& file, QSize pixels, const QString& title, const PaintPage& paint, QString& problem) {
    const auto write = reinterpret_cast<WriteSvgFunction>(ModuleFunction("satrivox-svg", "SatrivoxWriteSvg", problem));
    if (write == nullptr) {
        problem = ChartWording::tr("SVG cannot be written: %1").arg(problem);
        return false;
    }
    return write(file, pixels, kFileResolution, title, paint);
}

bool WritePng(QIODevice& file, QSize pixels, const PaintPage& paint) {
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(kFileResolution / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return Paint(image, QRectF(image.rect()), paint) && image.save(&file, "PNG");
}

// `write` into a file that appears whole or not at all: written beside, then renamed.
QString Saved(const QString& fileName, const std::function<bool(QIODevice&, QString&)>& write) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    QString problem;
    if (!write(file, problem) || file.error() != QFileDevice::NoError) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                            : problem.isEmpty()                 ? ChartWording::tr("the picture could not be drawn")
                                                                : problem;
        file.cancelWriting();
        return why;
    }
    return file.commit() ? QString() : file.errorString();
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

QString WritePicture(const QString& fileName, ChartFormat format, QSize pixels, const QString& title, const PaintPage& paint) {
    return Saved(fileName, [&](QIODevice& file, QString& problem) {
        switch (format) {
            case ChartFormat::Pdf:
                return WritePdf(file, title, paint);
            case ChartFormat::Svg:
                return WriteSvg(file, pixels, title, paint, problem);
            case ChartFormat::Png:
                break;
        }
        return WritePng(file, pixels, paint);
    });
}

QString WriteChart(const MonthChart& chart, const QString& fileName, ChartFormat format) {
    return WritePicture(fileName, format, kChartPixels, Title(chart), OnPaper(chart));
}

}  // namespace drawing
