#include "desktop/UnreadableEvents.h"

#include "common/statements/EventStatements.h"
#include "desktop/EventRec.h"
#include "platform/Database.h"
#include "platform/Dialogs.h"
#include "platform/SqlFunctions.h"

#include <QApplication>
#include <set>
#include <utility>

namespace unreadableevents {

void takeEnd(TEventRec& record, const QString& stored, QWidget* parent, const TADOConnection& connection)
{
    record.endAsStored.clear();
    if (stored.isEmpty()) {
        record.end = QDateTime();
        return;
    }
    record.end = platform::db::parseStoredDateTime(stored.toStdString());
    if (record.end.isValid())
        return;
    record.end = record.start;
    record.endAsStored = stored;
    static std::set<std::pair<qint64, int>> told;
    if (!told.emplace(connection.opening(), record.journalId).second)
        return;
    platform::dialogs::messageBox(
        parent,
        QStringLiteral("The end time of the event \"%1\" on %2 cannot be read: \"%3\" "
                       "is stored. The event is shown at its start; open it to set "
                       "its end, or delete it.")
            .arg(record.memo, record.start.date().toString(Qt::ISODate), stored),
        QApplication::applicationName(), platform::dialogs::Icon::Warning);
}

void reportEventsWithoutDay(QWidget* parent, TADOConnection& connection)
{
    // A damaged file has been told of already, and its count would be no count of the events.
    if (!connection.Connected() || connection.damaged())
        return;
    TADOQuery query;
    query.Connection = &connection;
    eventstatements::setWithoutDayCount(query);
    query.Open();
    const int count = query.FieldByName("n").AsInteger();
    if (count == 0)
        return;
    platform::dialogs::messageBox(parent,
                                  count == 1
                                      ? QStringLiteral("1 event has a start time that cannot be read, so "
                                                       "it belongs to no day and is not shown.")
                                      : QStringLiteral("%1 events have a start time that cannot be read, "
                                                       "so they belong to no day and are not shown.")
                                            .arg(count),
                                  QApplication::applicationName(), platform::dialogs::Icon::Warning);
}

} // namespace unreadableevents
