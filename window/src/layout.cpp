// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.hpp"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QIcon>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace window {
namespace {

constexpr const char* kLayoutResource = ":/window/layout.json";
constexpr const char* kPickerFormat = "MM/dd/yyyy HH:mm";
// Room kept between a button's caption and its frame, each side.
constexpr int kButtonCaptionMargin = 2;
constexpr int kNarrowestStretch = 75;
constexpr int kStretchStep = 5;
constexpr double kSmallestFontPoints = 6.0;
constexpr double kFontStepPoints = 0.5;

QJsonObject LoadLayout() {
    QFile file(kLayoutResource);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("window layout resource %s is missing", kLayoutResource);
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qFatal("window layout resource is malformed: %s", qPrintable(error.errorString()));
    }
    return document.object();
}

QRect Rectangle(const QJsonObject& control) {
    const QJsonArray r = control["rect"].toArray();
    return {r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()};
}

Qt::Alignment Alignment(const QString& name) {
    if (name == "right") {
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    if (name == "center") {
        return Qt::AlignHCenter | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Black behind, the given colour for the text; check boxes paint their box
// with the Button role, so it is set too.
void Colour(QWidget& widget, const QColor& text, const QColor& background) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Width the style leaves for a control's caption inside its rectangle.
int CaptionWidth(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() -
               2 * kButtonCaptionMargin;
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    }
    return widget.contentsRect().width();
}

// The font, then narrower and narrower versions of it: first condensed
// (legible at the same height), then smaller.
std::vector<QFont> NarrowerFonts(const QFont& font) {
    std::vector<QFont> fonts;
    for (int stretch = QFont::Unstretched; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
        QFont narrower = font;
        narrower.setStretch(stretch);
        fonts.push_back(narrower);
    }
    for (double points = font.pointSizeF() - kFontStepPoints; points >= kSmallestFontPoints;
         points -= kFontStepPoints) {
        QFont smaller = fonts.back();
        smaller.setPointSizeF(points);
        fonts.push_back(smaller);
    }
    return fonts;
}

bool CaptionFits(const QWidget& widget, const QFont& font) {
    const QString text = widget.property("text").toString();
    return QFontMetrics(font).horizontalAdvance(text) <= CaptionWidth(widget);
}

// Gives every control of a group the widest font in which all their captions
// fit (the narrowest there is if none does), so a column of names or a row
// of buttons keeps one type size.
void FitCaptions(const std::vector<QWidget*>& group) {
    const std::vector<QFont> fonts = NarrowerFonts(group.front()->font());
    const auto allFit = [&group](const QFont& font) {
        return std::all_of(group.begin(), group.end(), [&font](const QWidget* widget) { return CaptionFits(*widget, font); });
    };
    const auto widest = std::find_if(fonts.begin(), fonts.end(), allFit);
    const QFont& font = widest != fonts.end() ? *widest : fonts.back();
    for (QWidget* widget : group) {
        widget->setFont(font);
    }
}

QWidget* CreateControl(QWidget& form, const QJsonObject& control, const QColor& background) {
    const QString kind = control["kind"].toString();
    const QString text = control["text"].toString();
    const QColor colour(control["color"].toString());
    QWidget* widget = nullptr;
    if (kind == "button") {
        auto* button = new QPushButton(text, &form);
        button->setAutoDefault(false);
        widget = button;
    } else if (kind == "checkbox") {
        widget = new QCheckBox(text, &form);
        Colour(*widget, colour, background);
    } else if (kind == "label") {
        auto* label = new QLabel(text, &form);
        label->setAlignment(Alignment(control["align"].toString()));
        widget = label;
        Colour(*widget, colour, background);
    } else if (kind == "textbox") {
        auto* box = new QLineEdit(text, &form);
        box->setMaxLength(std::numeric_limits<int>::max());  // Qt's default stops at 32767
        widget = box;
    } else if (kind == "picker") {
        auto* picker = new QDateTimeEdit(&form);
        picker->setDisplayFormat(kPickerFormat);
        picker->setCalendarPopup(true);
        picker->setDateTimeRange(QDateTime(QDate(1601, 1, 1), QTime(0, 0)),
                                 QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)));
        widget = picker;
    } else if (kind == "image") {
        auto* image = new QLabel(&form);
        image->setPixmap(QPixmap(control["picture"].toString()));
        widget = image;
    } else {
        qFatal("window layout names an unknown kind of control: %s", qPrintable(kind));
    }
    widget->setObjectName(control["name"].toString());
    widget->setAccessibleName(control["accessibleName"].toString());
    widget->setGeometry(Rectangle(control));
    widget->setEnabled(control["enabled"].toBool(true));
    widget->setVisible(control["visible"].toBool(true));
    return widget;
}

}  // namespace

void BuildLayout(QWidget& form) {
    const QJsonObject layout = LoadLayout();
    const QColor background(layout["background"].toString());
    form.setWindowTitle(layout["title"].toString());
    // The window's own icon, up to the sizes a title bar or task switcher
    // draws; decoding the larger desktop sizes would slow the start.
    const QJsonObject iconFiles = layout["icon"].toObject();
    QIcon icon;
    for (const QJsonValue size : iconFiles["sizes"].toArray()) {
        icon.addFile(iconFiles["file"].toString().arg(size.toInt()));
    }
    form.setWindowIcon(icon);
    form.setFixedSize(layout["width"].toInt(), layout["height"].toInt());
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, background);
    form.setPalette(palette);
    form.setAutoFillBackground(true);

    QWidget* previousInTabOrder = nullptr;
    std::map<QString, std::vector<QWidget*>> captionGroups;
    for (const QJsonValue value : layout["controls"].toArray()) {
        const QJsonObject control = value.toObject();
        QWidget* widget = CreateControl(form, control, background);
        if (control["kind"] != "textbox" && !control["text"].toString().isEmpty()) {
            const QString group = control["fitGroup"].toString(control["name"].toString());
            captionGroups[group].push_back(widget);
        }
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previousInTabOrder != nullptr) {
            QWidget::setTabOrder(previousInTabOrder, widget);
        }
        previousInTabOrder = widget;
    }
    for (const auto& [name, group] : captionGroups) {
        FitCaptions(group);
    }
    // A label that names a field leads a screen reader and its shortcut to it.
    for (const QJsonValue value : layout["controls"].toArray()) {
        const QJsonObject control = value.toObject();
        if (control.contains("buddy")) {
            auto* label = form.findChild<QLabel*>(control["name"].toString());
            label->setBuddy(form.findChild<QWidget*>(control["buddy"].toString()));
        }
    }
}

}  // namespace window
