// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_fit.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <map>
#include <vector>

namespace window {
namespace {

// Room kept between a button's caption and its frame, each side.
constexpr int kButtonCaptionMargin = 2;
constexpr int kNarrowestStretch = 75;
constexpr int kStretchStep = 5;
constexpr double kSmallestFontPoints = 6.0;
constexpr double kFontStepPoints = 0.5;

// Width the style leaves for a control's caption inside its rectangle.
int CaptionWidth(const QWidget& widget) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.text = widget.property("text").toString();
    if (qobject_cast<const QPushButton*>(&widget) != nullptr) {
        return widget.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &widget).width() -
               2 * kButtonCaptionMargin;
    }
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        return widget.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &widget).width();
    }
    return widget.contentsRect().width();
}

// The font, then narrower and narrower versions of it.
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
    return QFontMetrics(font).horizontalAdvance(widget.property("text").toString()) <= CaptionWidth(widget);
}

// The widest font in which every caption of the group fits (the narrowest
// there is if none does).
void FitGroup(const std::vector<QWidget*>& group) {
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

}  // namespace

void FitCaptions(QWidget& form) {
    std::map<QString, std::vector<QWidget*>> groups;
    for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool captioned = qobject_cast<QAbstractButton*>(widget) != nullptr || qobject_cast<QLabel*>(widget) != nullptr;
        if (captioned && !widget->property("text").toString().isEmpty()) {
            const QVariant group = widget->property("captionGroup");
            groups[group.isValid() ? group.toString() : widget->objectName()].push_back(widget);
        }
    }
    for (const auto& [name, group] : groups) {
        FitGroup(group);
    }
}

}  // namespace window
