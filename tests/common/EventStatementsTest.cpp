#include "common/statements/EventStatements.h"

#include "platform/Database.h"
#include "platform/Locale.h"
#include "support/TessaryTest.h"
#include "support/TimeZone.h"

#include <QDateTime>

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

} // namespace
