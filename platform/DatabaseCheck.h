#pragma once

// What the organiser needs of a database file, and what to tell the user when a file or the
// disk under it falls short.

#include <QString>

struct sqlite3;

namespace platform::db {

// Empty when the file holds every table and column the organiser's statements use; otherwise
// the engine's word on the first that is missing ("no such table: address").
QString missingOrganiserTables(sqlite3* db);

// Empty when the file is sound and every row of the organiser's tables can be counted;
// otherwise what is wrong.
QString unreadableOrganiserData(sqlite3* db);

// True when the disk holding the file has no room left to speak of.
bool diskIsFull(const QString& path);

// Why the file at path could not be opened, for the engine's result code and message: not a
// database, damaged, not the organiser's, a full disk.
QString openFailureText(const QString& path, int code, const QString& engineMessage);

// True when the file holds no page at all, as a file of 0 bytes does once the engine has read it.
bool holdsNothing(sqlite3* db);

// The text of a failed statement: that the file is damaged or no database, naming it, that the
// disk is full, or else the engine's message.
QString statementFailureText(sqlite3* db);

// Whether an engine result code, extended or not, says the file is damaged or no database.
bool reportsDamage(int code);

// The refusal of a change to a file found damaged.
QString damagedFileRefusal(const QString& path);

} // namespace platform::db
