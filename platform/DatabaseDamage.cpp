// A damaged database file: once a statement has found it so, the connection writes nothing
// more to it, since every change could spread the damage to pages that are still whole.
#include "platform/Database.h"
#include "platform/DatabaseCheck.h"

#include <sqlite3.h>

using platform::db::DatabaseError;

void TADOConnection::refuseChangeIfDamaged() const
{
    if (m_damaged)
        throw DatabaseError(platform::db::damagedFileRefusal(m_path).toStdString());
}

void TADOConnection::failStatement(sqlite3* db)
{
    const QString text = platform::db::statementFailureText(db);
    if (db == m_db && platform::db::reportsDamage(sqlite3_extended_errcode(db))) {
        m_damaged = true;
        // The engine's own refusal, for any change that does not come through a query.
        sqlite3_exec(db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    }
    throw DatabaseError(text.toStdString());
}
