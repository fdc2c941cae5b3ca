// The Password page: the list of one category's entries with the selected entry's position,
// text and category, sorting, Select All, deletion, and the opening of the Password editor.
#include "common/ListQuery.h"
#include "common/ListRows.h"
#include "common/MemoRows.h"
#include "common/SharedTexts.h"
#include "desktop/CalendarViews.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "platform/Application.h"
#include "platform/DatabaseNotice.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

void TDesktopFrame::connectMemoListEvents()
{
    connect(MemoListView, &QTreeWidget::itemSelectionChanged, this,
            guarded(this, &TDesktopFrame::MemoListViewSelectItem));
    connect(MemoListView->header(), &QHeaderView::sectionClicked, this,
            guarded(this, &TDesktopFrame::MemoListViewColumnClick));
    connect(MemoListView, &QTreeWidget::itemDoubleClicked, this,
            guarded(this, &TDesktopFrame::MemoListViewDblClick));
    listrows::onKeyUp(MemoListView, [this](int key) { MemoListViewKeyUp(key); });
    listrows::onDoubleClick(ToDoMemo->viewport(), [this] { MemoListViewDblClick(); });
    connect(NewMemoButton, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::NewMemoButtonClick));
    connect(EditMemoButton, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::MemoListViewDblClick));
    connect(miNewMemo, &QAction::triggered, this, guarded(this, &TDesktopFrame::miNewMemoClick));
    connect(miEditMemo, &QAction::triggered, this, guarded(this, &TDesktopFrame::MemoListViewDblClick));
    connect(miDeleteMemo, &QAction::triggered, this, guarded(this, &TDesktopFrame::miDeleteMemoClick));
    connect(miMemoSelectAll, &QAction::triggered, this, guarded(this, &TDesktopFrame::miMemoSelectAllClick));
}

void TDesktopFrame::ClearMemoList()
{
    MemoListView->clear();
}

void TDesktopFrame::LoadMemoList(int categoryId)
{
    FMemoListCategory = categoryId;
    ClearMemoList();
    if (!platform::db::openOrSay(connection()))
        return;
    AddressQuery.Close();
    AddressQuery.Connection = &connection();
    AddressQuery.SQL.Clear();
    AddressQuery.SQL.Add("  Select ");
    AddressQuery.SQL.Add("  id, mMemo ,categoryid ");
    AddressQuery.SQL.Add("  from  mMemo ");
    AddressQuery.SQL.Add(categoryId == categories::NoCategory ? " where categoryid >= :categoryid "
                                                              : " where categoryid = :categoryid ");
    AddressQuery.ParamByName("categoryid").Value = categoryId;

    TListQuery query(AddressQuery);
    const int id = query.column("id");
    const int text = query.column("mMemo");
    const int categoryid = query.column("categoryid");
    TListRowBuilder rows(&FMemoSortColumn);
    // The rows read before a failure still reach the list.
    try {
        while (query.next()) {
            const QString category =
                categories::nameOfId(FMemoCategories, static_cast<int>(query.integer(categoryid)));
            rows.add(memorow::places(query.text(text), category, query.text(id), query.text(categoryid)));
        }
    } catch (...) {
        listrows::fill(MemoListView, rows, FMemoSortColumn);
        throw;
    }
    listrows::fill(MemoListView, rows, FMemoSortColumn);
}

void TDesktopFrame::MemoListViewSelectItem()
{
    QTreeWidgetItem* row = listrows::firstSelected(MemoListView);
    if (!row) {
        // Nothing selected, nothing to show or edit: a deleted secret must not linger on screen.
        EditMemoButton->setEnabled(false);
        ToDoLabel->clear();
        ToDoMemo->clear();
        return;
    }
    if (!EditMemoButton->isEnabled())
        EditMemoButton->setEnabled(true);
    ToDoLabel->setText(QStringLiteral("Password %1 of %2")
                           .arg(MemoListView->indexOfTopLevelItem(row) + 1)
                           .arg(MemoListView->topLevelItemCount()));
    ToDoMemo->setPlainText(row->text(memorow::Text));
    // Only the detail box follows the entry; the filter keeps what the list was loaded for.
    categories::setPosition(
        ToDoMemoComboBox,
        categories::positionOfId(FMemoCategories, row->text(memorow::CategoryId).trimmed().toInt()));
}

void TDesktopFrame::MemoListViewColumnClick(int column)
{
    FMemoSortColumn = column;
    listrows::sortBy(MemoListView, column);
}

void TDesktopFrame::NewMemoButtonClick()
{
    starts().newMemo();
}

void TDesktopFrame::miNewMemoClick()
{
    starts().newMemoFromMenu();
}

void TDesktopFrame::MemoListViewDblClick()
{
    const QTreeWidgetItem* row = listrows::firstSelected(MemoListView);
    if (row)
        starts().editMemo(*row);
}

void TDesktopFrame::miDeleteMemoClick()
{
    const auto deleteRecord = [this](QTreeWidgetItem* row) {
        miDeleteAddressQuery.Connection = &connection();
        miDeleteAddressQuery.Close();
        miDeleteAddressQuery.Prepared = true;
        miDeleteAddressQuery.SQL.Clear();
        miDeleteAddressQuery.SQL.Add(" delete from mmemo where ");
        miDeleteAddressQuery.SQL.Add(" id in ( :id )  ");
        miDeleteAddressQuery.ParamByName("id").Value = row->text(memorow::Id);
        miDeleteAddressQuery.ExecSQL();
    };
    // One repaint for the whole change: repainting after every row cost more than the deletes.
    const auto repaintOnce = qScopeGuard([this] { repaint(); });
    listrows::deleteSelected(MemoListView, connection(), deleteRecord, [this] { ComboMemoChange(); });
}

void TDesktopFrame::MemoListViewKeyUp(int key)
{
    if (key == Qt::Key_Delete)
        miDeleteMemoClick();
}

void TDesktopFrame::miMemoSelectAllClick()
{
    listrows::selectAllIfAnySelected(MemoListView);
}
