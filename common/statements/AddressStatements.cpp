#include "common/statements/AddressStatements.h"

#include "platform/Database.h"

namespace addressstatements {

void addSelect(TSQLLines& sql)
{
    sql.Add("  Select ");
    sql.Add("  id, FirstName , LastName , Title  ");
    sql.Add(", CompanyName , Address , City ");
    sql.Add(", Zip         , Nation  , OfficePhone ");
    sql.Add(", HomePhone   , Fax     , Mobile , Email , Categoryid ");
    sql.Add("  from  address ");
}

} // namespace addressstatements
