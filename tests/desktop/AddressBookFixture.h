#pragma once

#include "desktop/CalendarViewFixture.h"

#include <QStringList>
#include <QTreeWidget>
#include <sqlite3.h>
#include <vector>

// The main window on a fresh database, with helpers that store address-book rows and read
// the tables back through a connection of the test's own.
class AddressBookTest : public CalendarViewTest
{
protected:
    void execute(const QString& sql) const
    {
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        query.SQL.Add(sql);
        query.ExecSQL();
    }

    int lastId(const QString& table) const
    {
        return select("select max(id) from " + table).at(0).at(0).toInt();
    }

    int addCategory(const QString& name, const QString& table = "category") const
    {
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        query.SQL.Add("insert into " + table + " (category) values (:name)");
        query.ParamByName("name").Value = name;
        query.ExecSQL();
        return lastId(table);
    }

    // An entry as the editor stores one: every text given or a single blank.
    int addAddress(const QString& lastName, const QString& firstName, int categoryId,
                   const QString& email = " ") const
    {
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        query.SQL.Add(
            "insert into address (FirstName, LastName, Title, CompanyName, Address, City, Zip, Nation,"
            " OfficePhone, HomePhone, Fax, Mobile, Email, Categoryid) values (:f, :l, ' ', ' ', ' ',"
            " ' ', ' ', ' ', ' ', ' ', ' ', ' ', :e, :c)");
        query.ParamByName("f").Value = firstName;
        query.ParamByName("l").Value = lastName;
        query.ParamByName("e").Value = email;
        query.ParamByName("c").Value = categoryId;
        query.ExecSQL();
        return lastId("address");
    }

    // The rows of a select, each value as text, read from the database file itself.
    std::vector<QStringList> select(const QString& sql) const
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(databasePath().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        std::vector<QStringList> rows;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                QStringList row;
                for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                    row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
                rows.push_back(row);
            }
        } else {
            ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql.toStdString();
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return rows;
    }

    // A list's rows: `places` texts of each, from the caption on.
    static std::vector<QStringList> rowsOf(const QTreeWidget* list, int places)
    {
        std::vector<QStringList> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList row;
            for (int p = 0; p < places; ++p)
                row << list->topLevelItem(i)->text(p);
            rows.push_back(row);
        }
        return rows;
    }

    // One place of every row, top to bottom.
    static QStringList column(const QTreeWidget* list, int place)
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(place);
        return texts;
    }
};
