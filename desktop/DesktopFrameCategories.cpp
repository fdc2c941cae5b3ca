// The category caches of the address and Password pages, the combos and Change Category
// submenus filled from them, and the filters that choose a list's category.
#include "common/AddressRows.h"
#include "common/ListRows.h"
#include "desktop/CalendarViews.h"
#include "desktop/DesktopFrame.h"
#include "platform/Application.h"
#include "platform/DatabaseNotice.h"
#include "platform/Transaction.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <exception>

namespace {

// The Password list rows' place of the entry's id (sub-item 1).
constexpr int MemoIdPlace = 2;

// Where the two kinds of category differ; the steps are the same.
struct CategoryKind
{
    TDesktopFrame* frame;
    QLatin1String categoryTable;
    QLatin1String memberTable;
    TCategoryList& cache;
    std::vector<QAction*>& menuItems;
    QComboBox* filter;
    QComboBox* detail;
    QMenu* submenu;
    QTreeWidget* list;
    // The list rows' place of the record's id.
    int idPlace;
    void (TDesktopFrame::*loadList)(int);
    void (TDesktopFrame::*changeCategory)(QObject*);
};

CategoryKind addressKind(TDesktopFrame* f)
{
    return {f,
            QLatin1String("category"),
            QLatin1String("address"),
            f->FAddressCategories,
            f->FAddressCategoryMenuItems,
            f->ComboAddress,
            f->AddressCategoryComboBox,
            f->miChangeCategory,
            f->AddressListView,
            addressrow::Id,
            &TDesktopFrame::LoadAddressList,
            &TDesktopFrame::miChangeCategoryClick};
}

CategoryKind memoKind(TDesktopFrame* f)
{
    return {f,
            QLatin1String("mcategory"),
            QLatin1String("mmemo"),
            f->FMemoCategories,
            f->FMemoCategoryMenuItems,
            f->ComboMemo,
            f->ToDoMemoComboBox,
            f->miMemoChangeCategory,
            f->MemoListView,
            MemoIdPlace,
            &TDesktopFrame::LoadMemoList,
            &TDesktopFrame::miChangeMemoCategoryClick};
}

void clearKind(const CategoryKind& kind)
{
    kind.cache.clear();
    // Deleting an item takes it out of the submenu.
    for (QAction* item : kind.menuItems)
        delete item;
    kind.menuItems.clear();
    for (QComboBox* combo : {kind.filter, kind.detail}) {
        const QSignalBlocker quiet(combo);
        combo->clear();
    }
}

// Fills the emptied cache, both combos and the submenu, and puts the filter at `filterIndex`.
void loadKind(const CategoryKind& kind, int filterIndex)
{
    TADOQuery& query = kind.frame->CategoryQuery;
    query.Close();
    query.Connection = &kind.frame->connection();
    query.SQL.Clear();
    query.SQL.Add("select ");
    query.SQL.Add(" id , category ");
    query.SQL.Add(" from " + kind.categoryTable + " ");
    TCategoryList cache;
    // Without a database only "All" is offered.
    if (platform::db::openOrSay(*query.Connection)) {
        query.Open();
        cache.reserve(static_cast<size_t>(query.RecordCount()));
        for (query.First(); !query.Eof(); query.Next())
            cache.push_back({query.FieldByName("id").AsInteger(), query.FieldByName("category").AsString()});
        categories::order(cache);
    }
    kind.cache = std::move(cache);

    categories::fillCombo(kind.filter, kind.cache);
    categories::fillCombo(kind.detail, kind.cache);
    categories::setPosition(kind.filter, filterIndex);

    const int count = static_cast<int>(kind.cache.size());
    for (int position = 0; position <= count; ++position) {
        auto* item =
            new QAction(position == 0 ? categories::AllName : kind.cache[position - 1].name, kind.frame);
        item->setData(categories::idAtPosition(kind.cache, position));
        QObject::connect(item, &QAction::triggered, kind.frame,
                         [frame = kind.frame, handler = kind.changeCategory, item] {
                             runGuarded([&] { (frame->*handler)(item); });
                         });
        kind.submenu->addAction(item);
        kind.menuItems.push_back(item);
    }
}

// Moves the selected rows' records to the category of the clicked item, one statement per
// row in list order in one batch, and shows every row of the list afterwards.
void changeCategory(const CategoryKind& kind, QObject* sender)
{
    auto* item = qobject_cast<QAction*>(sender);
    if (!item)
        throw std::logic_error("Change Category needs the clicked menu item");
    TADOQuery& query = kind.frame->miDeleteAddressQuery;
    query.Connection = &kind.frame->connection();
    const std::vector<int> rows = listrows::selectedRowNumbers(kind.list);
    if (rows.empty())
        return;
    const int categoryId = item->data().toInt();
    const platform::db::BatchOutcome outcome =
        platform::db::runBatch(kind.frame->connection(), static_cast<int>(rows.size()), [&](int i) {
            const QString id = kind.list->topLevelItem(rows[static_cast<size_t>(i)])->text(kind.idPlace);
            query.Close();
            query.Prepared = true;
            query.SQL.Clear();
            query.SQL.Add(" update " + kind.memberTable + "  ");
            query.SQL.Add(" set categoryid=:categoryid");
            query.SQL.Add(" where id in ( :id )    ");
            query.ParamByName("id").Value = id;
            query.ParamByName("categoryid").Value = categoryId;
            query.ExecSQL();
        });
    kind.frame->repaint();
    // Reloaded after a failure as well: the rows moved before it must show their new category.
    (kind.frame->*kind.loadList)(categories::NoCategory);
    if (outcome.failure)
        std::rethrow_exception(outcome.failure);
}

} // namespace

void TDesktopFrame::ClearAddressCategories()
{
    clearKind(addressKind(this));
}

void TDesktopFrame::ClearMemoCategories()
{
    clearKind(memoKind(this));
}

void TDesktopFrame::LoadAddressCategories(int filterIndex)
{
    ClearAddressCategories();
    loadKind(addressKind(this), filterIndex);
    // The detail combo shows a category only once an entry is selected.
    categories::setPosition(AddressCategoryComboBox, -1);
    LoadAddressList(categories::NoCategory);
}

void TDesktopFrame::LoadMemoCategories(int filterIndex)
{
    ClearMemoCategories();
    loadKind(memoKind(this), filterIndex);
    categories::setPosition(ToDoMemoComboBox, filterIndex);
    LoadMemoList(categories::NoCategory);
}

void TDesktopFrame::ComboAddressChange()
{
    LoadAddressList(categories::idAtPosition(FAddressCategories, ComboAddress->currentIndex()));
}

void TDesktopFrame::ComboMemoChange()
{
    LoadMemoList(categories::idAtPosition(FMemoCategories, ComboMemo->currentIndex()));
}

void TDesktopFrame::miChangeCategoryClick(QObject* Sender)
{
    changeCategory(addressKind(this), Sender);
}

void TDesktopFrame::miChangeMemoCategoryClick(QObject* Sender)
{
    changeCategory(memoKind(this), Sender);
}
