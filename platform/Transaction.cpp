#include "platform/Transaction.h"

#include "platform/Database.h"

#include <sqlite3.h>

namespace platform::db {

namespace {

void run(TADOConnection& connection, const char* sql)
{
    sqlite3* db = connection.handle();
    // Nothing more goes to a file found damaged, not even a change begun before.
    connection.refuseChangeIfDamaged();
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        connection.failStatement(db);
}

} // namespace

Transaction::Transaction(TADOConnection& connection) : m_connection(connection)
{
    // IMMEDIATE takes the write lock now, so no statement inside can fail for want of it.
    run(m_connection, "BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!m_open || !m_connection.Connected())
        return;
    // Some engine errors end the transaction by themselves; then there is nothing to undo, and
    // asking for the handle could open a replaced file, which may fail: never in a destructor.
    try {
        sqlite3* db = m_connection.handle();
        if (!sqlite3_get_autocommit(db))
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    } catch (const DatabaseError&) {
    }
}

void Transaction::commit()
{
    run(m_connection, "COMMIT");
    m_open = false;
}

BatchOutcome runBatch(TADOConnection& connection, int count, const std::function<void(int)>& change)
{
    BatchOutcome outcome;
    if (count <= 0)
        return outcome;
    Transaction transaction(connection);
    int done = 0;
    try {
        for (; done < count; ++done)
            change(done);
    } catch (...) {
        outcome.failure = std::current_exception();
    }
    // Some engine errors end the transaction by themselves, undoing every change in it.
    if (sqlite3_get_autocommit(connection.handle())) {
        outcome.undone = true;
        return outcome;
    }
    try {
        transaction.commit();
        outcome.kept = done;
    } catch (...) {
        outcome.undone = true;
        if (!outcome.failure)
            outcome.failure = std::current_exception();
    }
    return outcome;
}

} // namespace platform::db
