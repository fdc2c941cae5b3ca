#pragma once

#include "common/MemoRows.h"
#include "desktop/AddressBookFixture.h"
#include "support/WhenModal.h"

#include <QDialog>
#include <functional>

// The main window on a fresh database with two Password categories, and helpers that store
// Password entries and pick rows of the Password list.
class MemoListTest : public AddressBookTest
{
protected:
    MemoListTest()
    {
        bank = addCategory("Bank", "mcategory");
        mail = addCategory("Mail", "mcategory");
    }

    int addMemo(const QString& text, int categoryId) const
    {
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        query.SQL.Add("insert into mmemo (MMemo, Categoryid) values (:t, :c)");
        query.ParamByName("t").Value = text;
        query.ParamByName("c").Value = categoryId;
        query.ExecSQL();
        return lastId("mmemo");
    }

    QTreeWidget* list() const { return frame->MemoListView; }

    QTreeWidgetItem* row(const QString& text) const
    {
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            if (list()->topLevelItem(i)->text(memorow::Text) == text)
                return list()->topLevelItem(i);
        return nullptr;
    }

    void selectRows(std::initializer_list<QString> texts) const
    {
        for (const QString& text : texts)
            row(text)->setSelected(true);
    }

    // The stored entries as "text=category id", by text.
    QStringList stored() const
    {
        QStringList entries;
        for (const QStringList& entry : select("select MMemo, Categoryid from mmemo order by MMemo"))
            entries << entry.at(0) + "=" + entry.at(1);
        return entries;
    }

    // The listed entries in the same form, from their hidden category ids.
    QStringList listed() const
    {
        QStringList entries;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            entries << list()->topLevelItem(i)->text(memorow::Text) + "=" +
                           list()->topLevelItem(i)->text(memorow::CategoryId);
        entries.sort();
        return entries;
    }

    int bank = 0;
    int mail = 0;
};
