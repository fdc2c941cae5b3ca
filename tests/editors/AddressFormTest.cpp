#include "editors/AddressForm.h"

#include "common/AddressRows.h"
#include "desktop/AddressBookFixture.h"
#include "editors/LabeledEdit.h"
#include "support/WhenModal.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

class AddressFormTest : public AddressBookTest
{
protected:
    AddressFormTest()
    {
        friends = addCategory("Friends");
        work = addCategory("Work");
    }

    QTreeWidget* list() const { return frame->AddressListView; }

    TAddressForm* openNew()
    {
        frame->NewAddressButton->click();
        EXPECT_TRUE(AddressForm && AddressForm->isVisible());
        return AddressForm;
    }

    QTreeWidgetItem* row(const QString& lastName) const
    {
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            if (list()->topLevelItem(i)->text(addressrow::LastName) == lastName)
                return list()->topLevelItem(i);
        return nullptr;
    }

    // Opens the editor on the selected entry, moves it to the group at `position` and confirms.
    bool editSelectedIntoGroup(int position)
    {
        WhenModal edit([position](QDialog* dialog) {
            auto* editor = qobject_cast<TAddressForm*>(dialog);
            editor->GroupComboBox->setCurrentIndex(position);
            editor->OKButton->click();
        });
        frame->AddressListViewDblClick();
        return edit.ran();
    }

    int friends = 0;
    int work = 0;
};

TEST_F(AddressFormTest, AppendStoresTheEntryAndAddsItsRowWithTheNewId)
{
    addAddress("Adams", "x", -1);
    addAddress("Young", "x", -1);
    frame->LoadAddressCategories(0);

    TAddressForm* editor = openNew();
    editor->leLastName->setText("Miller");
    editor->leTitle->setText("   ");
    editor->meAddress->setPlainText("Main St 1\nFloor 2");
    editor->leOfficephone->setText("555-1");
    editor->OKButton->click();

    const QString id = QString::number(lastId("address"));
    EXPECT_EQ(
        select("select FirstName, LastName, Title, CompanyName, Address, City, Zip, Nation, OfficePhone,"
               " HomePhone, Fax, Mobile, Email, Categoryid from address where id = " +
               id),
        std::vector<QStringList>({{" ", "Miller", "   ", " ", "Main St 1\nFloor 2", " ", " ", " ", "555-1",
                                   " ", " ", " ", " ", "-1"}}));
    EXPECT_EQ(rowsOf(list(), addressrow::PlaceCount).at(1),
              QStringList({"Miller", "", "", "All", "   ", "", "Main St 1\nFloor 2", "", "", "", "555-1", "",
                           "", "", id, "-1"}));
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(AddressFormTest, ANewEntryGetsARowOnlyWhereTheFilterShowsItsGroup)
{
    // Selecting a row puts the filter on the row's group, so the selected row is of the
    // filter's group.
    struct Case
    {
        int filterPosition;
        int groupPosition;
        bool listed;
    };
    for (const Case& c : {Case{0, 2, true}, Case{1, 1, true}, Case{1, 2, false}}) {
        execute("delete from address");
        addAddress("Old", "x", c.filterPosition == 0 ? -1 : friends);
        frame->LoadAddressCategories(c.filterPosition);
        frame->LoadAddressList(categories::idAtPosition(frame->FAddressCategories, c.filterPosition));
        list()->topLevelItem(0)->setSelected(true);

        TAddressForm* editor = openNew();
        editor->leLastName->setText("New");
        editor->GroupComboBox->setCurrentIndex(c.groupPosition);
        editor->OKButton->click();

        EXPECT_EQ(select("select count(*) from address where LastName = 'New'").at(0).at(0), "1");
        EXPECT_EQ(row("New") != nullptr, c.listed)
            << "filter " << c.filterPosition << " group " << c.groupPosition;
        EXPECT_TRUE(row("Old")->isSelected());
        EXPECT_TRUE(frame->EditAddressButton->isEnabled());
    }
}

TEST_F(AddressFormTest, EditOpensOnTheTopmostSelectedEntryAndRewritesItsRowInPlace)
{
    addAddress("Adams", "x", -1);
    const int id = addAddress("Brown", "  Bea", -1);
    addAddress("Clark", "x", -1);
    frame->LoadAddressCategories(0);
    QTreeWidgetItem* brown = row("Brown");
    brown->setSelected(true);
    row("Clark")->setSelected(true);

    QString shownFirstName;
    int shownGroup = -1;
    WhenModal edit([&](QDialog* dialog) {
        auto* editor = qobject_cast<TAddressForm*>(dialog);
        ASSERT_TRUE(editor);
        shownFirstName = editor->leFirstName->text();
        shownGroup = editor->GroupComboBox->currentIndex();
        editor->leLastName->setText("Zimmer");
        editor->GroupComboBox->setCurrentIndex(2);
        editor->OKButton->click();
    });
    frame->EditAddressButton->click();

    ASSERT_TRUE(edit.ran());
    EXPECT_EQ(shownFirstName, "Bea");
    EXPECT_EQ(shownGroup, 0);
    EXPECT_EQ(select("select LastName, FirstName, Categoryid from address where id = " + QString::number(id)),
              std::vector<QStringList>({{"Zimmer", "  Bea", QString::number(work)}}));
    // The entry moved to where its new last name sorts, showing the new group, still selected.
    const QTreeWidgetItem* moved = list()->topLevelItem(2);
    EXPECT_TRUE(moved->isSelected());
    EXPECT_EQ(QStringList({moved->text(addressrow::LastName), moved->text(addressrow::Category),
                           moved->text(addressrow::Id), moved->text(addressrow::CategoryId)}),
              QStringList({"Zimmer", "Work", QString::number(id), QString::number(work)}));
    EXPECT_EQ(list()->topLevelItemCount(), 3);
}

TEST_F(AddressFormTest, AnEntryEditedOutOfTheShownGroupTakesOnlyItsOwnRowAway)
{
    addAddress("Adams", "x", friends);
    addAddress("Brown", "x", friends);
    frame->LoadAddressCategories(1);
    frame->LoadAddressList(friends);

    for (const char* edited : {"Adams", "Brown"}) {
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            list()->topLevelItem(i)->setSelected(true);
        ASSERT_TRUE(editSelectedIntoGroup(2));
        EXPECT_FALSE(row(edited));
        if (row("Brown")) {
            EXPECT_TRUE(row("Brown")->isSelected());
            EXPECT_TRUE(frame->EditAddressButton->isEnabled());
        }
    }
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_FALSE(frame->EditAddressButton->isEnabled());
    EXPECT_EQ(select("select count(*) from address where Categoryid = " + QString::number(work)).at(0).at(0),
              "2");
}

TEST_F(AddressFormTest, TheGroupChosenIsStoredEvenWhenTheCategoriesWereReloadedMeanwhile)
{
    frame->LoadAddressCategories(0);
    TAddressForm* editor = openNew();
    editor->leLastName->setText("Miller");
    editor->GroupComboBox->setCurrentIndex(2); // "Work"

    // While the modeless editor is open, "Friends" is deleted and the categories read again.
    execute("delete from category where id = " + QString::number(friends));
    frame->LoadAddressCategories(0);
    editor->OKButton->click();

    EXPECT_EQ(select("select Categoryid from address where LastName = 'Miller'").at(0).at(0),
              QString::number(work));
    ASSERT_TRUE(row("Miller"));
    EXPECT_EQ(row("Miller")->text(addressrow::Category), "Work");
}

TEST_F(AddressFormTest, CancelAndAnEditorWithoutAModeWriteNothing)
{
    frame->LoadAddressCategories(0);
    TAddressForm* editor = openNew();
    editor->leLastName->setText("Miller");
    editor->ExitButton->click();
    EXPECT_FALSE(editor->isVisible());

    editor = Application::CreateForm(AddressForm, *frame, form->ADOConnection);
    editor->leLastName->setText("Miller");
    editor->show();
    editor->OKButton->click();
    EXPECT_FALSE(editor->isVisible());

    EXPECT_EQ(select("select count(*) from address").at(0).at(0), "0");
    EXPECT_EQ(list()->topLevelItemCount(), 0);
}

TEST_F(AddressFormTest, EntriesStayListedWhenTheListShowsEveryGroupWhateverTheFilterSays)
{
    addAddress("Old", "x", friends);
    frame->LoadAddressCategories(0);
    frame->LoadAddressList(categories::NoCategory);
    // Selecting the row moves the filter to "Friends"; the list still holds every entry.
    row("Old")->setSelected(true);
    ASSERT_EQ(frame->ComboAddress->currentIndex(), 1);

    TAddressForm* editor = openNew();
    editor->leLastName->setText("New");
    editor->GroupComboBox->setCurrentIndex(2);
    editor->OKButton->click();
    EXPECT_TRUE(row("New"));

    list()->clearSelection();
    row("Old")->setSelected(true);
    ASSERT_TRUE(editSelectedIntoGroup(2));
    ASSERT_TRUE(row("Old"));
    EXPECT_EQ(row("Old")->text(addressrow::Category), "Work");
}

TEST_F(AddressFormTest, FieldsLeftAsShownAreWrittenBackExactlyAsStored)
{
    const int id = addAddress("Miller", "x", friends);
    execute("update address set Title = '  Dr', Address = '\n\t Main St 1', City = ' Bonn' where id = " +
            QString::number(id));
    frame->LoadAddressList(-1);
    row("Miller")->setSelected(true);
    WhenModal edit([](QDialog* dialog) {
        auto* editor = qobject_cast<TAddressForm*>(dialog);
        EXPECT_EQ(editor->leTitle->text(), "Dr");
        EXPECT_EQ(editor->meAddress->toPlainText(), "Main St 1");
        editor->leCity->setText("Köln");
        editor->OKButton->click();
    });
    frame->AddressListViewDblClick();
    ASSERT_TRUE(edit.ran());
    EXPECT_EQ(select("select Title, Address, City from address where id = " + QString::number(id)),
              std::vector<QStringList>({{"  Dr", "\n\t Main St 1", "Köln"}}));
}

TEST_F(AddressFormTest, TheClientAreaHoldsThePageControlWhole)
{
    TAddressForm* editor = openNew();
    EXPECT_TRUE(editor->rect().contains(editor->PageControl1->geometry()));
    editor->close();
}

TEST_F(AddressFormTest, AnEditOfAnEntryDeletedMeanwhileSavesNothingAndKeepsTheText)
{
    addAddress("Adams", "x", -1);
    frame->LoadAddressCategories(0);
    row("Adams")->setSelected(true);
    bool stayedOpen = false;
    QString kept;
    WhenModal edit([&](QDialog* dialog) {
        auto* editor = qobject_cast<TAddressForm*>(dialog);
        ASSERT_TRUE(editor);
        editor->leLastName->setText("Zimmer");
        execute("delete from address");
        editor->OKButton->click();
        stayedOpen = editor->isVisible();
        kept = editor->leLastName->text();
    });
    frame->EditAddressButton->click();
    ASSERT_TRUE(edit.ran());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(kept, "Zimmer");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("This entry no longer exists"));
    EXPECT_TRUE(select("select LastName from address").empty());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
}
