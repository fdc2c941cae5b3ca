#pragma once

// The query component's statement text: finding the named parameters and turning the
// text into what the engine runs, with every value bound and never spliced into the SQL.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace platform::db::sql {

struct ParameterUse
{
    qsizetype start = 0;  // position of the ':'
    qsizetype length = 0; // ':' and the name
    QString name;
    // The parameter is the only thing between the brackets of "in ( ... )", so it may
    // stand for a comma list of ids.
    bool aloneInList = false;
};

struct ParsedSql
{
    QString text;
    std::vector<ParameterUse> uses;
    // Each name once, in the spelling of its first use; names differing only in case are one.
    QStringList names;
};

// Finds ":name" outside quoted literals, bracketed names and comments.
ParsedSql parse(const QString& sql);

struct EngineStatement
{
    QByteArray sql;               // UTF-8, every parameter a "?"
    std::vector<QVariant> values; // one per "?", in order
};

// Replaces each use by "?" (or by one "?" per id when a list stands alone in "in ( )").
// valueOf gives the value of a parameter name. Raises DatabaseError for a list element
// that is not a whole number.
EngineStatement expand(const ParsedSql& parsed, const std::function<QVariant(const QString&)>& valueOf);

} // namespace platform::db::sql
