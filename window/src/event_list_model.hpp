// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "ephemeris/moon_events.hpp"

namespace window {

// The moons' events as rows of a table, in the computer's local time: date,
// time with the zone, moon, the event in words, and its code. A screen reader
// hears the date and time in full ("Saturday, 5 January 2019", "21:22 CET").
class EventListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, TimeColumn, MoonColumn, EventColumn, CodeColumn, ColumnCount };
    // Each row's instant, as milliseconds of UT since 1970.
    static constexpr int kInstantRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void SetEvents(std::vector<ephemeris::MoonEvent> events);
    [[nodiscard]] const std::vector<ephemeris::MoonEvent>& Events() const { return events_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<ephemeris::MoonEvent> events_;
};

}  // namespace window
