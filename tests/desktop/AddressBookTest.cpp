#include "common/AddressRows.h"
#include "common/ListRow.h"
#include "desktop/AddressBookFixture.h"
#include "desktop/QuorvaneFrame.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* item : menu->actions())
        texts << item->text() + "=" + item->data().toString();
    return texts;
}

QAction* menuItem(const QMenu* menu, const QString& text)
{
    for (QAction* item : menu->actions())
        if (item->text() == text)
            return item;
    return nullptr;
}

} // namespace

class AddressListTest : public AddressBookTest
{
protected:
    QTreeWidget* list() const { return frame->AddressListView; }

    void selectRows(std::initializer_list<QString> lastNames)
    {
        for (const QString& lastName : lastNames)
            for (int i = 0; i < list()->topLevelItemCount(); ++i)
                if (list()->topLevelItem(i)->text(addressrow::LastName) == lastName)
                    list()->topLevelItem(i)->setSelected(true);
    }

    QStringList storedLastNames() const
    {
        QStringList names;
        for (const QStringList& row : select("select LastName from address order by LastName"))
            names << row.at(0);
        return names;
    }

    QStringList listedLastNames() const
    {
        QStringList names = column(list(), addressrow::LastName);
        names.sort();
        return names;
    }
};

TEST_F(AddressListTest, LoadsOneCategoryOrEveryEntryInTheRowLayout)
{
    const int friends = addCategory("Friends");
    const int work = addCategory("Work");
    const int smith = addAddress("Smith", "Ann", friends, "ann@example.com");
    const int jones = addAddress("Jones", "Bob", -1);
    const int lost = addAddress("Lost", "Cy", 99); // a category the table no longer holds
    addAddress("Clerk", "Di", work);
    frame->LoadAddressCategories(0);

    EXPECT_EQ(rowsOf(list(), addressrow::PlaceCount + 1),
              std::vector<QStringList>({
                  {"Clerk", "Di", " ", "Work", " ", " ", " ", " ", " ", " ", " ", " ", " ", " ",
                   QString::number(lastId("address")), QString::number(work), ""},
                  {"Jones", "Bob", " ", "All", " ", " ", " ", " ", " ", " ", " ", " ", " ", " ",
                   QString::number(jones), "-1", ""},
                  {"Lost", "Cy", " ", "", " ", " ", " ", " ", " ", " ", " ", " ", " ", " ",
                   QString::number(lost), "99", ""},
                  {"Smith", "Ann", "ann@example.com", "Friends", " ", " ", " ", " ", " ", " ", " ", " ", " ",
                   " ", QString::number(smith), QString::number(friends), ""},
              }));
    EXPECT_EQ(list()->columnCount(), 14);

    frame->LoadAddressList(friends);
    EXPECT_EQ(column(list(), addressrow::LastName), QStringList({"Smith"}));
}

TEST_F(AddressListTest, HeaderClicksSortAscendingByTheColumnWithoutRebuildingRows)
{
    addAddress("b", "zoe", -1);
    addAddress("A", "Yves", -1);
    addAddress("c", "ZOE", -1);
    addAddress("D", "zo", -1);
    frame->QuorvaneFrame1->sbAddressClick();
    EXPECT_EQ(column(list(), addressrow::LastName), QStringList({"A", "b", "c", "D"}));
    QTreeWidgetItem* rowA = list()->topLevelItem(0);

    QHeaderView* header = list()->header();
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
        EXPECT_EQ(column(list(), addressrow::FirstName), QStringList({"Yves", "zo", "zoe", "ZOE"}));
    }
    EXPECT_EQ(frame->FAddressSortColumn, 1);
    EXPECT_EQ(list()->topLevelItem(0), rowA);

    // The remembered column outlives a reload.
    frame->LoadAddressList(-1);
    EXPECT_EQ(column(list(), addressrow::FirstName), QStringList({"Yves", "zo", "zoe", "ZOE"}));
}

TEST_F(AddressListTest, SelectingAnEntryShowsItsDetailsAndCategoryWithoutReloading)
{
    const int friends = addCategory("Friends");
    const int work = addCategory("Work");
    addAddress("Smith", "Ann", work, "  ann@example.com");
    addAddress("Jones", "Bob", friends);
    execute(
        "update address set City = 'Bern', Address = 'Main St 1' || char(10) || 'Floor 2' where LastName = "
        "'Smith'");
    frame->LoadAddressCategories(0);
    ASSERT_EQ(list()->topLevelItemCount(), 2);

    selectRows({"Smith"});
    EXPECT_TRUE(frame->EditAddressButton->isEnabled());
    EXPECT_EQ(frame->AddressNameLabel->text(), "Smith,Ann");
    EXPECT_EQ(frame->AddressMemo->toPlainText(),
              "Email:ann@example.com\nAddress:Main St 1\nFloor 2\nCity:Bern");
    EXPECT_EQ(frame->ComboAddress->currentText(), "Work");
    EXPECT_EQ(frame->AddressCategoryComboBox->currentText(), "Work");
    EXPECT_EQ(list()->topLevelItemCount(), 2);
}

TEST_F(AddressListTest, DeleteRemovesTheSelectedEntriesFromTableAndList)
{
    for (const char* name : {"A", "B", "C", "D"})
        addAddress(name, "x", -1);
    frame->QuorvaneFrame1->sbAddressClick();
    frame->miDeleteAddress->trigger(); // nothing selected: nothing happens
    EXPECT_EQ(storedLastNames(), QStringList({"A", "B", "C", "D"}));

    selectRows({"A", "C", "D"});
    frame->miDeleteAddress->trigger();
    EXPECT_EQ(storedLastNames(), QStringList({"B"}));
    EXPECT_EQ(listedLastNames(), QStringList({"B"}));

    selectRows({"B"});
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_TRUE(storedLastNames().isEmpty());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AddressListTest, ADeleteFailingPartWayLeavesTheListAsTheTableIsAndShowsTheError)
{
    for (const char* name : {"A", "B", "C", "D"})
        addAddress(name, "x", -1);
    execute("create trigger keepC before delete on address when old.LastName = 'C' begin select raise(abort, "
            "'locked'); end");
    frame->LoadAddressList(-1);
    selectRows({"A", "C", "D"});

    frame->miDeleteAddress->trigger();
    EXPECT_EQ(storedLastNames(), QStringList({"B", "C", "D"}));
    EXPECT_EQ(listedLastNames(), storedLastNames());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("locked"));
}

TEST_F(AddressListTest, ADeleteTheEngineUndoesWholeLeavesTheListAsTheTableIs)
{
    for (const char* name : {"A", "B", "C", "D"})
        addAddress(name, "x", -1);
    // Stands for a disk that fills up: the engine then undoes every change of the batch.
    execute(
        "create trigger undoC before delete on address when old.LastName = 'C' begin select raise(rollback, "
        "'disk full'); end");
    frame->LoadAddressList(-1);
    selectRows({"A", "C", "D"});

    frame->miDeleteAddress->trigger();
    EXPECT_EQ(storedLastNames(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(listedLastNames(), storedLastNames());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("disk full"));
}

TEST_F(AddressListTest, SelectAllSelectsEveryRowOnlyWhenOneIsSelected)
{
    for (const char* name : {"A", "B", "C"})
        addAddress(name, "x", -1);
    frame->LoadAddressList(-1);
    frame->miSelectAll->trigger();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    selectRows({"B"});
    frame->miSelectAll->trigger();
    EXPECT_EQ(list()->selectedItems().size(), 3);
}

TEST_F(AddressListTest, CategoriesKeepTheTablesOrderWithNewOnesLastWhateverTheEngineReturns)
{
    const int zeta = addCategory("Zeta");
    const int alpha = addCategory("Alpha");
    // The engine now returns an unordered select backwards; the caches must not follow it.
    execute("PRAGMA reverse_unordered_selects = 1");
    frame->LoadAddressCategories(0);
    const int later = addCategory("Beta");
    frame->LoadAddressCategories(2);

    const QStringList expected = {"All", "Zeta", "Alpha", "Beta"};
    for (const QComboBox* combo : {frame->ComboAddress, frame->AddressCategoryComboBox}) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, expected);
    }
    EXPECT_EQ(menuTexts(frame->miChangeCategory),
              QStringList({"All=-1", "Zeta=" + QString::number(zeta), "Alpha=" + QString::number(alpha),
                           "Beta=" + QString::number(later)}));
    EXPECT_EQ(frame->ComboAddress->currentIndex(), 2);
    EXPECT_EQ(frame->AddressCategoryComboBox->currentIndex(), -1);
}

TEST_F(AddressListTest, TheFilterLoadsTheCategoryTheUserPicksAndAPositionPastTheCategoriesShowsNone)
{
    const int friends = addCategory("Friends");
    addAddress("Smith", "Ann", friends);
    addAddress("Jones", "Bob", -1);
    frame->LoadAddressCategories(3);
    EXPECT_EQ(frame->ComboAddress->currentIndex(), -1);
    EXPECT_EQ(list()->topLevelItemCount(), 2);

    frame->ComboAddress->setCurrentIndex(1); // by code: no reload
    EXPECT_EQ(list()->topLevelItemCount(), 2);
    frame->ComboAddress->setCurrentIndex(0);
    QTest::keyClick(frame->ComboAddress, Qt::Key_Down); // the user picks "Friends"
    EXPECT_EQ(column(list(), addressrow::LastName), QStringList({"Smith"}));
}

TEST_F(AddressListTest, ChangeCategoryMovesEverySelectedEntryAndShowsAllRows)
{
    const int friends = addCategory("Friends");
    const int work = addCategory("Work");
    addAddress("A", "x", friends);
    addAddress("B", "x", friends);
    addAddress("C", "x", friends);
    addAddress("D", "x", work);
    frame->LoadAddressCategories(0);
    frame->ComboAddress->setCurrentIndex(1);
    frame->LoadAddressList(friends);
    selectRows({"A", "C"});

    menuItem(frame->miChangeCategory, "Work")->trigger();
    EXPECT_EQ(select("select LastName, Categoryid from address order by LastName"),
              std::vector<QStringList>({{"A", QString::number(work)},
                                        {"B", QString::number(friends)},
                                        {"C", QString::number(work)},
                                        {"D", QString::number(work)}}));
    EXPECT_EQ(listedLastNames(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(frame->ComboAddress->currentIndex(), 1);

    selectRows({"B"});
    menuItem(frame->miChangeCategory, "All")->trigger();
    EXPECT_EQ(select("select Categoryid from address where LastName = 'B'").at(0).at(0), "-1");
}

TEST_F(AddressListTest, AChangeCategoryFailingPartWayReloadsTheListAndShowsTheError)
{
    const int work = addCategory("Work");
    for (const char* name : {"A", "B", "C"})
        addAddress(name, "x", -1);
    execute("create trigger keepB before update on address when old.LastName = 'B' begin select raise(abort, "
            "'locked'); end");
    frame->LoadAddressCategories(0);
    selectRows({"A", "B", "C"});

    menuItem(frame->miChangeCategory, "Work")->trigger();
    EXPECT_EQ(select("select Categoryid from address order by LastName"),
              std::vector<QStringList>({{QString::number(work)}, {"-1"}, {"-1"}}));
    EXPECT_EQ(column(list(), addressrow::Category), QStringList({"Work", "All", "All"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("locked"));
}

TEST_F(AddressListTest, PasswordEntriesMoveToTheCategoryChosenInTheirSubmenu)
{
    const int bank = addCategory("Bank", "mcategory");
    execute("insert into mmemo (MMemo, Categoryid) values ('pin 1234', -1), ('pin 9876', -1)");
    frame->LoadMemoCategories(0);
    EXPECT_EQ(frame->ToDoMemoComboBox->currentText(), "All");
    EXPECT_EQ(menuTexts(frame->miMemoChangeCategory),
              QStringList({"All=-1", "Bank=" + QString::number(bank)}));

    // Password rows as their list lays them out: the text, the category, the hidden ids.
    int sortColumn = 0;
    frame->MemoListView->clear();
    for (const QStringList& row : select("select MMemo, 'All', id, Categoryid from mmemo")) {
        std::vector<QAnyStringView> places(row.begin(), row.end());
        frame->MemoListView->addTopLevelItem(new TListRow(places, &sortColumn));
    }
    frame->MemoListView->topLevelItem(1)->setSelected(true);
    menuItem(frame->miMemoChangeCategory, "Bank")->trigger();
    EXPECT_EQ(select("select MMemo, Categoryid from mmemo order by id"),
              std::vector<QStringList>({{"pin 1234", "-1"}, {"pin 9876", QString::number(bank)}}));
}

TEST_F(AddressListTest, ThePaneAndEditButtonShowNothingOnceTheSelectedEntriesAreDeleted)
{
    for (const char* name : {"A", "B", "C"})
        addAddress(name, "x", -1, "a@b.c");
    frame->LoadAddressList(-1);
    selectRows({"A", "B"});
    ASSERT_EQ(frame->AddressNameLabel->text(), "A,x");
    ASSERT_TRUE(frame->EditAddressButton->isEnabled());

    frame->miDeleteAddress->trigger();
    EXPECT_EQ(listedLastNames(), QStringList({"C"}));
    EXPECT_TRUE(frame->AddressNameLabel->text().isEmpty());
    EXPECT_TRUE(frame->AddressMemo->toPlainText().isEmpty());
    EXPECT_FALSE(frame->EditAddressButton->isEnabled());
}
