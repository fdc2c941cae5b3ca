#pragma once

#include "desktop/CalendarViewFixture.h"

#include <QString>
#include <vector>

// The main window on a fresh database, with the journal read back from the database file
// itself through a connection of the test's own.
class EditorTest : public CalendarViewTest
{
protected:
    struct StoredEvent
    {
        int id;
        QString start; // as stored: "yyyy-MM-dd HH:mm:ss"
        QString end;
        QString memo;
    };

    std::vector<StoredEvent> storedEvents() const
    {
        TADOConnection connection;
        openDatabase(connection);
        TADOQuery query;
        query.Connection = &connection;
        query.SQL.Add("select id, jstarttime, jendtime, memo from journal order by id");
        query.Open();
        std::vector<StoredEvent> events;
        for (query.First(); !query.Eof(); query.Next())
            events.push_back({query.FieldByName("id").AsInteger(),
                              query.FieldByName("jstarttime").Value().toString(),
                              query.FieldByName("jendtime").Value().toString(),
                              query.FieldByName("memo").Value().toString()});
        return events;
    }
};
