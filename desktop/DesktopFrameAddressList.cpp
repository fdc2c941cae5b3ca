// The address page: the list of one category's entries with its detail pane, sorting,
// Select All, deletion, and the opening of the address editor.
#include "common/AddressRows.h"
#include "common/ListQuery.h"
#include "common/ListRows.h"
#include "common/statements/AddressStatements.h"
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

void TDesktopFrame::connectAddressBookEvents()
{
    connect(AddressListView, &QTreeWidget::itemSelectionChanged, this,
            guarded(this, &TDesktopFrame::AddressListViewSelectItem));
    connect(AddressListView->header(), &QHeaderView::sectionClicked, this,
            guarded(this, &TDesktopFrame::AddressListViewColumnClick));
    connect(AddressListView, &QTreeWidget::itemDoubleClicked, this,
            guarded(this, &TDesktopFrame::AddressListViewDblClick));
    listrows::onKeyUp(AddressListView, [this](int key) { AddressListViewKeyUp(key); });
    listrows::onDoubleClick(AddressMemo->viewport(), [this] { AddressListViewDblClick(); });
    connect(NewAddressButton, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::NewAddressButtonClick));
    connect(EditAddressButton, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::AddressListViewDblClick));
    connect(miNewAddress, &QAction::triggered, this, guarded(this, &TDesktopFrame::NewAddressButtonClick));
    connect(miEditAddress, &QAction::triggered, this, guarded(this, &TDesktopFrame::AddressListViewDblClick));
    connect(miDeleteAddress, &QAction::triggered, this, guarded(this, &TDesktopFrame::miDeleteAddressClick));
    connect(miSelectAll, &QAction::triggered, this, guarded(this, &TDesktopFrame::miSelectAllClick));
    connect(ComboAddress, &QComboBox::activated, this, guarded(this, &TDesktopFrame::ComboAddressChange));
    connect(ComboMemo, &QComboBox::activated, this, guarded(this, &TDesktopFrame::ComboMemoChange));
}

void TDesktopFrame::ClearAddressList()
{
    AddressListView->clear();
}

void TDesktopFrame::LoadAddressList(int categoryId)
{
    FAddressListCategory = categoryId;
    ClearAddressList();
    if (!platform::db::openOrSay(connection()))
        return;
    AddressQuery.Close();
    AddressQuery.Connection = &connection();
    AddressQuery.SQL.Clear();
    addressstatements::addSelect(AddressQuery.SQL);
    AddressQuery.SQL.Add(categoryId == categories::NoCategory ? addressstatements::WhereAnyCategory
                                                              : addressstatements::WhereCategory);
    AddressQuery.ParamByName("categoryid").Value = categoryId;

    TListQuery query(AddressQuery);
    const auto column = [&query](const char* name) { return query.column(QLatin1String(name)); };
    const int id = column("id"), firstName = column("FirstName"), lastName = column("LastName"),
              title = column("Title"), companyName = column("CompanyName"), address = column("Address"),
              city = column("City"), zip = column("Zip"), nation = column("Nation"),
              officePhone = column("OfficePhone"), homePhone = column("HomePhone"), fax = column("Fax"),
              mobile = column("Mobile"), email = column("Email"), categoryid = column("Categoryid");
    TListRowBuilder rows(&FAddressSortColumn);
    // The rows read before a failure still reach the list.
    try {
        while (query.next()) {
            const TAddressTexts texts{query.text(firstName),   query.text(lastName), query.text(title),
                                      query.text(companyName), query.text(address),  query.text(city),
                                      query.text(zip),         query.text(nation),   query.text(officePhone),
                                      query.text(homePhone),   query.text(fax),      query.text(mobile),
                                      query.text(email)};
            const QString category =
                categories::nameOfId(FAddressCategories, static_cast<int>(query.integer(categoryid)));
            rows.add(addressrow::places(texts, category, query.text(id), query.text(categoryid)));
        }
    } catch (...) {
        listrows::fill(AddressListView, rows, FAddressSortColumn);
        throw;
    }
    listrows::fill(AddressListView, rows, FAddressSortColumn);
}

void TDesktopFrame::AddressListViewSelectItem()
{
    const QTreeWidgetItem* row = listrows::firstSelected(AddressListView);
    if (!row) {
        // Nothing selected, nothing to show or edit: a deleted or reloaded entry must not linger.
        EditAddressButton->setEnabled(false);
        AddressNameLabel->clear();
        AddressMemo->clear();
        return;
    }
    if (!EditAddressButton->isEnabled())
        EditAddressButton->setEnabled(true);
    AddressNameLabel->setText(row->text(addressrow::LastName) + "," + row->text(addressrow::FirstName));

    static const std::pair<const char*, int> details[] = {{"Email:", addressrow::Email},
                                                          {"Title:", addressrow::Title},
                                                          {"Company:", addressrow::CompanyName},
                                                          {"Address:", addressrow::Address},
                                                          {"City:", addressrow::City},
                                                          {"Zip:", addressrow::Zip},
                                                          {"Nation:", addressrow::Nation},
                                                          {"Office Phone:", addressrow::OfficePhone},
                                                          {"Home Phone:", addressrow::HomePhone},
                                                          {"Fax:", addressrow::Fax},
                                                          {"Mobile:", addressrow::Mobile}};
    QStringList lines;
    for (const auto& [label, place] : details) {
        const QString value = listrows::trimLeft(row->text(place));
        if (!value.isEmpty())
            lines << QLatin1String(label) + value;
    }
    AddressMemo->setPlainText(lines.join('\n'));

    // Both combos show the entry's category; the list keeps its rows.
    const int position =
        categories::positionOfId(FAddressCategories, row->text(addressrow::CategoryId).trimmed().toInt());
    categories::setPosition(ComboAddress, position);
    categories::setPosition(AddressCategoryComboBox, position);
}

void TDesktopFrame::AddressListViewColumnClick(int column)
{
    FAddressSortColumn = column;
    listrows::sortBy(AddressListView, column);
}

void TDesktopFrame::NewAddressButtonClick()
{
    starts().newAddress();
}

void TDesktopFrame::AddressListViewDblClick()
{
    const QTreeWidgetItem* row = listrows::firstSelected(AddressListView);
    if (row)
        starts().editAddress(*row);
}

void TDesktopFrame::miDeleteAddressClick()
{
    const auto deleteRecord = [this](QTreeWidgetItem* row) {
        miDeleteAddressQuery.Connection = &connection();
        miDeleteAddressQuery.Close();
        miDeleteAddressQuery.Prepared = true;
        miDeleteAddressQuery.SQL.Clear();
        miDeleteAddressQuery.SQL.Add(" delete from address where ");
        miDeleteAddressQuery.SQL.Add(" id in ( :id )  ");
        miDeleteAddressQuery.ParamByName("id").Value = row->text(addressrow::Id);
        miDeleteAddressQuery.ExecSQL();
    };
    // One repaint for the whole change: repainting after every row cost more than the deletes.
    const auto repaintOnce = qScopeGuard([this] { repaint(); });
    listrows::deleteSelected(AddressListView, connection(), deleteRecord, [this] { ComboAddressChange(); });
}

void TDesktopFrame::AddressListViewKeyUp(int key)
{
    if (key == Qt::Key_Delete)
        miDeleteAddressClick();
}

void TDesktopFrame::miSelectAllClick()
{
    listrows::selectAllIfAnySelected(AddressListView);
}
