// SPDX-License-Identifier: GPL-3.0-or-later
// The module that writes SVG with Qt SVG, opened when an SVG is first asked for.
#include <QPainter>
#include <QSvgGenerator>

#include "drawing/loaded_modules.hpp"

extern "C" Q_DECL_EXPORT bool SatrivoxWriteSvg(QIODevice& device, QSize size, int resolution, const QString& title,
                                               const drawing::PaintPage& paint) {
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(resolution);
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("Drawn by Satrivox"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return false;
    }
    paint(painter, QRectF(QPointF(0, 0), size));
    return painter.end();
}
