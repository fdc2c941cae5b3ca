#include "common/statements/EventStatements.h"

#include "platform/Database.h"

namespace eventstatements {

void addDaySelect(TSQLLines& sql, const QString& dateText)
{
    sql.Add(" select id , jstarttime , jendtime ,memo  , "
            "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) AS timerange ");
    sql.Add(" from  journal ");
    sql.Add(" where DateValue(jstarttime)=");
    sql.Add("'" + dateText + "'");
    sql.Add("order by journal.jstarttime, "
            "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) DESC");
}

} // namespace eventstatements
