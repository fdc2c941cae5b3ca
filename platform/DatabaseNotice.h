#pragma once

// Commands that need the database while it is closed: each says so once, then goes on
// without data, so that no such message stops a page switch or a date change. Start-up has
// its own message and stays quiet otherwise.

#include "platform/Database.h"

namespace platform::db {

// Whether the connection is open; when it is not, the user is told once per command.
bool openOrSay(TADOConnection& connection);

// While one lives, a closed database goes unmentioned (start-up's own steps).
class QuietAboutClosedDatabase
{
public:
    QuietAboutClosedDatabase();
    ~QuietAboutClosedDatabase();
    QuietAboutClosedDatabase(const QuietAboutClosedDatabase&) = delete;
    QuietAboutClosedDatabase& operator=(const QuietAboutClosedDatabase&) = delete;
};

} // namespace platform::db
