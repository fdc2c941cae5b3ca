#pragma once

// The row layout of the address list, written by the list's loader and by the address
// editor alike: the last name as the caption, then 15 sub-items, the last two (the entry's
// id and category id) hidden.

#include <QAnyStringView>
#include <QString>
#include <array>

// An address-book entry's thirteen texts.
struct TAddressFields
{
    QString FirstName;
    QString LastName;
    QString Title;
    QString CompanyName;
    QString Address;
    QString City;
    QString Zip;
    QString Nation;
    QString OfficePhone;
    QString HomePhone;
    QString Fax;
    QString Mobile;
    QString Email;
};

// The same texts as views: the loader's come straight from the database as UTF-8.
struct TAddressTexts
{
    QAnyStringView FirstName;
    QAnyStringView LastName;
    QAnyStringView Title;
    QAnyStringView CompanyName;
    QAnyStringView Address;
    QAnyStringView City;
    QAnyStringView Zip;
    QAnyStringView Nation;
    QAnyStringView OfficePhone;
    QAnyStringView HomePhone;
    QAnyStringView Fax;
    QAnyStringView Mobile;
    QAnyStringView Email;
};

namespace addressrow {

// The places of a row (place 0 the caption, place k sub-item k-1); a place below 14 is also
// the number of the column that shows it.
enum Place {
    LastName,
    FirstName,
    Email,
    Category,
    Title,
    CompanyName,
    Address,
    City,
    Zip,
    Nation,
    OfficePhone,
    HomePhone,
    Fax,
    Mobile,
    Id,
    CategoryId,
    PlaceCount
};

using Places = std::array<QAnyStringView, PlaceCount>;

TAddressTexts textsOf(const TAddressFields& fields);

// A row's places; `id` and `categoryId` in decimal.
Places places(const TAddressTexts& texts, QAnyStringView categoryName, QAnyStringView id,
              QAnyStringView categoryId);

} // namespace addressrow
