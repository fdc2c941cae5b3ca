#pragma once

// Reads a list's rows one at a time, straight from the engine, as texts. The frame's lists
// load thousands of rows; a query component's Open keeps every value of every row first,
// which alone costs several times the read itself.

#include <QString>
#include <QUtf8StringView>

class TADOConnection;
class TADOQuery;
struct sqlite3;
struct sqlite3_stmt;

class TListQuery
{
public:
    // Runs the select that `query` holds, with its parameters (whole numbers or texts), on
    // the query's connection. Engine errors raise platform::db::DatabaseError, in the words
    // the connection gives them.
    explicit TListQuery(TADOQuery& query);
    ~TListQuery();
    TListQuery(const TListQuery&) = delete;
    TListQuery& operator=(const TListQuery&) = delete;

    // Steps to the next row; false after the last.
    bool next();
    // A result column by name, without regard to case; a name the select lacks raises.
    int column(const QString& name) const;
    // The current row's value as text (numbers in decimal); valid until the next step.
    QUtf8StringView text(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;

private:
    TADOConnection* m_connection = nullptr;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};
