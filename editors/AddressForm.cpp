#include "editors/AddressForm.h"

#include "common/ListRows.h"
#include "common/SharedTexts.h"
#include "desktop/DesktopFrame.h"
#include "editors/EditorSave.h"
#include "editors/LabeledEdit.h"
#include "platform/Application.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

TAddressForm::TAddressForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_connection(connection)
{
    createComponents();
    connectEvents();
    FormCreate();
}

void TAddressForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TAddressForm::OKButtonClick));
    connect(ExitButton, &QPushButton::clicked, this, guarded(this, &TAddressForm::ExitButtonClick));
}

void TAddressForm::FormCreate()
{
    ApplyCaptions();
    NewAddressQuery.Connection = &m_connection;
    m_entry = new editorsave::TOpenedEntry(this, m_connection);
    categories::fillCombo(GroupComboBox, m_frame.FAddressCategories);
    categories::setPosition(GroupComboBox, 0);
}

void TAddressForm::ApplyCaptions()
{
    const auto text = [](int id) { return SharedTexts::load(id); };
    setWindowTitle(text(65122));
    PageControl1->setTabText(PageControl1->indexOf(TabGeneral), text(65123));
    leTName->setText(text(65105));
    leTAddress->setText(text(65106));
    leTContact->setText(text(65107));
    leGroup->setText(text(65108));
    leFirstName->EditLabel->setText(text(65125));
    leLastName->EditLabel->setText(text(65124));
    leTitle->EditLabel->setText(text(65126));
    leCompanyName->EditLabel->setText(text(65127));
    leAddress->setText(text(65128));
    leCity->EditLabel->setText(text(65129));
    leZip->EditLabel->setText(text(65130));
    leNation->EditLabel->setText(text(65131));
    leOfficephone->EditLabel->setText(text(65132));
    leHomePhone->EditLabel->setText(text(65133));
    leFax->EditLabel->setText(text(65134));
    leMobile->EditLabel->setText(text(65135));
    leEmail->EditLabel->setText(text(65104));
    OKButton->setText(text(65099));
    ExitButton->setText(text(65100));
}

TAddressFields TAddressForm::fields() const
{
    const auto text = [this](const QLineEdit* edit) { return FStoredTexts.written(edit, edit->text()); };
    return {text(leFirstName),
            text(leLastName),
            text(leTitle),
            text(leCompanyName),
            FStoredTexts.written(meAddress, meAddress->toPlainText()),
            text(leCity),
            text(leZip),
            text(leNation),
            text(leOfficephone),
            text(leHomePhone),
            text(leFax),
            text(leMobile),
            text(leEmail)};
}

void TAddressForm::SetAddressParams()
{
    const TAddressFields f = fields();
    const std::pair<const char*, const QString*> texts[] = {{"FirstName", &f.FirstName},
                                                            {"LastName", &f.LastName},
                                                            {"Title", &f.Title},
                                                            {"CompanyName", &f.CompanyName},
                                                            {"Address", &f.Address},
                                                            {"City", &f.City},
                                                            {"Zip", &f.Zip},
                                                            {"Nation", &f.Nation},
                                                            {"OfficePhone", &f.OfficePhone},
                                                            {"HomePhone", &f.HomePhone},
                                                            {"Fax", &f.Fax},
                                                            {"Mobile", &f.Mobile},
                                                            {"Email", &f.Email}};
    // An empty field is stored as one blank; anything typed is stored as it stands.
    for (const auto& [name, text] : texts)
        NewAddressQuery.ParamByName(name).Value = text->isEmpty() ? QStringLiteral(" ") : *text;
    // The id kept with the chosen item, not the cache's entry at its position: the cache may
    // have been rebuilt while the editor was open.
    NewAddressQuery.ParamByName("Categoryid").Value = categories::chosenCategory(GroupComboBox);
    FCategoryId = NewAddressQuery.ParamByName("Categoryid").Value.toInt();
}

void TAddressForm::OKButtonClick()
{
    TDesktopFrame& frame = m_frame;
    const int shownCategory = frame.FAddressListCategory;
    const auto reloadList = [&frame, shownCategory] { frame.LoadAddressList(shownCategory); };
    if (FEditMode == "Edit" && !m_entry->sameFile()) {
        reloadList();
        return;
    }
    NewAddressQuery.Prepared = true;
    if (FEditMode == "Append") {
        NewAddressQuery.Close();
        NewAddressQuery.SQL.Clear();
        NewAddressQuery.SQL.Add(" Insert Into address ( FirstName , LastName , Title  ");
        NewAddressQuery.SQL.Add(" , CompanyName , Address , City ");
        NewAddressQuery.SQL.Add(" , Zip         , Nation  , OfficePhone ");
        NewAddressQuery.SQL.Add(" , HomePhone   , Fax     , Mobile , Email , CategoryID )");
        NewAddressQuery.SQL.Add(" values (  :FirstName , :LastName , :Title   ");
        NewAddressQuery.SQL.Add(" , :CompanyName , :Address , :City ");
        NewAddressQuery.SQL.Add(" , :Zip         , :Nation  , :OfficePhone ");
        NewAddressQuery.SQL.Add(" , :HomePhone   , :Fax     , :Mobile  , :Email , :CategoryID )");
        SetAddressParams();
        NewAddressQuery.ExecSQL();
        m_entry->afterSave([&] {
            NewAddressQuery.Close();
            NewAddressQuery.SQL.Clear();
            NewAddressQuery.SQL.Add("select id from address order by id desc");
            NewAddressQuery.Open();
            FAddressId = NewAddressQuery.FieldByName("ID").AsInteger();
            NewAddressQuery.Close();
            if (shownCategory == FCategoryId || shownCategory == categories::NoCategory)
                AddListRow();
        });
    }
    if (FEditMode == "Edit") {
        NewAddressQuery.Close();
        NewAddressQuery.SQL.Clear();
        NewAddressQuery.SQL.Add(" update  address set ");
        NewAddressQuery.SQL.Add(" FirstName=:FirstName     , LastName=:LastName , Title=:Title  ");
        NewAddressQuery.SQL.Add(",CompanyName=:CompanyName , Address=:Address   , City=:City    ");
        NewAddressQuery.SQL.Add(",Zip=:Zip                 , Nation=:Nation     , OfficePhone=:OfficePhone ");
        NewAddressQuery.SQL.Add(
            ",HomePhone=:HomePhone     , Fax=:Fax           , Mobile=:Mobile , Email=:Email ");
        NewAddressQuery.SQL.Add(",Categoryid=:Categoryid ");
        NewAddressQuery.SQL.Add(" where  id=:addressid ");
        SetAddressParams();
        NewAddressQuery.ParamByName("addressid").Value = FAddressId;
        if (!m_entry->entryChanged(NewAddressQuery.ExecSQL())) {
            reloadList();
            return;
        }
        m_entry->afterSave([&] {
            if (shownCategory == FCategoryId || shownCategory == categories::NoCategory) {
                UpdateListRow();
            } else if (TListRow* row = listrows::findRow(frame.AddressListView, addressrow::Id,
                                                         QString::number(FAddressId))) {
                // Only the edited entry left the category shown; other selected rows stay.
                listrows::removeRows(frame.AddressListView,
                                     {frame.AddressListView->indexOfTopLevelItem(row)});
            }
        });
    }
    close();
}

void TAddressForm::ExitButtonClick()
{
    close();
}

void TAddressForm::AddListRow()
{
    TDesktopFrame& frame = m_frame;
    const TAddressFields typed = fields();
    auto row = std::make_unique<TListRow>(
        addressrow::places(addressrow::textsOf(typed), GroupComboBox->currentText(),
                           QString::number(FAddressId), QString::number(FCategoryId)),
        &frame.FAddressSortColumn);
    listrows::insertSorted(frame.AddressListView, std::move(row), frame.FAddressSortColumn);
    categories::setPosition(frame.AddressCategoryComboBox,
                            categories::positionOfId(frame.FAddressCategories, FCategoryId));
}

void TAddressForm::UpdateListRow()
{
    TDesktopFrame& frame = m_frame;
    TListRow* row = listrows::findRow(frame.AddressListView, addressrow::Id, QString::number(FAddressId));
    if (!row)
        return;
    const TAddressFields typed = fields();
    const QString id = row->text(addressrow::Id);
    row->setPlaces(addressrow::places(addressrow::textsOf(typed), GroupComboBox->currentText(), id,
                                      QString::number(FCategoryId)));
    listrows::sortBy(frame.AddressListView, frame.FAddressSortColumn);
    categories::setPosition(frame.AddressCategoryComboBox,
                            categories::positionOfId(frame.FAddressCategories, FCategoryId));
}

void TAddressForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
