// The compiled statements a connection keeps for queries marked Prepared.
#include "platform/Database.h"

#include <algorithm>
#include <sqlite3.h>

namespace {
// A query marked Prepared keeps running one text; a handful covers the ones in use at a time.
constexpr size_t MostKept = 8;
} // namespace

sqlite3_stmt* TADOConnection::keptStatement(const QByteArray& sql) const
{
    const auto found =
        std::find_if(m_kept.begin(), m_kept.end(), [&sql](const auto& kept) { return kept.first == sql; });
    return found == m_kept.end() ? nullptr : found->second;
}

void TADOConnection::keepStatement(const QByteArray& sql, sqlite3_stmt* statement)
{
    if (m_kept.size() == MostKept) {
        sqlite3_finalize(m_kept.front().second);
        m_kept.erase(m_kept.begin());
    }
    m_kept.emplace_back(sql, statement);
}

void TADOConnection::dropKeptStatements()
{
    for (const auto& kept : m_kept)
        sqlite3_finalize(kept.second);
    m_kept.clear();
}
