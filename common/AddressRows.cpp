#include "common/AddressRows.h"

namespace addressrow {

TAddressTexts textsOf(const TAddressFields& f)
{
    return {f.FirstName, f.LastName,    f.Title,     f.CompanyName, f.Address, f.City, f.Zip,
            f.Nation,    f.OfficePhone, f.HomePhone, f.Fax,         f.Mobile,  f.Email};
}

Places places(const TAddressTexts& t, QAnyStringView categoryName, QAnyStringView id,
              QAnyStringView categoryId)
{
    Places row;
    row[LastName] = t.LastName;
    row[FirstName] = t.FirstName;
    row[Email] = t.Email;
    row[Category] = categoryName;
    row[Title] = t.Title;
    row[CompanyName] = t.CompanyName;
    row[Address] = t.Address;
    row[City] = t.City;
    row[Zip] = t.Zip;
    row[Nation] = t.Nation;
    row[OfficePhone] = t.OfficePhone;
    row[HomePhone] = t.HomePhone;
    row[Fax] = t.Fax;
    row[Mobile] = t.Mobile;
    row[Id] = id;
    row[CategoryId] = categoryId;
    return row;
}

} // namespace addressrow
