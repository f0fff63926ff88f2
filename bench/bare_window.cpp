// SPDX-License-Identifier: GPL-3.0-or-later
// The floor that `window_probe startup` is measured against: a bare Qt window of
// the same size holding one label and one button, shown, painted and ended. Any
// window with words pays this much for Qt and its fonts.
#include <QApplication>
#include <QLabel>
#include <QPushButton>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(710, 286);
    QLabel label(QStringLiteral("Arcminutes"), &window);
    label.move(560, 16);
    QPushButton button(QStringLiteral("Plot"), &window);
    button.setGeometry(240, 8, 81, 33);
    window.show();
    QApplication::processEvents();
    return 0;
}
