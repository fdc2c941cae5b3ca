#include "common/statements/EventStatements.h"

#include "platform/Database.h"
#include "platform/Locale.h"
#include "support/TessaryTest.h"
#include "support/TimeZone.h"

#include <QDateTime>
#include <QFile>
#include <cstdio>
#include <sqlite3.h>

namespace {

class EventStatementsTest : public TessaryTest
{
protected:
    EventStatementsTest()
    {
        createDatabase();
        openDatabase(connection);
        query.Connection = &connection;
    }
    void exec(const QString& sql)
    {
        query.Close();
        query.SQL.Clear();
        query.SQL.Add(sql);
        query.ExecSQL();
    }
    void addEvent(const QString& start)
    {
        exec("insert into journal (jstarttime, jendtime, memo) values ('" + start + "', '" + start +
             "', 'x')");
    }
    QList<int> ids()
    {
        query.Open();
        QList<int> found;
        for (query.First(); !query.Eof(); query.Next())
            found << query.FieldByName("id").AsInteger();
        return found;
    }
    // The day's select as the calendar ran it before it had a range on the start text.
    QList<int> idsWithoutRange(const QDate& day)
    {
        query.Close();
        query.SQL.Clear();
        query.SQL.Add(" select id , jstarttime from  journal  where DateValue(jstarttime)=");
        query.SQL.Add("'" + platform::locale::dateToStr(day) + "'");
        query.SQL.Add(
            "order by journal.jstarttime, "
            "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) DESC");
        return ids();
    }

    // A zone with daylight saving: stored times are wall-clock values, whatever the zone.
    const TimeZoneScope zone{"Europe/Berlin"};
    TADOConnection connection;
    TADOQuery query;
};

TEST_F(EventStatementsTest, DaySelectFindsTheSameRowsAsAFullScanThroughTheStartIndex)
{
    const QDate first(2027, 1, 1);
    exec("begin");
    for (QDate day = first.addDays(-1); day <= QDate(2028, 1, 1); day = day.addDays(1)) {
        const QString date = day.toString(Qt::ISODate);
        for (const char* time : {" 00:00:00", " 00:30:00", " 12:00:00", " 23:59:59"})
            addEvent(date + time);
        if (day.day() == 1)
            addEvent(date);
    }
    // The change days of the year, at the hour that is missing or doubled in this zone, and the
    // last day the calendars show.
    for (const char* start :
         {"2027-03-28 02:30:00", "2027-10-31 02:30:00", "9999-12-31 23:30:00", "9999-12-31"})
        addEvent(start);
    exec("commit");

    QList<QDate> days = {QDate(2027, 3, 28), QDate(2027, 10, 31), QDate(9999, 12, 31)};
    for (QDate day = first; day.year() == 2027; day = day.addDays(1))
        days << day;
    for (const QDate& day : days) {
        query.Close();
        eventstatements::setDaySelect(query, day);
        const QList<int> found = ids();
        ASSERT_EQ(found, idsWithoutRange(day)) << day.toString(Qt::ISODate).toStdString();
        ASSERT_GE(found.size(), 2) << day.toString(Qt::ISODate).toStdString();
    }

    query.Close();
    eventstatements::setDaySelect(query, first);
    const QString select = query.SQL.Text();
    query.SQL.Clear();
    query.SQL.Add("explain query plan " + select);
    query.ParamByName("d").Value = first.toString(Qt::ISODate);
    query.Open();
    QStringList plan;
    for (query.First(); !query.Eof(); query.Next())
        plan << query.FieldByName("detail").AsString();
    EXPECT_TRUE(plan.join('\n').contains("USING INDEX journal_jstarttime")) << plan.join('\n').toStdString();
}

TEST_F(EventStatementsTest, CountOfEventsWithoutADayReadsOnlyThoseAndFollowsEveryChange)
{
    // Starts the table's check refuses, as a file from before the check holds them.
    exec("pragma ignore_check_constraints = on");
    for (const char* start : {"'2027-01-01 09:00:00'", "'2027-01-02'", "null", "'2027-13-01 09:00:00'",
                              "'2027-02-30'", "'2027-01-03T09:00:00'", "5"})
        exec(QString("insert into journal (jstarttime, jendtime, memo) values (%1, null, 'x')").arg(start));
    const auto count = [this] {
        query.Close();
        eventstatements::setWithoutDayCount(query);
        query.Open();
        return query.FieldByName("n").AsInteger();
    };
    EXPECT_EQ(count(), 5);
    exec("update journal set jstarttime = '2027-01-02 25:00:00' where jstarttime = '2027-01-02'");
    EXPECT_EQ(count(), 6);
    exec("update journal set jstarttime = '2027-02-28' where jstarttime = '2027-02-30'");
    EXPECT_EQ(count(), 5);
    exec("delete from journal where jstarttime is null");
    EXPECT_EQ(count(), 4);

    query.Close();
    eventstatements::setWithoutDayCount(query);
    const QString select = query.SQL.Text();
    query.SQL.Clear();
    query.SQL.Add("explain query plan " + select);
    query.Open();
    QStringList plan;
    for (query.First(); !query.Eof(); query.Next())
        plan << query.FieldByName("detail").AsString();
    EXPECT_EQ(plan.join('\n').toStdString(), "SCAN journal USING COVERING INDEX journal_unreadable_start");

    // A file made before the index, put in the database's place, is counted all the same.
    const QString older = programFolder() + "older.mdb";
    ASSERT_TRUE(QFile::copy(databasePath(), older));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(older).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "drop index journal_unreadable_start; pragma ignore_check_constraints = on; "
                           "insert into journal (jstarttime) values ('2027-04-31')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    ASSERT_EQ(
        std::rename(QFile::encodeName(older).constData(), QFile::encodeName(databasePath()).constData()), 0);
    EXPECT_EQ(count(), 5);
}

} // namespace
