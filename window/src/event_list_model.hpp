// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "lists/event_list.hpp"

namespace window {

// The listed events as rows of a table, in the computer's local time: date,
// time with the zone, moon, the event in words, its code, and where a place is
// known Jupiter's altitude and the Sun's. What cannot be seen from the place
// is written dimmed, with why in its tooltip. A screen reader hears the date
// and time in full ("Saturday, 5 January 2019", "21:22 CET") and "not seen
// from here" after such an event.
class EventListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, TimeColumn, MoonColumn, EventColumn, CodeColumn, JupiterColumn, SunColumn, ColumnCount };
    // Each row's instant, as milliseconds of UT since 1970.
    static constexpr int kInstantRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void SetEvents(std::vector<lists::ListedEvent> events);
    [[nodiscard]] const std::vector<lists::ListedEvent>& Events() const { return events_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] QVariant Text(const lists::ListedEvent& event, int column, int role) const;

    std::vector<lists::ListedEvent> events_;
};

}  // namespace window
