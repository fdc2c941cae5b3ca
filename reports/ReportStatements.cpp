#include "reports/ReportStatements.h"

#include "platform/Database.h"

namespace reportstatements {

void allAddresses(TSQLLines& sql)
{
    sql.Add(
        " select FirstName , LastName , Title , CompanyName , Address , City , Zip , Nation , OfficePhone , "
        "HomePhone ,  Fax , Mobile , Email ");
    sql.Add(" from  address ");
}

void groupAddresses(TSQLLines& sql)
{
    sql.Add(
        " select FirstName , LastName , Title , CompanyName , Address , City , Zip , Nation , OfficePhone , "
        "HomePhone ,  Fax , Mobile , Email , category");
    sql.Add(" from  address , category ");
    sql.Add(" where ");
    sql.Add(" address.categoryid=category.id");
    sql.Add(" and address.categoryid=:categoryid");
    sql.Add(" order by  FirstName ");
}

void selectedMemos(TSQLLines& sql)
{
    sql.Add(" select MMemo ");
    sql.Add(" from  MMEMO  ");
    sql.Add(" where id in (:id) ");
    sql.Add(" order by id ");
}

void selectedExpenses(TSQLLines& sql)
{
    sql.Add(" select paydate, item , amount ");
    sql.Add(" from  expense  ");
    sql.Add(" where id in (:id) ");
    sql.Add(" order by id ");
}

} // namespace reportstatements
