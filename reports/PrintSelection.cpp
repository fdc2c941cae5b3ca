#include "reports/PrintSelection.h"

#include "common/ExpenseRows.h"
#include "common/ListRows.h"
#include "common/MemoRows.h"
#include "desktop/DesktopFrame.h"

#include <QComboBox>
#include <QTreeWidget>

namespace {

// The hidden ids of a list's selected rows, in list order.
QStringList selectedIds(const QTreeWidget* list, int idPlace)
{
    QStringList ids;
    for (int row : listrows::selectedRowNumbers(list))
        ids.append(list->topLevelItem(row)->text(idPlace));
    return ids;
}

} // namespace

TPrintSelection printSelectionOf(const TDesktopFrame& frame)
{
    TPrintSelection selection;
    selection.connection = &frame.connection();
    selection.addressPosition = frame.ComboAddress->currentIndex();
    for (const TCategoryRec& category : frame.FAddressCategories)
        selection.addressCategoryIds.append(category.id);
    selection.memoIds = selectedIds(frame.MemoListView, memorow::Id);
    selection.expenseIds = selectedIds(frame.ExpenseListView, expenserow::Id);
    return selection;
}
