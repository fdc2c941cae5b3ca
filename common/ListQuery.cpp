#include "common/ListQuery.h"

#include "platform/Database.h"
#include "platform/SqlText.h"

#include <sqlite3.h>

using platform::db::DatabaseError;

TListQuery::TListQuery(TADOQuery& query)
{
    if (!query.Connection)
        throw DatabaseError("The query has no connection");
    m_connection = query.Connection;
    m_db = m_connection->handle();
    const auto engine =
        platform::db::sql::expand(platform::db::sql::parse(query.SQL.Text()),
                                  [&query](const QString& name) { return query.ParamByName(name).Value; });
    if (sqlite3_prepare_v2(m_db, engine.sql.constData(), static_cast<int>(engine.sql.size()), &m_stmt,
                           nullptr) != SQLITE_OK)
        m_connection->failStatement(m_db);
    if (!m_stmt)
        throw DatabaseError("The query has no statement");
    for (size_t i = 0; i < engine.values.size(); ++i) {
        const QVariant& value = engine.values[i];
        const int index = static_cast<int>(i + 1);
        int rc = SQLITE_OK;
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
        } else if (value.typeId() == QMetaType::QString) {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, utf8.constData(),
                                     static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
        } else {
            throw DatabaseError("A list's select takes only whole numbers and texts as parameters");
        }
        if (rc != SQLITE_OK)
            throw DatabaseError(sqlite3_errmsg(m_db));
    }
}

TListQuery::~TListQuery()
{
    sqlite3_finalize(m_stmt);
}

bool TListQuery::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_connection->failStatement(m_db);
}

int TListQuery::column(const QString& name) const
{
    for (int c = 0; c < sqlite3_column_count(m_stmt); ++c)
        if (name.compare(QString::fromUtf8(sqlite3_column_name(m_stmt, c)), Qt::CaseInsensitive) == 0)
            return c;
    throw DatabaseError(QStringLiteral("Field '%1' not found").arg(name).toStdString());
}

QUtf8StringView TListQuery::text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QUtf8StringView(text, text ? sqlite3_column_bytes(m_stmt, column) : 0);
}

qint64 TListQuery::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double TListQuery::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}
