#pragma once

#include "common/ExpenseRows.h"
#include "desktop/AddressBookFixture.h"
#include "support/WhenModal.h"

#include <QLabel>
#include <QTreeWidget>
#include <functional>

// The main window on a fresh database with helpers for the expense table and list; the table
// is read back from the database file itself.
class ExpenseTest : public AddressBookTest
{
protected:
    QTreeWidget* list() const { return frame->ExpenseListView; }
    QString total() const { return frame->TotalLabel->text(); }

    // `paydate` as stored: "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss".
    int addExpense(const QString& item, double amount, const QString& paydate) const
    {
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        query.SQL.Add("insert into expense (item, amount, paydate) values (:i, :a, :p)");
        query.ParamByName("i").Value = item;
        query.ParamByName("a").Value = amount;
        query.ParamByName("p").Value = paydate;
        query.ExecSQL();
        return lastId("expense");
    }

    // Every stored expense as "item|amount|paydate", by id.
    QStringList stored() const
    {
        QStringList rows;
        for (const QStringList& row : select("select item, amount, paydate from expense order by id"))
            rows << row.join('|');
        return rows;
    }

    QTreeWidgetItem* rowOf(const QString& item) const
    {
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            if (list()->topLevelItem(i)->text(expenserow::Item) == item)
                return list()->topLevelItem(i);
        return nullptr;
    }

    // The sum of the amounts the list shows, as the total line would write it.
    QString sumOfRows() const
    {
        expenserow::Currency sum = 0;
        for (const QString& amount : column(list(), expenserow::Amount))
            sum += expenserow::parseAmount(amount).value_or(0);
        return "Total:" + expenserow::amountText(sum);
    }
};
