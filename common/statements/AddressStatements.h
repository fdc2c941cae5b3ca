#pragma once

// Statements on the address table that more than one place runs, each line exactly as the
// engine gets it.

#include <QLatin1String>

class TSQLLines;

namespace addressstatements {

// Every address with the columns the address list reads; the contact list runs it as it is,
// the address list adds the where line of its category.
void addSelect(TSQLLines& sql);

// The address list's where lines: entries of one category, or of every category and none
// (category id -1) when the id is -1.
inline constexpr QLatin1String WhereCategory{" where categoryid = :categoryid "};
inline constexpr QLatin1String WhereAnyCategory{" where categoryid >= :categoryid "};

} // namespace addressstatements
