// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

#include <functional>

class QPainter;
class QRectF;

namespace drawing {

// What draws one page onto a painter, within a rectangle of it.
using PaintPage = std::function<void(QPainter&, const QRectF&)>;

// Writing SVG (Qt SVG) and printing (Qt Print Support) live in modules of
// their own, opened the first time they are asked for: linked into the
// program, their libraries' loading and symbol binding cost five per cent of
// its start-up. An installed program looks for them where they are installed
// with it (../lib/<triplet>/satrivox), a program of the build in the build.
//
// The function `symbol` of the module `name` ("satrivox-svg"), or nullptr and
// why not in `problem`.
QFunctionPointer ModuleFunction(const char* name, const char* symbol, QString& problem);

}  // namespace drawing
