#pragma once

// Statements that must stand or fall together: the guard begins a transaction on the shared
// connection and rolls it back when it goes out of scope, unless commit() ran first.

#include <exception>
#include <functional>

class TADOConnection;

namespace platform::db {

class Transaction
{
public:
    // Raises DatabaseError when the engine refuses to begin (a transaction is already open).
    explicit Transaction(TADOConnection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Raises DatabaseError when the engine refuses; the destructor then rolls back.
    void commit();

private:
    TADOConnection& m_connection;
    bool m_open = true;
};

struct BatchOutcome
{
    int kept = 0;               // changes done and committed, the first ones
    bool undone = false;        // the engine undid every change (disk full, I/O error, failed commit)
    std::exception_ptr failure; // what stopped the batch, if anything
};

// Runs change(0) .. change(count - 1) one by one, as if each were its own transaction, inside
// one engine transaction, so that the disk is flushed once rather than once a change: when a
// change fails, the ones before it are committed and the rest are not run. A crash part-way
// leaves none of them done. Raises only when the transaction cannot begin.
BatchOutcome runBatch(TADOConnection& connection, int count, const std::function<void(int)>& change);

} // namespace platform::db
