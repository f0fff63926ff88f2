// SPDX-License-Identifier: GPL-3.0-or-later
// The module that prints with Qt Print Support, opened when printing is first asked for.
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "drawing/loaded_modules.hpp"

namespace {

bool PrintOn(QPrinter& printer, const drawing::PaintPage& paint) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    paint(painter, QRectF(QPointF(0, 0), area.size()));
    return painter.end();
}

}  // namespace

// Qt's print dialog, portrait, the page the printer says; false if cancelled or failed.
extern "C" Q_DECL_EXPORT bool SatrivoxPrint(QWidget* parent, const QString& document, const drawing::PaintPage& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(document);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted && PrintOn(printer, paint);
}

// The same printing into a PDF file on a page of `size`, as a printer without its dialog.
extern "C" Q_DECL_EXPORT bool SatrivoxPrintToFile(const QString& file, int size, const drawing::PaintPage& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(size)));
    printer.setPageOrientation(QPageLayout::Portrait);
    return PrintOn(printer, paint);
}
