#include "editors/GroupForm.h"

#include "desktop/AddressBookFixture.h"
#include "editors/DeleteGroupForm.h"
#include "editors/NewGroupForm.h"
#include "editors/RadioGroup.h"
#include "support/WhenModal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace {

// Types a name into the prompt and presses OK.
std::function<void(QDialog*)> answer(const QString& name)
{
    return [name](QDialog* dialog) {
        auto* prompt = qobject_cast<TNewGroupForm*>(dialog);
        ASSERT_TRUE(prompt);
        prompt->GroupActionEdit->setText(name);
        prompt->OKButton->click();
    };
}

// Picks a choice in the delete dialog and presses OK.
std::function<void(QDialog*)> deleteWith(int choice)
{
    return [choice](QDialog* dialog) {
        auto* confirm = qobject_cast<TDeleteGroupForm*>(dialog);
        ASSERT_TRUE(confirm);
        confirm->DeleteGroup->item(choice)->click();
        confirm->OKButton->click();
    };
}

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class GroupFormTest : public AddressBookTest
{
protected:
    // The list dialog as the frame opens it, but shown without a modal loop of its own.
    TGroupForm* openList(const QString& kind)
    {
        TGroupForm* dialog = Application::CreateForm(GroupForm, *frame, form->ADOConnection);
        dialog->FGroupKind = kind;
        dialog->show();
        return dialog;
    }

    std::vector<QStringList> categoryNames(const QString& table = "category") const
    {
        return select("select category from " + table + " order by id");
    }

    int addMemo(const QString& text, int categoryId) const
    {
        execute(QStringLiteral("insert into mmemo (MMemo, Categoryid) values ('%1', %2)")
                    .arg(text)
                    .arg(categoryId));
        return lastId("mmemo");
    }
};

TEST_F(GroupFormTest, TheCategoryButtonsOpenTheListOfTheirKind)
{
    addCategory("Friends");
    addCategory("Bank", "mcategory");
    frame->LoadAddressCategories(0);
    frame->LoadMemoCategories(0);
    struct Case
    {
        QPushButton* button;
        const char* kind;
        const char* title;
        QStringList entries;
    };
    for (const Case& c : {Case{frame->EditGroup, "Group", "Edit Address Group ", {"Friends"}},
                          Case{frame->btmemoCategory, "Memo", "Edit Password Category ", {"Bank"}}}) {
        QString kind, title;
        QStringList shown;
        WhenModal look([&](QDialog* dialog) {
            auto* list = qobject_cast<TGroupForm*>(dialog);
            ASSERT_TRUE(list);
            kind = list->FGroupKind;
            title = list->windowTitle();
            shown = entries(list->GroupListBox);
            list->OKButton->click();
        });
        c.button->click();
        ASSERT_TRUE(look.ran());
        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(shown, c.entries);
    }
}

TEST_F(GroupFormTest, ReNameOrDeleteWithNothingSelectedOpensNothing)
{
    addCategory("Friends");
    frame->LoadAddressCategories(0);
    TGroupForm* list = openList("Group");
    // A name an earlier prompt handed back must not be written either.
    list->FGroupName = "Stale";
    const TNewGroupForm* promptBefore = NewGroupForm;
    const TDeleteGroupForm* deleteBefore = DeleteGroupForm;

    WhenModal nothing([](QDialog*) {});
    list->ReNameButton->click();
    list->DeleteButton->click();

    EXPECT_FALSE(nothing.ran());
    EXPECT_EQ(NewGroupForm, promptBefore);
    EXPECT_EQ(DeleteGroupForm, deleteBefore);
    EXPECT_EQ(categoryNames(), std::vector<QStringList>({{"Friends"}}));
}

TEST_F(GroupFormTest, APromptLeftByCancelEscOrTheCloseBoxWritesNothing)
{
    addCategory("Friends");
    frame->LoadAddressCategories(0);
    TGroupForm* list = openList("Group");
    const std::pair<const char*, std::function<void(TNewGroupForm*)>> ways[] = {
        {"Cancel", [](TNewGroupForm* prompt) { prompt->CancelButton->click(); }},
        {"Esc", [](TNewGroupForm* prompt) { QTest::keyClick(prompt->GroupActionEdit, Qt::Key_Escape); }},
        {"close box", [](TNewGroupForm* prompt) { prompt->close(); }},
    };
    for (const auto& [way, leave] : ways) {
        // As a previous prompt's OK would have left it.
        list->FGroupName = "Earlier";
        WhenModal cancel([&, leave = leave](QDialog* dialog) {
            auto* prompt = qobject_cast<TNewGroupForm*>(dialog);
            ASSERT_TRUE(prompt);
            prompt->GroupActionEdit->setText("Typed");
            leave(prompt);
            EXPECT_FALSE(prompt->isVisible()) << way;
        });
        list->NewButton->click();
        ASSERT_TRUE(cancel.ran()) << way;
        EXPECT_EQ(list->FGroupName, "") << way;
        EXPECT_EQ(categoryNames(), std::vector<QStringList>({{"Friends"}})) << way;
        EXPECT_EQ(entries(list->GroupListBox), QStringList({"Friends"})) << way;
    }
}

TEST_F(GroupFormTest, NewStoresDuplicateAndBlankPaddedNamesAsTypedAndKeepsTheFilter)
{
    addCategory("Friends");
    const int work = addCategory("Work");
    addAddress("Adams", "x", -1);
    addAddress("Brown", "x", work);
    frame->LoadAddressCategories(2);
    frame->LoadAddressList(work);
    TGroupForm* list = openList("Group");

    for (const char* name : {"Friends", "  Family  "}) {
        WhenModal type(answer(name));
        list->NewButton->click();
        ASSERT_TRUE(type.ran()) << name;
    }

    const QStringList expected = {"Friends", "Work", "Friends", "  Family  "};
    EXPECT_EQ(categoryNames(),
              std::vector<QStringList>({{"Friends"}, {"Work"}, {"Friends"}, {"  Family  "}}));
    EXPECT_EQ(entries(list->GroupListBox), expected);
    QStringList cached;
    for (const TCategoryRec& category : frame->FAddressCategories)
        cached << category.name;
    EXPECT_EQ(cached, expected);
    EXPECT_EQ(frame->ComboAddress->currentIndex(), 2);
    EXPECT_EQ(frame->AddressListView->topLevelItemCount(), 2);
}

TEST_F(GroupFormTest, ReNameShowsTheNameRefusesBlanksAndStoresTheNewNameUntrimmed)
{
    addCategory("Bank", "mcategory");
    const int mail = addCategory("Mail", "mcategory");
    frame->LoadMemoCategories(0);
    TGroupForm* list = openList("Memo");
    list->GroupListBox->item(1)->setSelected(true);

    QString title, label, shownName;
    bool openAfterBlanks = false;
    WhenModal rename([&](QDialog* dialog) {
        auto* prompt = qobject_cast<TNewGroupForm*>(dialog);
        ASSERT_TRUE(prompt);
        title = prompt->windowTitle();
        label = prompt->GroupActionLabel->text();
        shownName = prompt->GroupActionEdit->text();
        prompt->GroupActionEdit->setText(" \t ");
        prompt->OKButton->click();
        openAfterBlanks = prompt->isVisible();
        answer(" Post ")(prompt);
    });
    list->ReNameButton->click();

    ASSERT_TRUE(rename.ran());
    EXPECT_EQ(QStringList({title, label, shownName}),
              QStringList({"ReName Category", "ReName Category Name", "Mail"}));
    EXPECT_TRUE(openAfterBlanks);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please Input  Category  Name.");
    EXPECT_EQ(list->FGroupId, mail);
    EXPECT_EQ(categoryNames("mcategory"), std::vector<QStringList>({{"Bank"}, {" Post "}}));
    EXPECT_EQ(entries(list->GroupListBox), QStringList({"Bank", " Post "}));
    EXPECT_EQ(frame->FMemoCategories.at(1).name, " Post ");
}

TEST_F(GroupFormTest, DeletingACategoryMovesTheFilterAsItsPositionSays)
{
    struct Case
    {
        int filterBefore;
        int deletedRow;
        int filterAfter;
    };
    // Categories A, B, C at filter positions 1, 2, 3.
    const Case cases[] = {
        {2, 1, 0},  // the shown category: back to "All"
        {2, 0, 2},  // one before it: the position stays and now shows C
        {3, 0, -1}, // the position now lies past the last entry: no entry
        {1, 2, 1},  // one after it: unchanged
    };
    for (const Case& c : cases) {
        execute("delete from category");
        execute("delete from address");
        std::vector<int> ids;
        for (const char* name : {"A", "B", "C"})
            ids.push_back(addCategory(name));
        for (int id : ids)
            addAddress("Member", "x", id);
        frame->LoadAddressCategories(c.filterBefore);
        TGroupForm* list = openList("Group");
        list->GroupListBox->item(c.deletedRow)->setSelected(true);

        WhenModal confirm(deleteWith(0));
        list->DeleteButton->click();

        ASSERT_TRUE(confirm.ran());
        EXPECT_EQ(frame->ComboAddress->currentIndex(), c.filterAfter)
            << "filter " << c.filterBefore << " deleted row " << c.deletedRow;
        EXPECT_EQ(frame->AddressListView->topLevelItemCount(), 3);
        EXPECT_EQ(list->GroupListBox->count(), 2);
        EXPECT_EQ(list->selectedRow(), -1);
        EXPECT_EQ(frame->FAddressCategories.size(), 2u);
        list->close();
    }
}

TEST_F(GroupFormTest, ChoiceZeroClearsTheMembersCategoryAndChoiceOneDeletesThem)
{
    struct Case
    {
        const char* kind;
        int choice;
    };
    for (const Case& c : {Case{"Group", 0}, Case{"Group", 1}, Case{"Memo", 0}, Case{"Memo", 1}}) {
        const bool group = QLatin1String(c.kind) == QLatin1String("Group");
        const QString table = group ? "category" : "mcategory";
        const QString members = group ? "address" : "mmemo";
        execute("delete from " + table);
        execute("delete from " + members);
        const int kept = addCategory("Kept", table);
        const int gone = addCategory("Gone", table);
        for (const char* name : {"One", "Two", "Three"})
            group ? addAddress(name, "x", gone, name) : addMemo(name, gone);
        group ? addAddress("Other", "x", kept) : addMemo("Other", kept);
        group ? frame->LoadAddressCategories(0) : frame->LoadMemoCategories(0);
        TGroupForm* list = openList(c.kind);
        list->GroupListBox->item(1)->setSelected(true);

        WhenModal confirm(deleteWith(c.choice));
        list->DeleteButton->click();

        ASSERT_TRUE(confirm.ran());
        const QString where = c.kind + QString(" choice %1").arg(c.choice);
        EXPECT_EQ(categoryNames(table), std::vector<QStringList>({{"Kept"}})) << where.toStdString();
        const QString columns = group ? "LastName, FirstName, Email, Categoryid" : "MMemo, Categoryid";
        std::vector<QStringList> expected;
        if (c.choice == 0)
            for (const char* name : {"One", "Two", "Three"})
                expected.push_back(group ? QStringList{name, "x", name, "-1"} : QStringList{name, "-1"});
        EXPECT_EQ(select("select " + columns + " from " + members + " where Categoryid <> " +
                         QString::number(kept) + " order by id"),
                  expected)
            << where.toStdString();
        EXPECT_EQ(select("select count(*) from " + members + " where Categoryid = " + QString::number(kept))
                      .at(0)
                      .at(0),
                  "1");
        EXPECT_EQ(entries(list->GroupListBox), QStringList({"Kept"})) << where.toStdString();
        list->close();
    }
}

TEST_F(GroupFormTest, TheMemoKindReadsItsOwnTextsAndCancelDeletesNothing)
{
    addCategory("Friends");
    addCategory("Bank", "mcategory");
    frame->LoadAddressCategories(0);
    frame->LoadMemoCategories(0);
    TGroupForm* list = openList("Memo");

    EXPECT_EQ(QStringList({list->windowTitle(), list->leGroup->text(), list->OKButton->text(),
                           list->NewButton->text(), list->DeleteButton->text(), list->ReNameButton->text()}),
              QStringList({"Edit Password Category ", "Category", "OK", "New", "Delete", "ReName"}));
    EXPECT_EQ(entries(list->GroupListBox), QStringList({"Bank"}));

    QStringList prompt;
    WhenModal blank([&](QDialog* dialog) {
        auto* newPrompt = qobject_cast<TNewGroupForm*>(dialog);
        prompt << newPrompt->windowTitle() << newPrompt->GroupActionLabel->text()
               << newPrompt->GroupActionEdit->text();
        newPrompt->CancelButton->click();
    });
    list->NewButton->click();
    EXPECT_EQ(prompt, QStringList({"New Category", "New Category Name", ""}));

    list->GroupListBox->item(0)->setSelected(true);
    QStringList texts;
    int choice = -1;
    WhenModal look([&](QDialog* dialog) {
        auto* confirm = qobject_cast<TDeleteGroupForm*>(dialog);
        ASSERT_TRUE(confirm);
        texts << confirm->windowTitle() << confirm->DeleteGroup->title()
              << confirm->DeleteGroup->item(0)->text() << confirm->DeleteGroup->item(1)->text()
              << confirm->OKButton->text() << confirm->CancelButton->text();
        choice = confirm->DeleteGroup->ItemIndex();
        confirm->CancelButton->click();
    });
    list->DeleteButton->click();

    ASSERT_TRUE(look.ran());
    EXPECT_EQ(texts,
              QStringList({"Delete'Bank'", "Delete Group ",
                           "Delete the Category and move the contacts into others. (distribution lists)",
                           "Delete all items of this Category (distribution lists)", "OK", "Cancel"}));
    EXPECT_EQ(choice, 0);
    EXPECT_EQ(categoryNames("mcategory"), std::vector<QStringList>({{"Bank"}}));
    EXPECT_EQ(entries(list->GroupListBox), QStringList({"Bank"}));
}

TEST_F(GroupFormTest, AMemberChangeThatFailsLeavesTheCategoryAndItsMembersAsTheyWere)
{
    struct Case
    {
        int choice;
        const char* trigger;
    };
    for (const Case& c : {Case{0, "BEFORE UPDATE"}, Case{1, "BEFORE DELETE"}}) {
        execute("drop trigger if exists refuse");
        execute("delete from category");
        execute("delete from address");
        const int gone = addCategory("Gone");
        addAddress("One", "x", gone);
        addAddress("Two", "x", gone);
        execute(
            QStringLiteral("create trigger refuse %1 on address begin select raise(abort, 'refused'); end")
                .arg(c.trigger));
        frame->LoadAddressCategories(1);
        dialogs.messages.clear();
        TGroupForm* list = openList("Group");
        list->GroupListBox->item(0)->setSelected(true);

        bool stayedOpen = false;
        WhenModal confirm([&](QDialog* dialog) {
            deleteWith(c.choice)(dialog);
            stayedOpen = dialog->isVisible();
        });
        list->DeleteButton->click();

        ASSERT_TRUE(confirm.ran());
        EXPECT_TRUE(stayedOpen) << "choice " << c.choice;
        ASSERT_EQ(dialogs.messages.size(), 1u) << "choice " << c.choice;
        EXPECT_TRUE(dialogs.messages[0].text.contains("refused"));
        EXPECT_EQ(categoryNames(), std::vector<QStringList>({{"Gone"}})) << "choice " << c.choice;
        const QString id = QString::number(gone);
        EXPECT_EQ(select("select LastName, Categoryid from address order by id"),
                  std::vector<QStringList>({{"One", id}, {"Two", id}}))
            << "choice " << c.choice;
        EXPECT_EQ(entries(list->GroupListBox), QStringList({"Gone"}));
        EXPECT_EQ(frame->ComboAddress->currentIndex(), 1);
        list->close();
    }
}

TEST_F(GroupFormTest, TheDeleteDialogsChoicesShowWhole)
{
    for (const char* kind : {"Group", "Memo"}) {
        SCOPED_TRACE(kind);
        TDeleteGroupForm* confirm = Application::CreateForm(DeleteGroupForm, *frame, form->ADOConnection);
        confirm->SetGroupKind(kind);
        confirm->show();
        for (int i = 0; i < confirm->DeleteGroup->count(); ++i) {
            SCOPED_TRACE(i);
            const QRadioButton* choice = confirm->DeleteGroup->item(i);
            EXPECT_LE(choice->sizeHint().width(), choice->width());
            EXPECT_LE(choice->heightForWidth(choice->width()), choice->height());
        }
        confirm->close();
    }
}

TEST_F(GroupFormTest, ReNameOfACategoryDeletedMeanwhileSaysSoAndShowsWhatIsStored)
{
    addCategory("Bank", "mcategory");
    addCategory("Mail", "mcategory");
    frame->LoadMemoCategories(0);
    TGroupForm* list = openList("Memo");
    list->GroupListBox->item(1)->setSelected(true);
    execute("delete from mcategory where category = 'Mail'");

    WhenModal rename(answer("Post"));
    list->ReNameButton->click();
    ASSERT_TRUE(rename.ran());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("This entry no longer exists"));
    EXPECT_EQ(categoryNames("mcategory"), std::vector<QStringList>({{"Bank"}}));
    EXPECT_EQ(entries(list->GroupListBox), QStringList({"Bank"}));
}
