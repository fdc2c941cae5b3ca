#pragma once

// Statements that must stand or fall together: the guard begins a transaction on the shared
// connection and rolls it back when it goes out of scope, unless commit() ran first.

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

} // namespace platform::db
