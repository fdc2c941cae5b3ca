// The address page: the list of one category's entries with its detail pane, sorting,
// Select All, deletion, and the opening of the address editor.
#include "app/Forms.h"
#include "desktop/AddressRows.h"
#include "desktop/CalendarViews.h"
#include "desktop/DesktopFrame.h"
#include "desktop/ListQuery.h"
#include "desktop/ListRows.h"
#include "editors/AddressForm.h"
#include "editors/LabeledEdit.h"
#include "platform/Application.h"
#include "platform/DatabaseNotice.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
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
    if (!platform::db::openOrSay(calendarview::connectionOf(this)))
        return;
    AddressQuery.Close();
    AddressQuery.Connection = &calendarview::connectionOf(this);
    AddressQuery.SQL.Clear();
    AddressQuery.SQL.Add("  Select ");
    AddressQuery.SQL.Add("  id, FirstName , LastName , Title  ");
    AddressQuery.SQL.Add(", CompanyName , Address , City ");
    AddressQuery.SQL.Add(", Zip         , Nation  , OfficePhone ");
    AddressQuery.SQL.Add(", HomePhone   , Fax     , Mobile , Email , Categoryid ");
    AddressQuery.SQL.Add("  from  address ");
    AddressQuery.SQL.Add(categoryId == categories::NoCategory ? " where categoryid >= :categoryid "
                                                              : " where categoryid = :categoryid ");
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
    TAddressForm* editor = Application::CreateForm(AddressForm);
    editor->FEditMode = "Append";
    editor->show();
}

void TDesktopFrame::AddressListViewDblClick()
{
    const QTreeWidgetItem* row = listrows::firstSelected(AddressListView);
    if (!row)
        return;
    const int id = listrows::idIn(row->text(addressrow::Id));
    const int category = listrows::idIn(row->text(addressrow::CategoryId));
    TAddressForm* editor = Application::CreateForm(AddressForm);
    editor->FEditMode = "Edit";
    const auto take = [row, editor](QLineEdit* edit, int place) {
        edit->setText(editor->FStoredTexts.show(edit, row->text(place)));
    };
    take(editor->leLastName, addressrow::LastName);
    take(editor->leFirstName, addressrow::FirstName);
    take(editor->leTitle, addressrow::Title);
    take(editor->leCompanyName, addressrow::CompanyName);
    editor->meAddress->setPlainText(
        editor->FStoredTexts.show(editor->meAddress, row->text(addressrow::Address)));
    take(editor->leCity, addressrow::City);
    take(editor->leZip, addressrow::Zip);
    take(editor->leNation, addressrow::Nation);
    take(editor->leOfficephone, addressrow::OfficePhone);
    take(editor->leHomePhone, addressrow::HomePhone);
    take(editor->leFax, addressrow::Fax);
    take(editor->leMobile, addressrow::Mobile);
    take(editor->leEmail, addressrow::Email);
    editor->FAddressId = id;
    categories::setPosition(editor->GroupComboBox, categories::positionOfId(FAddressCategories, category));
    editor->exec();
}

void TDesktopFrame::miDeleteAddressClick()
{
    listrows::deleteSelected(AddressListView, [this](QTreeWidgetItem* row) {
        miDeleteAddressQuery.Connection = &calendarview::connectionOf(this);
        miDeleteAddressQuery.Close();
        miDeleteAddressQuery.Prepared = true;
        miDeleteAddressQuery.SQL.Clear();
        miDeleteAddressQuery.SQL.Add(" delete from address where ");
        miDeleteAddressQuery.SQL.Add(" id in ( :id )  ");
        miDeleteAddressQuery.ParamByName("id").Value = row->text(addressrow::Id);
        repaint();
        miDeleteAddressQuery.ExecSQL();
    });
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
