// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace window {

// Dim red on black in every colour role and state, with no green or blue light
// in any of them, for eyes adapted to the dark.
QPalette NightPalette();

// A picture as night colours show it: each pixel's brightness in dim red.
QImage NightTinted(const QImage& picture);

// Puts the application in night colours and takes them back: its palette, which
// its windows and pop-ups take (menus, the calendar, message boxes), the palette
// of each widget that sets its own, and the icons of their buttons.
class NightColours {
public:
    NightColours() = default;
    NightColours(const NightColours&) = delete;
    NightColours& operator=(const NightColours&) = delete;
    ~NightColours() { Restore(); }

    // The application, each widget with the colour its text takes at night, and
    // the icons of every button in `form`.
    void Apply(QWidget& form, const std::vector<std::pair<QWidget*, QColor>>& widgets);
    void Restore();

private:
    struct SavedPalette {
        QPointer<QWidget> widget;
        QPalette palette;
        bool ownPalette;  // set on the widget itself, not inherited
    };
    struct SavedIcon {
        QPointer<QAbstractButton> button;
        QIcon icon;
    };
    std::optional<QPalette> application_;
    std::vector<SavedPalette> palettes_;
    std::vector<SavedIcon> icons_;
};

}  // namespace window
