#include "support/DamagedPage.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

int damageLeafPage(const QString& path, const char* table, int index)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "select pageno, (select page_size from pragma_page_size) from dbstat "
                       "where name = ?1 and pagetype = 'leaf' order by pageno limit 1 offset ?2",
                       -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, table, -1, SQLITE_STATIC);
    sqlite3_bind_int(stmt, 2, index);
    const bool found = sqlite3_step(stmt) == SQLITE_ROW;
    const int page = found ? sqlite3_column_int(stmt, 0) : 0;
    const int pageSize = found ? sqlite3_column_int(stmt, 1) : 0;
    const std::string error = sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (!found)
        throw std::runtime_error("no leaf page " + std::to_string(index) + " of " + table + ": " + error);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(qint64(page - 1) * pageSize) ||
        file.write(QByteArray(pageSize, '\xff')) != pageSize)
        throw std::runtime_error("cannot overwrite a page of " + path.toStdString());
    return page;
}
