// The expense page: every expense with the total of their amounts, the sort choice, sorting
// by column, Select All, deletion, and the opening of the expense editor.
#include "common/ExpenseRows.h"
#include "common/ListQuery.h"
#include "common/ListRows.h"
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
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

namespace {

// The order lines of the sort choice's items; any other index gives no order.
const char* orderLine(int sortIndex)
{
    switch (sortIndex) {
    case 0:
        return " order by paydate desc ";
    case 1:
        return " order by item    desc ";
    case 2:
        return " order by amount  desc ";
    default:
        return nullptr;
    }
}

} // namespace

void TDesktopFrame::connectExpenseListEvents()
{
    connect(ExpenseComboBox, &QComboBox::activated, this,
            guarded(this, &TDesktopFrame::ExpenseComboBoxChange));
    connect(ExpenseListView, &QTreeWidget::itemSelectionChanged, this,
            guarded(this, &TDesktopFrame::ExpenseListViewSelectItem));
    connect(ExpenseListView->header(), &QHeaderView::sectionClicked, this,
            guarded(this, &TDesktopFrame::ExpenseListViewColumnClick));
    connect(ExpenseListView, &QTreeWidget::itemDoubleClicked, this,
            guarded(this, &TDesktopFrame::ExpenseListViewDblClick));
    listrows::onKeyUp(ExpenseListView, [this](int key) { ExpenseListViewKeyUp(key); });
    connect(NewExpenseButton, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::NewExpenseButtonClick));
    connect(EditExpenseButton, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::ExpenseListViewDblClick));
    connect(miNewExpense, &QAction::triggered, this, guarded(this, &TDesktopFrame::miNewExpenseClick));
    connect(miEditExpense, &QAction::triggered, this, guarded(this, &TDesktopFrame::ExpenseListViewDblClick));
    connect(miDeleteExpense, &QAction::triggered, this, guarded(this, &TDesktopFrame::miDeleteExpenseClick));
    connect(miExpenseSelectAll, &QAction::triggered, this,
            guarded(this, &TDesktopFrame::miExpenseSelectAllClick));
}

void TDesktopFrame::ClearExpenseList()
{
    ExpenseListView->clear();
}

void TDesktopFrame::showExpenseTotal()
{
    TotalLabel->setText(QStringLiteral("Total:") + expenserow::totalText(FExpenseTotal));
}

void TDesktopFrame::LoadExpenseList(int sortIndex)
{
    ClearExpenseList();
    if (!platform::db::openOrSay(connection()))
        return;
    AddressQuery.Close();
    AddressQuery.Connection = &connection();
    AddressQuery.SQL.Clear();
    AddressQuery.SQL.Add("  Select ");
    AddressQuery.SQL.Add("  id, item , amount , paydate  ");
    AddressQuery.SQL.Add("  from  expense ");
    if (const char* order = orderLine(sortIndex))
        AddressQuery.SQL.Add(order);

    TListQuery query(AddressQuery);
    const int id = query.column("id"), item = query.column("item"), amount = query.column("amount"),
              paydate = query.column("paydate");
    TListRowBuilder rows(&FExpenseSortColumn);
    expenserow::TRowWriter writer;
    FExpenseTotal = 0;
    // The list keeps its own order, by the text of the remembered column; the rows read
    // before a failure still reach it, but their sum is not the total of the stored amounts.
    try {
        while (query.next()) {
            const expenserow::Currency value = expenserow::currencyOf(query.real(amount));
            FExpenseTotal = expenserow::addToTotal(FExpenseTotal, value);
            rows.add(writer.places(query.text(paydate), query.text(item), value, query.text(id)));
        }
    } catch (...) {
        listrows::fill(ExpenseListView, rows, FExpenseSortColumn);
        FExpenseTotal = expenserow::UnreadTotal;
        showExpenseTotal();
        throw;
    }
    listrows::fill(ExpenseListView, rows, FExpenseSortColumn);
    showExpenseTotal();
}

void TDesktopFrame::ExpenseComboBoxChange()
{
    LoadExpenseList(ExpenseComboBox->currentIndex());
}

void TDesktopFrame::ExpenseListViewSelectItem()
{
    if (listrows::firstSelected(ExpenseListView) && !EditExpenseButton->isEnabled())
        EditExpenseButton->setEnabled(true);
}

void TDesktopFrame::ExpenseListViewColumnClick(int column)
{
    FExpenseSortColumn = column;
    listrows::sortBy(ExpenseListView, column);
}

void TDesktopFrame::NewExpenseButtonClick()
{
    starts().newExpense();
}

void TDesktopFrame::miNewExpenseClick()
{
    starts().newExpenseFromMenu();
}

void TDesktopFrame::ExpenseListViewDblClick()
{
    const QTreeWidgetItem* row = listrows::firstSelected(ExpenseListView);
    if (row)
        starts().editExpense(*row);
}

void TDesktopFrame::miDeleteExpenseClick()
{
    // The total follows the rows that leave the list, also when a later delete fails.
    const auto deleteExpense = [this](QTreeWidgetItem* row) {
        miDeleteAddressQuery.Connection = &connection();
        miDeleteAddressQuery.Close();
        miDeleteAddressQuery.Prepared = true;
        miDeleteAddressQuery.SQL.Clear();
        miDeleteAddressQuery.SQL.Add(" delete from expense where ");
        miDeleteAddressQuery.SQL.Add(" id in ( :id )  ");
        miDeleteAddressQuery.ParamByName("id").Value = row->text(expenserow::Id);
        miDeleteAddressQuery.ExecSQL();
        if (expenserow::isShownTotal(FExpenseTotal))
            FExpenseTotal -= expenserow::parseAmount(row->text(expenserow::Amount)).value_or(0);
    };
    const bool unshowable = !expenserow::isShownTotal(FExpenseTotal);
    // One repaint for the whole change: repainting after every row cost more than the deletes.
    const auto finish = qScopeGuard([this] {
        showExpenseTotal();
        repaint();
    });
    listrows::deleteSelected(ExpenseListView, connection(), deleteExpense,
                             [this] { LoadExpenseList(ExpenseComboBox->currentIndex()); });
    // A total that is no number has none to take the amounts from: it is read again.
    if (unshowable)
        LoadExpenseList(ExpenseComboBox->currentIndex());
}

void TDesktopFrame::ExpenseListViewKeyUp(int key)
{
    if (key == Qt::Key_Delete)
        miDeleteExpenseClick();
}

void TDesktopFrame::miExpenseSelectAllClick()
{
    listrows::selectAllIfAnySelected(ExpenseListView);
}
