// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace window {

// Dim red on black in every colour role and state, with no green or blue light
// in any of them, for eyes adapted to the dark.
QPalette NightPalette();

// A picture as night colours show it: each pixel's brightness in dim red.
QImage NightTinted(const QImage& picture);

// The platform's style where it ignores the palette: Qt draws a text field's
// cursor by inverting what lies under it, so on night colours' dark reds it is
// a bright cyan or white line (here there is none; the field's selected text
// still shows where the typing goes), and Fusion edges a table's heading
// sections with translucent white, grey where two meet (here they are flat,
// parted by the palette's own lines).
class NightStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Puts the application in night colours and takes them back: its palette, which
// its windows and pop-ups take (menus, the calendar, message boxes), the palette
// of each widget that sets its own, the icons of their buttons, and the style
// of the form's and its dialogs' text fields and table headings.
class NightColours {
public:
    NightColours() = default;
    NightColours(const NightColours&) = delete;
    NightColours& operator=(const NightColours&) = delete;
    ~NightColours() { Restore(); }

    // The application, each widget with the colour its text takes at night, and
    // the icons of every button and the text fields in `form`.
    void Apply(QWidget& form, const std::vector<std::pair<QWidget*, QColor>>& widgets);
    // The text fields and table headings of `window` in night colours' style;
    // Apply does it for `form`, this for a window made after (a dialog opened at night).
    void Restyle(QWidget& window);
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
    std::unique_ptr<NightStyle> style_;
    std::vector<QPointer<QWidget>> restyled_;
};

}  // namespace window
