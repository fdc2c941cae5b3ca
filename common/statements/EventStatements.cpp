#include "common/statements/EventStatements.h"

#include "platform/Database.h"
#include "platform/Locale.h"

namespace eventstatements {

void setDaySelect(TADOQuery& query, const QDate& day)
{
    query.SQL.Clear();
    query.SQL.Add(
        " select id , jstarttime , jendtime ,memo  , "
        "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) AS timerange ");
    query.SQL.Add(" from  journal ");
    query.SQL.Add(" where DateValue(jstarttime)=");
    query.SQL.Add("'" + platform::locale::dateToStr(day) + "'");
    // Stored starts are "yyyy-MM-dd hh:mm:ss" or a bare "yyyy-MM-dd"; "~" sorts after both.
    query.SQL.Add(" and jstarttime >= :d and jstarttime < :d || '~' ");
    query.SQL.Add("order by journal.jstarttime, "
                  "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) DESC");
    query.ParamByName("d").Value = day.toString(Qt::ISODate);
}

void setWithoutDayCount(TADOQuery& query)
{
    query.SQL.Clear();
    query.SQL.Add(
        "select count(*) as n from journal where jstarttime is null or not ("
        "jstarttime is datetime(julianday(jstarttime)) or jstarttime is date(julianday(jstarttime)))");
}

} // namespace eventstatements
