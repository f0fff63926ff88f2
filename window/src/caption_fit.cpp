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

// The font, then narrower and narrower versions of it, each with the share of
// the font's widths it sets a text in: width goes with stretch and with size.
std::vector<std::pair<QFont, double>> NarrowerFonts(const QFont& font) {
    std::vector<std::pair<QFont, double>> fonts;
    for (int stretch = QFont::Unstretched; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
        QFont narrower = font;
        narrower.setStretch(stretch);
        fonts.emplace_back(narrower, stretch / 100.0);
    }
    const double narrowest = fonts.back().second;
    for (double points = font.pointSizeF() - kFontStepPoints; points >= kSmallestFontPoints;
         points -= kFontStepPoints) {
        QFont smaller = fonts.back().first;
        smaller.setPointSizeF(points);
        fonts.emplace_back(smaller, narrowest * points / font.pointSizeF());
    }
    return fonts;
}

int CaptionAdvance(const QWidget& widget, const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(widget.property("text").toString());
}

// Of their widths in the font, the share that the group's captions have room for.
double RoomShare(const std::vector<QWidget*>& group, const QFont& font) {
    double share = 1.0;
    for (const QWidget* widget : group) {
        share = std::min(share, static_cast<double>(CaptionWidth(*widget)) / CaptionAdvance(*widget, font));
    }
    return share;
}

}  // namespace

// Each font tried is a look-up in the font database, so every group that needs
// condensing first tries one font, the widest that all their measured widths
// call for, and goes narrower only if hinting leaves a caption too wide.
void FitCaptions(QWidget& form) {
    std::map<QString, std::vector<QWidget*>> groups;
    for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool captioned = qobject_cast<QAbstractButton*>(widget) != nullptr || qobject_cast<QLabel*>(widget) != nullptr;
        if (captioned && !widget->property("text").toString().isEmpty()) {
            const QVariant group = widget->property("captionGroup");
            groups[group.isValid() ? group.toString() : widget->objectName()].push_back(widget);
        }
    }
    const QFont font = form.font();
    std::vector<std::pair<const std::vector<QWidget*>*, double>> condensed;
    for (const auto& [name, group] : groups) {
        if (const double share = RoomShare(group, font); share < 1.0) {
            condensed.emplace_back(&group, share);
        }
    }
    if (condensed.empty()) {
        return;
    }
    const double narrowest = std::min_element(condensed.begin(), condensed.end(), [](const auto& a, const auto& b) {
                                 return a.second < b.second;
                             })->second;
    const auto fonts = NarrowerFonts(font);
    const auto estimate = [&fonts](double share) {
        return std::find_if(fonts.begin(), fonts.end(), [share](const auto& f) { return f.second <= share; });
    };
    const auto shared = estimate(narrowest);
    for (const auto& [group, share] : condensed) {
        // The shared font, unless it is smaller than this group needs: condensed more, never shrunk more.
        const auto own = estimate(share);
        const auto first = shared != fonts.end() && shared->first.pointSizeF() < own->first.pointSizeF() ? own : shared;
        const auto fits = std::find_if(first, fonts.end(), [group](const auto& candidate) {
            return RoomShare(*group, candidate.first) >= 1.0;
        });
        for (QWidget* widget : *group) {
            widget->setFont(fits != fonts.end() ? fits->first : fonts.back().first);
        }
    }
}

}  // namespace window
