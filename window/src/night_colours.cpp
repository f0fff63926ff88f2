// SPDX-License-Identifier: GPL-3.0-or-later
#include "night_colours.hpp"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace window {
namespace {

QColor Red(int level) {
    return {level, 0, 0};
}

}  // namespace

QPalette NightPalette() {
    // Fusion draws buttons a quarter desaturated and with a faint white line inside:
    // a button this dark keeps their green and blue below a sixth of full.
    QPalette palette(Red(20), Red(0));  // button, window
    const std::pair<QPalette::ColorRole, int> roles[] = {
        {QPalette::WindowText, 170}, {QPalette::Base, 36},         {QPalette::AlternateBase, 24},
        {QPalette::Text, 170},       {QPalette::ButtonText, 180},  {QPalette::BrightText, 230},
        {QPalette::Light, 90},       {QPalette::Midlight, 60},     {QPalette::Mid, 32},
        {QPalette::Dark, 20},        {QPalette::Shadow, 0},        {QPalette::Highlight, 100},
        {QPalette::HighlightedText, 230}, {QPalette::Link, 190},   {QPalette::LinkVisited, 140},
        {QPalette::ToolTipBase, 24}, {QPalette::ToolTipText, 170}, {QPalette::PlaceholderText, 95},
    };
    for (const auto& [role, level] : roles) {
        palette.setColor(role, Red(level));
    }
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, Red(90));
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, Red(12));
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    palette.setColor(QPalette::Accent, Red(100));
#endif
    palette.setColor(QPalette::Disabled, QPalette::Highlight, Red(50));
    return palette;
}

QImage NightTinted(const QImage& picture) {
    QImage tinted = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < tinted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        std::transform(line, line + tinted.width(), line, [](QRgb pixel) {
            return qRgba(qGray(pixel) * 3 / 4, 0, 0, qAlpha(pixel));
        });
    }
    return tinted;
}

void NightColours::Apply(QWidget& form, const std::vector<std::pair<QWidget*, QColor>>& widgets) {
    // Saved before any changes, as a widget's palette resolves against its parent's and the application's.
    for (const auto& [widget, text] : widgets) {
        palettes_.push_back({widget, widget->palette(), widget->testAttribute(Qt::WA_SetPalette)});
    }
    application_ = QApplication::palette();
    QApplication::setPalette(NightPalette());
    for (const auto& [widget, text] : widgets) {
        QPalette palette = NightPalette();
        palette.setColor(QPalette::Active, QPalette::WindowText, text);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
        if (widget->autoFillBackground()) {  // a caption's or a check box's black ground stays black
            palette.setColor(widget->backgroundRole(), Qt::black);
        }
        widget->setPalette(palette);
    }
    for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
        if (!button->icon().isNull()) {
            icons_.push_back({button, button->icon()});
            const QPixmap pixmap = button->icon().pixmap(button->iconSize(), button->devicePixelRatioF());
            button->setIcon(QPixmap::fromImage(NightTinted(pixmap.toImage())));
        }
    }
    Restyle(form);
}

int NightStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    return metric == PM_TextCursorWidth ? 0 : QProxyStyle::pixelMetric(metric, option, widget);
}

void NightStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    if (element != CE_HeaderSection) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->fillRect(option->rect, option->palette.button());
    painter->setPen(option->palette.color(QPalette::Mid));
    painter->drawLine(option->rect.topRight(), option->rect.bottomRight());
    painter->drawLine(option->rect.bottomLeft(), option->rect.bottomRight());
}

void NightColours::Restyle(QWidget& window) {
    if (!application_) {
        return;  // by day the platform draws them as it will
    }
    if (!style_) {
        style_ = std::make_unique<NightStyle>();
    }
    QList<QWidget*> widgets;
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        widgets << field;
    }
    for (QHeaderView* heading : window.findChildren<QHeaderView*>()) {
        widgets << heading;
    }
    for (QWidget* widget : widgets) {
        widget->setStyle(style_.get());
        restyled_.emplace_back(widget);
    }
}

// The application's palette first: a widget's resolves against it.
void NightColours::Restore() {
    if (application_) {
        QApplication::setPalette(*application_);
    }
    for (const SavedPalette& saved : palettes_) {
        if (saved.widget) {
            saved.widget->setPalette(saved.ownPalette ? saved.palette : QPalette());
        }
    }
    for (const SavedIcon& saved : icons_) {
        if (saved.button) {
            saved.button->setIcon(saved.icon);
        }
    }
    for (const QPointer<QWidget>& widget : restyled_) {
        if (widget) {
            widget->setStyle(nullptr);
        }
    }
    restyled_.clear();
    icons_.clear();
    palettes_.clear();
    application_.reset();
}

}  // namespace window
