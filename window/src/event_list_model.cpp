// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_list_model.hpp"

#include <QGuiApplication>
#include <QLocale>
#include <QPalette>

#include "lists/observing_log.hpp"
#include "translations/language.hpp"

namespace window {

using lists::Clock;
using lists::ClockReading;
using lists::Code;
using lists::Degrees;
using lists::kHighestSun;
using lists::kLowestJupiter;
using lists::ListedEvent;
using lists::MoonOf;
using lists::MutualTimes;
using lists::ReadClock;
using lists::SeenFromHere;
using lists::ToTheMinute;
using lists::Words;
namespace {

// Why an event cannot be seen from the place, or nothing if it can.
QString WhyUnseen(const ListedEvent& event) {
    if (SeenFromHere(event) != false) {
        return {};
    }
    if (event.altitudes->jupiter < kLowestJupiter) {
        return EventListModel::tr("Not seen from here: Jupiter is %1 up, under %2").arg(Degrees(event.altitudes->jupiter), Degrees(kLowestJupiter));
    }
    if (event.altitudes->sun > kHighestSun) {
        return EventListModel::tr("Not seen from here: the sky is too bright, the Sun is %1 up").arg(Degrees(event.altitudes->sun));
    }
    return EventListModel::tr("Not seen from anywhere");
}

}  // namespace

void EventListModel::SetEvents(std::vector<ListedEvent> events) {
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
    const ListedEvent& event = events_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case kInstantRole:
            return QVariant::fromValue(static_cast<qint64>(event.time.time_since_epoch().count()));
        case Qt::ForegroundRole:
            return SeenFromHere(event) == false ? QVariant(QGuiApplication::palette().color(QPalette::PlaceholderText)) : QVariant();
        case Qt::ToolTipRole: {  // the words in full where the column cuts them short, and why an event is dimmed
            QStringList tip;
            if (index.column() == EventColumn) {
                tip << Text(event, EventColumn, Qt::DisplayRole).toString();
            }
            if (const QString why = WhyUnseen(event); !why.isEmpty()) {
                tip << why;
            }
            return tip.isEmpty() ? QVariant() : QVariant(tip.join(QLatin1Char('\n')));
        }
        case Qt::TextAlignmentRole:
            return index.column() >= JupiterColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return Text(event, index.column(), role);
        default:
            break;
    }
    return {};
}

QVariant EventListModel::Text(const ListedEvent& event, int column, int role) const {
    const ClockReading shown = ReadClock(ToTheMinute(event.time), Clock::Local);
    switch (column) {
        case DateColumn:
            return role == Qt::DisplayRole ? shown.wallClock.toString(lists::DateFormat())
                                           : translations::DatesLocale().toString(shown.wallClock.date(), QLocale::LongFormat);
        case TimeColumn:
            return shown.Shown(QStringLiteral("HH:mm"));
        case MoonColumn:
            return MoonOf(event);
        case EventColumn: {
            const QString words = Words(event) + MutualTimes(event, Clock::Local);
            return role == Qt::AccessibleTextRole && SeenFromHere(event) == false ? words + tr(", not seen from here") : words;
        }
        case CodeColumn:
            return Code(event);
        case JupiterColumn:
            return event.altitudes ? Degrees(event.altitudes->jupiter) : QString();
        default:
            break;
    }
    return event.altitudes ? Degrees(event.altitudes->sun) : QString();
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
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
        case CodeColumn:
            return tr("Code");
        case JupiterColumn:
            return role == Qt::DisplayRole ? tr("Jupiter") : tr("Jupiter's altitude above the horizon");
        default:
            break;
    }
    return role == Qt::DisplayRole ? tr("Sun") : tr("The Sun's altitude: below -6\u00B0 the sky is dark enough");
}

}  // namespace window
