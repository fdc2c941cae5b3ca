#pragma once

// Files the engine finds beside a database and applies at the first statement without asking
// whose they are: a rollback journal ("-journal") and a write-ahead log ("-wal", "-shm").
// Nothing in them names their database, so one copied back beside the wrong file would
// silently turn it into another database or damage it.

#include <QString>
#include <QStringList>

namespace platform::db {

// To run before the first statement on the file. A journal with no live writer is first
// applied to a copy: when the copy comes out as a sound organiser's database it replaces the
// file, otherwise the journal is set aside and the file opened as it is. A write-ahead log
// beside a file not in that mode is set aside. Kept files get names that say what they are.
// Returns what was done, for the user; raises DatabaseError when the file must not be opened
// (a journal that could not be checked is never applied).
QStringList settleLeftoverFiles(const QString& path);

} // namespace platform::db
