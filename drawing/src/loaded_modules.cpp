// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/loaded_modules.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace drawing {

QFunctionPointer ModuleFunction(const char* name, const char* symbol, QString& problem) {
    // A program of the build (the program, its tests, its benchmarks) takes
    // the build's modules; an installed one only those installed with it.
    const QString program = QCoreApplication::applicationDirPath();
    const QString folder = program.startsWith(QStringLiteral(SATRIVOX_BUILD_ROOT) + QLatin1Char('/'))
                               ? QStringLiteral(SATRIVOX_BUILD_MODULES)
                               : QDir(program).filePath(QStringLiteral(SATRIVOX_MODULES_FROM_PROGRAM));
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(name)));
    // Loaded, it stays for the rest of the run: QLibrary unloads only when told to.
    QFunctionPointer function = module.load() ? module.resolve(symbol) : nullptr;
    if (function == nullptr) {
        problem = module.errorString();
    }
    return function;
}

}  // namespace drawing
