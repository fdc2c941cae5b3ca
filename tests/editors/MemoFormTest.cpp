#include "editors/MemoForm.h"

#include "common/ListRows.h"
#include "desktop/MemoListFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

class MemoFormTest : public MemoListTest
{
protected:
    // Opens the editor from the list's Edit button and lets `act` work in it.
    void editWith(const std::function<void(TMemoForm*)>& act)
    {
        WhenModal edit([&](QDialog* dialog) {
            auto* editor = qobject_cast<TMemoForm*>(dialog);
            ASSERT_TRUE(editor);
            act(editor);
        });
        frame->EditMemoButton->click();
        EXPECT_TRUE(edit.ran());
    }
};

TEST_F(MemoFormTest, NewFromTheButtonIsModalAndStoresTheEntryUnderTheNewId)
{
    addMemo("a", -1);
    addMemo("z", -1);
    frame->LoadMemoCategories(0);

    QString caption;
    WhenModal create([&](QDialog* dialog) {
        auto* editor = qobject_cast<TMemoForm*>(dialog);
        ASSERT_TRUE(editor);
        caption = editor->windowTitle();
        editor->EditMemo->setPlainText("mail pw\nsecond line");
        editor->CategoryComboBox->setCurrentIndex(2);
        editor->OKButton->click();
    });
    frame->NewMemoButton->click();
    ASSERT_TRUE(create.ran());
    EXPECT_EQ(caption, "Password");

    const QString id = QString::number(lastId("mmemo"));
    EXPECT_EQ(MemoForm->FMemoId, id.toInt());
    EXPECT_EQ(select("select MMemo, Categoryid from mmemo where id = " + id),
              std::vector<QStringList>({{"mail pw\nsecond line", QString::number(mail)}}));
    EXPECT_EQ(rowsOf(list(), memorow::PlaceCount).at(1),
              QStringList({"mail pw\nsecond line", "Mail", id, QString::number(mail)}));
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    selectRows({"mail pw\nsecond line"});
    EXPECT_EQ(frame->ToDoLabel->text(), "Password 2 of 3");
}

TEST_F(MemoFormTest, NewFromTheMenuIsModelessAndStoresTheCategoryChosenEvenAfterAReload)
{
    frame->LoadMemoCategories(0);
    frame->miNewMemo->trigger();
    TMemoForm* editor = MemoForm;
    ASSERT_TRUE(editor && editor->isVisible());
    EXPECT_FALSE(editor->isModal());
    EXPECT_EQ(editor->windowTitle(), "Memo");
    editor->EditMemo->setPlainText("webmail");
    editor->CategoryComboBox->setCurrentIndex(2); // "Mail"

    // While it is open, "Bank" is deleted and the categories read again.
    execute("delete from mcategory where id = " + QString::number(bank));
    frame->LoadMemoCategories(0);
    editor->OKButton->click();

    EXPECT_EQ(stored(), QStringList({"webmail=" + QString::number(mail)}));
    ASSERT_TRUE(row("webmail"));
    EXPECT_EQ(row("webmail")->text(memorow::Category), "Mail");
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(MemoFormTest, ANewEntryGetsARowOnlyWhereTheFilterShowsItsCategory)
{
    struct Case
    {
        int filterPosition;
        int categoryPosition;
        bool listed;
    };
    for (const Case& c : {Case{0, 2, true}, Case{1, 1, true}, Case{1, 2, false}}) {
        execute("delete from mmemo");
        addMemo("old", c.filterPosition == 0 ? -1 : bank);
        frame->LoadMemoCategories(c.filterPosition);
        frame->LoadMemoList(categories::idAtPosition(frame->FMemoCategories, c.filterPosition));
        list()->topLevelItem(0)->setSelected(true);

        frame->miNewMemo->trigger();
        MemoForm->EditMemo->setPlainText("new");
        MemoForm->CategoryComboBox->setCurrentIndex(c.categoryPosition);
        MemoForm->OKButton->click();

        EXPECT_EQ(select("select count(*) from mmemo where MMemo = 'new'").at(0).at(0), "1");
        EXPECT_EQ(row("new") != nullptr, c.listed)
            << "filter " << c.filterPosition << " category " << c.categoryPosition;
        EXPECT_TRUE(row("old")->isSelected());
        EXPECT_TRUE(frame->EditMemoButton->isEnabled());
    }
}

TEST_F(MemoFormTest, EditRewritesTheRowAndThePaneOfTheSelectedEntryInPlace)
{
    addMemo("a", -1);
    const int id = addMemo("  \tb pin", bank);
    addMemo("c", -1);
    frame->LoadMemoCategories(0);
    row("  \tb pin")->setSelected(true);
    row("c")->setSelected(true);
    EXPECT_EQ(frame->ToDoLabel->text(), "Password 1 of 3"); // leading blanks sort first

    editWith([](TMemoForm* editor) {
        EXPECT_EQ(editor->EditMemo->toPlainText(), "b pin");
        EXPECT_EQ(editor->CategoryComboBox->currentText(), "Bank");
        editor->EditMemo->setPlainText("z pin");
        editor->CategoryComboBox->setCurrentIndex(2);
        editor->OKButton->click();
    });

    EXPECT_EQ(select("select MMemo, Categoryid from mmemo where id = " + QString::number(id)),
              std::vector<QStringList>({{"z pin", QString::number(mail)}}));
    // The entry moved to where its new text sorts, keeping its id and its selection.
    EXPECT_EQ(listrows::selectedRowNumbers(list()), std::vector<int>({1, 2}));
    EXPECT_EQ(rowsOf(list(), memorow::PlaceCount).at(2),
              QStringList({"z pin", "Mail", QString::number(id), QString::number(mail)}));
    EXPECT_EQ(frame->ToDoMemo->toPlainText(), "z pin");
    EXPECT_EQ(frame->ToDoMemoComboBox->currentText(), "Mail");
    list()->clearSelection();
    selectRows({"z pin"});
    EXPECT_EQ(frame->ToDoLabel->text(), "Password 3 of 3");
}

TEST_F(MemoFormTest, AnEntryEditedOutOfTheShownCategoryTakesOnlyItsOwnRowAway)
{
    addMemo("a", bank);
    addMemo("b", bank);
    frame->LoadMemoCategories(1);
    frame->LoadMemoList(bank);

    for (const char* edited : {"a", "b"}) {
        list()->topLevelItem(0)->setSelected(true);
        frame->miMemoSelectAll->trigger();
        editWith([](TMemoForm* editor) {
            editor->CategoryComboBox->setCurrentIndex(2);
            editor->OKButton->click();
        });
        EXPECT_FALSE(row(edited));
        if (row("b")) {
            EXPECT_TRUE(row("b")->isSelected());
            EXPECT_TRUE(frame->EditMemoButton->isEnabled());
        }
    }
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_FALSE(frame->EditMemoButton->isEnabled());
    EXPECT_EQ(stored(), QStringList({"a=" + QString::number(mail), "b=" + QString::number(mail)}));
}

TEST_F(MemoFormTest, ANewEntryIsListedAfterChangeCategoryListedEveryEntry)
{
    addMemo("a", bank);
    frame->LoadMemoCategories(1);
    frame->LoadMemoList(bank);
    selectRows({"a"});
    for (QAction* item : frame->miMemoChangeCategory->actions())
        if (item->text() == "Mail")
            item->trigger();
    // The list now holds every entry while the filter still says "Bank".
    ASSERT_EQ(frame->ComboMemo->currentIndex(), 1);

    frame->miNewMemo->trigger();
    MemoForm->EditMemo->setPlainText("new");
    MemoForm->CategoryComboBox->setCurrentIndex(2);
    MemoForm->OKButton->click();
    EXPECT_TRUE(row("new"));
}

TEST_F(MemoFormTest, ThePositionLineCountsOnlyTheRowsThatRemain)
{
    for (const char* text : {"a", "b", "c", "d"})
        addMemo(text, bank);
    frame->LoadMemoCategories(1);
    frame->LoadMemoList(bank);
    selectRows({"a", "b", "c", "d"});

    editWith([this](TMemoForm* editor) {
        editor->CategoryComboBox->setCurrentIndex(2);
        editor->OKButton->click();
    });
    ASSERT_EQ(list()->topLevelItemCount(), 3);
    EXPECT_EQ(frame->ToDoLabel->text(), "Password 1 of 3");
    EXPECT_EQ(frame->ToDoMemo->toPlainText(), "b");
    EXPECT_TRUE(frame->EditMemoButton->isEnabled());

    frame->miDeleteMemo->trigger();
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_TRUE(frame->ToDoLabel->text().isEmpty());
    EXPECT_TRUE(frame->ToDoMemo->toPlainText().isEmpty());
    EXPECT_FALSE(frame->EditMemoButton->isEnabled());
}

TEST_F(MemoFormTest, AnEntryConfirmedUnchangedKeepsItsLeadingBlanks)
{
    const QString secret = " \t\n\n  pw with blanks";
    addMemo(secret, bank);
    frame->LoadMemoCategories(0);
    selectRows({secret});
    QString shown;
    editWith([&](TMemoForm* editor) {
        shown = editor->EditMemo->toPlainText();
        editor->OKButton->click();
    });
    EXPECT_EQ(shown, "pw with blanks");
    EXPECT_EQ(stored(), QStringList({secret + "=" + QString::number(bank)}));

    editWith([](TMemoForm* editor) {
        editor->EditMemo->setPlainText("  typed");
        editor->OKButton->click();
    });
    EXPECT_EQ(stored(), QStringList({"  typed=" + QString::number(bank)}));
}

TEST_F(MemoFormTest, AnEditOfAnEntryDeletedMeanwhileSavesNothingAndKeepsTheText)
{
    addMemo("a pin", -1);
    frame->LoadMemoCategories(0);
    row("a pin")->setSelected(true);
    bool stayedOpen = false;
    QString kept;
    editWith([&](TMemoForm* editor) {
        editor->EditMemo->setPlainText("b pin");
        execute("delete from mmemo");
        editor->OKButton->click();
        stayedOpen = editor->isVisible();
        kept = editor->EditMemo->toPlainText();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(kept, "b pin");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("This entry no longer exists"));
    EXPECT_TRUE(select("select MMemo from mmemo").empty());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
}
