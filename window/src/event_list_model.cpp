// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_list_model.hpp"

#include <QLocale>

#include "window/observing_log.hpp"

namespace window {

void EventListModel::SetEvents(std::vector<ephemeris::MoonEvent> events) {
    beginResetModel();
    events_ = std::move(events);
    endResetModel();
}

int EventListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(events_.size());
}

int EventListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ephemeris::MoonEvent& event = events_[static_cast<std::size_t>(index.row())];
    if (role == kInstantRole) {
        return QVariant::fromValue(static_cast<qint64>(event.time.time_since_epoch().count()));
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    // To the nearest minute, as the published tables print them.
    const ClockReading shown = ReadClock(std::chrono::floor<std::chrono::minutes>(event.time + std::chrono::seconds(30)), Clock::Local);
    switch (index.column()) {
        case DateColumn:
            return role == Qt::DisplayRole ? shown.wallClock.toString(QStringLiteral("MM/dd/yyyy"))
                                           : QLocale().toString(shown.wallClock.date(), QLocale::LongFormat);
        case TimeColumn:
            return shown.wallClock.toString(QStringLiteral("HH:mm")) + QLatin1Char(' ') + shown.zone;
        case MoonColumn:
            return MoonName(event.moon);
        case EventColumn:
            return EventWords(event);
        default:
            break;
    }
    return QString::fromStdString(ephemeris::EventCode(event.moon, event.kind));
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case DateColumn:
            return tr("Date");
        case TimeColumn:
            return tr("Time");
        case MoonColumn:
            return tr("Moon");
        case EventColumn:
            return tr("Event");
        default:
            break;
    }
    return tr("Code");
}

}  // namespace window
