// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

#include "drawing/loaded_modules.hpp"
#include "drawing/month_chart.hpp"

#include <QPageSize>

class QLabel;
class QScrollArea;

namespace window {

// The chart as a widget: as wide as the window, as tall as the window times
// the stretch of time; a click chooses the instant under it.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    void Display(const drawing::MonthChart* chart, drawing::ChartColours colours, std::optional<ephemeris::UniversalTime> marked);
    [[nodiscard]] std::optional<drawing::ChartLayout> Layout() const;

signals:
    void instantChosen(ephemeris::UniversalTime instant);
    void pointerMoved(QPointF at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const drawing::MonthChart* chart_ = nullptr;
    drawing::ChartColours colours_ = drawing::ChartColours::Screen;
    std::optional<ephemeris::UniversalTime> marked_;
};

// The moons' chart of a month in a window of its own, beside the main one: a
// line at the main window's plotted instant, which follows every plot (into
// the next month, while the line was on the chart); a click plots the
// instant under it. Page Up and Page Down go a month back or on, + and -
// stretch or squeeze time, Home returns to the picker's month. It prints, and
// saves as PDF, SVG or PNG; it remembers where it stood.
class MonthChartWindow : public QWidget {
    Q_OBJECT

public:
    explicit MonthChartWindow(QWidget* parent = nullptr);
    ~MonthChartWindow() override;

    MonthChartWindow(const MonthChartWindow&) = delete;
    MonthChartWindow& operator=(const MonthChartWindow&) = delete;

    // The picker's month, for Home, and the view's mirroring and colours.
    void SetHome(QDate pickerDate);
    void SetView(bool mirrored, bool nightColours);
    // The main window's plotted instant.
    void Mark(ephemeris::UniversalTime instant);
    // Shows the month of `date`.
    void ShowMonthOf(QDate date);

    [[nodiscard]] const drawing::MonthChart& Chart() const { return chart_.value(); }
    [[nodiscard]] bool HasChart() const { return chart_.has_value(); }
    [[nodiscard]] double Stretch() const { return stretch_; }

    // Prints the chart on one page, in paper's colours, into a PDF file of
    // that page size, as on a printer; returns why not, or nothing.
    [[nodiscard]] QString PrintToFile(const QString& file, QPageSize::PageSizeId size) const;

signals:
    void instantChosen(ephemeris::UniversalTime instant);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Recompute(const drawing::ChartRequest& request);
    void Redisplay();
    void Describe(std::optional<QPointF> pointer);
    void AskToPrint();
    [[nodiscard]] drawing::PaintPage OnPaper() const;
    void AskWhereToSave();

    // Which marks the chart shows; both can be turned off from its context menu.
    struct Marks {
        bool redSpot = true;
        bool mutual = true;
    };

    std::optional<drawing::MonthChart> chart_;
    Marks marks_;
    QDate home_;
    bool mirrored_ = false;
    bool night_ = false;
    double stretch_ = 1.0;
    std::optional<ephemeris::UniversalTime> marked_;
    bool placed_ = false;
    QLabel* title_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    ChartView* view_ = nullptr;
};

}  // namespace window
