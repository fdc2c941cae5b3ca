#pragma once

// How date-times are stored (ISO-8601 text in local time) and the engine functions that
// the organiser's statements call on them.

#include <QDateTime>
#include <QString>
#include <string_view>

struct sqlite3;

namespace platform::db {

QString storedDateTime(const QDateTime& value); // "yyyy-MM-dd HH:mm:ss"
QString storedDate(const QDate& value);         // "yyyy-MM-dd"
// "yyyy-MM-dd", optionally followed by " HH:mm[:ss[.zzz]]" (or "T..."); invalid otherwise.
QDateTime parseStoredDateTime(std::string_view text);

// DateValue (the date in the short date text that the day queries quote), Hour and Minute.
void registerFunctions(sqlite3* db);

} // namespace platform::db
