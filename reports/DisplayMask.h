#pragma once

// Display masks of date-time values, such as "hh:mm AM/PM". A mask is read left to right:
//   h, hh      hour (12-hour clock when the mask has AM/PM), hh with a leading zero
//   n, nn      minute; m and mm right after an hour also mean the minute, elsewhere the month
//   s, ss      second
//   d, dd      day of the month; yy, yyyy the year
//   AM/PM      "AM" before noon, "PM" after; am/pm in lower case
//   :  /       the locale's time and date separators
//   "..." '...' literal text
// Any other character stands for itself.

#include <QDateTime>
#include <QString>

namespace report {

QString formatDateTime(const QString& mask, const QDateTime& value);

} // namespace report
