#include "editors/NewExpenseForm.h"

#include "desktop/ExpenseFixture.h"
#include "platform/Locale.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <sqlite3.h>

class NewExpenseFormTest : public ExpenseTest
{
protected:
    TNewExpenseForm* openFromMenu()
    {
        frame->miNewExpense->trigger();
        EXPECT_TRUE(NewExpenseForm && NewExpenseForm->isVisible() && !NewExpenseForm->isModal());
        return NewExpenseForm;
    }

    // Opens the topmost selected row in the editor, lets `act` change it, and presses OK.
    void editSelected(const std::function<void(TNewExpenseForm*)>& act)
    {
        WhenModal edit([&](QDialog* dialog) {
            auto* editor = qobject_cast<TNewExpenseForm*>(dialog);
            ASSERT_TRUE(editor);
            act(editor);
            editor->OKButton->click();
        });
        frame->EditExpenseButton->click();
        EXPECT_TRUE(edit.ran());
    }
};

TEST_F(NewExpenseFormTest, AnExpenseIsCreatedEditedAndEmptiedAway)
{
    frame->FCurrentDate = QDate(2024, 3, 20);
    frame->LocateCurrentCell();
    frame->LoadExpenseList(0);

    // From the menu: modeless, on the calendar's day, stored without a time of day.
    TNewExpenseForm* editor = openFromMenu();
    EXPECT_EQ(editor->SelectDatePicker->date(), QDate(2024, 3, 20));
    editor->ItemMaskEdit->setText("  Lunch ");
    editor->AmountMaskEdit->setText("12.50");
    editor->OKButton->click();
    EXPECT_FALSE(editor->isVisible());
    const QString id = QString::number(lastId("expense"));
    EXPECT_EQ(stored(), QStringList({"  Lunch |12.5|2024-03-20"}));
    EXPECT_EQ(rowsOf(list(), expenserow::PlaceCount),
              std::vector<QStringList>({{"3/20/2024", "  Lunch ", "12.5", id}}));
    EXPECT_EQ(total(), "Total:12.5");

    // Edit reads the date back from the row.
    list()->topLevelItem(0)->setSelected(true);
    QDate shownDate;
    QString caption;
    editSelected([&](TNewExpenseForm* edited) {
        shownDate = edited->SelectDatePicker->date();
        caption = edited->windowTitle();
        edited->SelectDatePicker->setDate(QDate(2024, 3, 21));
        edited->AmountMaskEdit->setText("7.25");
    });
    EXPECT_EQ(shownDate, QDate(2024, 3, 20));
    EXPECT_EQ(caption, "Edit Expense");
    EXPECT_EQ(stored(), QStringList({"  Lunch |7.25|2024-03-21"}));
    EXPECT_EQ(rowsOf(list(), expenserow::PlaceCount),
              std::vector<QStringList>({{"3/21/2024", "  Lunch ", "7.25", id}}));
    EXPECT_EQ(total(), "Total:7.25");

    // Both fields emptied: the expense is deleted.
    list()->topLevelItem(0)->setSelected(true);
    editSelected([](TNewExpenseForm* edited) {
        edited->ItemMaskEdit->clear();
        edited->AmountMaskEdit->clear();
    });
    EXPECT_EQ(stored(), QStringList());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(total(), "Total:0");
}

TEST_F(NewExpenseFormTest, NewFromTheButtonIsModalOnTheCalendarsDayAndReloadsInTheChosenOrder)
{
    addExpense("Rent", 10, "2024-03-01");
    frame->ExpenseComboBox->setCurrentIndex(1);
    emit frame->ExpenseComboBox->activated(1);

    QString caption;
    QDate startDate;
    WhenModal type([&](QDialog* dialog) {
        auto* editor = qobject_cast<TNewExpenseForm*>(dialog);
        ASSERT_TRUE(editor);
        caption = editor->windowTitle();
        startDate = editor->SelectDatePicker->date();
        editor->ItemMaskEdit->setText("Book");
        QTest::keyClicks(editor->AmountMaskEdit, "9.5");
        editor->OKButton->click();
    });
    frame->NewExpenseButton->click();
    EXPECT_TRUE(type.ran());
    EXPECT_EQ(caption, "New Expense");
    EXPECT_EQ(startDate, Today);
    EXPECT_EQ(stored(), QStringList({"Rent|10|2024-03-01", "Book|9.5|2024-03-06"}));
    EXPECT_TRUE(frame->AddressQuery.SQL.Text().endsWith("\n order by item    desc "));
    EXPECT_EQ(column(list(), expenserow::Item), QStringList({"Rent", "Book"}));
    EXPECT_EQ(total(), "Total:19.5");
}

TEST_F(NewExpenseFormTest, TheAmountTakesDigitsPointsTheLocalesSeparatorAndBackspaceFromTheKeyboard)
{
    const struct
    {
        const char* typed;
        const char* shown;
    } cases[] = {{"12.50", "12.50"}, {"1.2.3", "1.2.3"}, {"a 7-b+,x", "7"}, {"\t5", "5"}};
    TNewExpenseForm* editor = openFromMenu();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        editor->AmountMaskEdit->clear();
        QTest::keyClicks(editor->AmountMaskEdit, c.typed);
        EXPECT_EQ(editor->AmountMaskEdit->text(), c.shown);
    }
    QTest::keyClick(editor->AmountMaskEdit, Qt::Key_Backspace);
    EXPECT_EQ(editor->AmountMaskEdit->text(), "");
    editor->close();

    // Where the comma is the decimal separator, one and a half is typed either way.
    platform::locale::pinLocale(QLocale(QLocale::German, QLocale::Germany));
    for (const char* typed : {"1,5", "1.5"}) {
        SCOPED_TRACE(typed);
        editor = openFromMenu();
        editor->ItemMaskEdit->setText(typed);
        QTest::keyClicks(editor->AmountMaskEdit, typed);
        editor->OKButton->click();
        EXPECT_FALSE(editor->isVisible());
        ASSERT_TRUE(rowOf(typed));
        EXPECT_EQ(rowOf(typed)->text(expenserow::Amount), "1,5");
    }
    EXPECT_EQ(stored(), QStringList({"1,5|1.5|2024-03-06", "1.5|1.5|2024-03-06"}));
}

TEST_F(NewExpenseFormTest, AnAmountThatIsNoNumberIsRefusedAndNothingIsWritten)
{
    const struct
    {
        const char* item;
        const char* amount;
    } refused[] = {{"Lunch", "1.2.3"}, {"Lunch", ""}, {"", "   "}, {"Lunch", "12,50.1"}};
    for (const auto& c : refused) {
        SCOPED_TRACE(c.amount);
        TNewExpenseForm* editor = openFromMenu();
        editor->ItemMaskEdit->setText(c.item);
        editor->AmountMaskEdit->setText(c.amount);
        dialogs.messages.clear();
        editor->OKButton->click();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "Please input the amount as a number, such as 12.50.");
        EXPECT_TRUE(editor->isVisible());
        editor->close();
    }
    EXPECT_EQ(stored(), QStringList());
    dialogs.messages.clear();

    // Pasted blanks around a number are trimmed; both fields empty write nothing but reload.
    TNewExpenseForm* editor = openFromMenu();
    editor->AmountMaskEdit->setText(" 7 ");
    editor->OKButton->click();
    addExpense("Behind the list's back", 1, "2024-03-06");
    editor = openFromMenu();
    editor->OKButton->click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(stored(), QStringList({"|7|2024-03-06", "Behind the list's back|1|2024-03-06"}));
    EXPECT_EQ(list()->topLevelItemCount(), 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(NewExpenseFormTest, AnAmountThatWouldMakeTheTotalUnshowableIsRefused)
{
    addExpense("Huge", 500000000000000, "2024-02-01");
    frame->LoadExpenseList(0);
    TNewExpenseForm* editor = openFromMenu();
    editor->ItemMaskEdit->setText("More");
    editor->AmountMaskEdit->setText("500000000000000");
    editor->OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "This amount would make the total of the expenses too large to show, so it was not saved.");
    EXPECT_EQ(stored(), QStringList({"Huge|500000000000000|2024-02-01"}));
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(NewExpenseFormTest, AnEditThatCannotLandSavesNothingAndKeepsTheText)
{
    const QString older = programFolder() + "older.mdb";
    const struct
    {
        const char* name;
        std::function<void()> meddle;
        const char* says;
    } cases[] = {
        {"the entry was deleted meanwhile", [this] { execute("delete from expense"); },
         "This entry no longer exists"},
        // The copy holds the same entry under the same id: only the file tells them apart.
        {"the file was replaced on disk",
         [&] {
             ASSERT_EQ(std::rename(QFile::encodeName(older).constData(),
                                   QFile::encodeName(databasePath()).constData()),
                       0);
         },
         "The database changed under this editor"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        execute("delete from expense");
        addExpense("Lunch", 12.5, "2024-03-20");
        QFile::remove(older);
        ASSERT_TRUE(QFile::copy(databasePath(), older));
        frame->LoadExpenseList(0);
        list()->topLevelItem(0)->setSelected(true);
        dialogs.messages.clear();
        bool stayedOpen = false;
        QString kept;
        editSelected([&](TNewExpenseForm* edited) {
            edited->AmountMaskEdit->setText("9");
            c.meddle();
            edited->OKButton->click();
            stayedOpen = edited->isVisible();
            kept = edited->AmountMaskEdit->text();
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(kept, "9");
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_TRUE(dialogs.messages.back().text.startsWith(c.says))
            << dialogs.messages.back().text.toStdString();
        EXPECT_FALSE(stored().join(',').contains("|9|"));
        // The list shows what the file now holds.
        EXPECT_EQ(list()->topLevelItemCount(), static_cast<int>(stored().size()));
    }
}

TEST_F(NewExpenseFormTest, AFailureAfterTheSaveSaysTheEntryWasSavedAndStoresItOnce)
{
    frame->LoadExpenseList(0);
    TNewExpenseForm* editor = openFromMenu();
    editor->ItemMaskEdit->setText("Lunch");
    editor->AmountMaskEdit->setText("12.5");
    // The engine refuses to read items back, so the list cannot be shown again after the insert.
    sqlite3_set_authorizer(
        form->ADOConnection.handle(),
        [](void*, int action, const char* table, const char* column, const char*, const char*) {
            return action == SQLITE_READ && QByteArray(table) == "expense" && QByteArray(column) == "item"
                       ? SQLITE_DENY
                       : SQLITE_OK;
        },
        nullptr);
    editor->OKButton->click();
    if (editor->isVisible())
        editor->OKButton->click();
    sqlite3_set_authorizer(form->ADOConnection.handle(), nullptr, nullptr);
    EXPECT_FALSE(editor->isVisible());
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("The entry was saved, but showing it afterwards failed"))
        << dialogs.messages[0].text.toStdString();
    ASSERT_EQ(stored().size(), 1);
    EXPECT_TRUE(stored()[0].startsWith("Lunch|12.5|"));
}
