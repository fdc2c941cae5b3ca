#include "desktop/ExpenseFixture.h"
#include "desktop/QuorvaneFrame.h"
#include "platform/Application.h"
#include "support/DamagedPage.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>

namespace {

// Records each message and what the list and the total line showed when it came up.
class SnapshotDriver : public platform::dialogs::Driver
{
public:
    explicit SnapshotDriver(std::function<QString()> snapshot) : m_snapshot(std::move(snapshot)) {}
    int answerMessage(const platform::dialogs::MessageRequest& request) override
    {
        messages << request.text;
        shownWithMessage << m_snapshot();
        return platform::dialogs::Ok;
    }
    QString answerFolder(const platform::dialogs::FolderRequest&) override { return QString(); }
    bool shellOpen(const platform::dialogs::ShellRequest&) override { return true; }
    QStringList messages;
    QStringList shownWithMessage;

private:
    std::function<QString()> m_snapshot;
};

} // namespace

class ExpenseListTest : public ExpenseTest
{
protected:
    ExpenseListTest()
    {
        addExpense("Rent", 10, "2024-03-01");
        addExpense("Coffee", 2.5, "2024-12-24");
        addExpense("Apple", 0.25, "2023-11-05");
    }

    void chooseSort(int index)
    {
        frame->ExpenseComboBox->setCurrentIndex(index);
        emit frame->ExpenseComboBox->activated(index);
    }
};

TEST_F(ExpenseListTest, EverySortChoiceOrdersTheQueryButTheListStaysInTheTextOrderOfItsColumn)
{
    frame->QuorvaneFrame1->sbExpenseClick();
    const std::vector<QStringList> byDateText = {{"11/5/2023", "Apple", "0.25", QString::number(3)},
                                                 {"12/24/2024", "Coffee", "2.5", QString::number(2)},
                                                 {"3/1/2024", "Rent", "10", QString::number(1)}};
    EXPECT_EQ(rowsOf(list(), expenserow::PlaceCount), byDateText);
    EXPECT_EQ(total(), "Total:12.75");

    const struct
    {
        int index;
        const char* orderLine;
    } choices[] = {
        {1, " order by item    desc "}, {2, " order by amount  desc "}, {0, " order by paydate desc "}};
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.index);
        chooseSort(choice.index);
        EXPECT_TRUE(frame->AddressQuery.SQL.Text().endsWith(QString("\n") + choice.orderLine));
        EXPECT_EQ(rowsOf(list(), expenserow::PlaceCount), byDateText);
        EXPECT_EQ(total(), "Total:12.75");
    }

    // Amounts sort as texts too: 10 before 2.5.
    frame->ExpenseListViewColumnClick(expenserow::Amount);
    EXPECT_EQ(column(list(), expenserow::Amount), QStringList({"0.25", "10", "2.5"}));
    frame->LoadExpenseList(0);
    EXPECT_EQ(column(list(), expenserow::Amount), QStringList({"0.25", "10", "2.5"}));

    execute("delete from expense");
    frame->LoadExpenseList(0);
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(total(), "Total:0");
}

TEST_F(ExpenseListTest, DeleteTakesTheRowsAndTheirAmountsOutOfListAndTotal)
{
    frame->LoadExpenseList(0);
    frame->miDeleteExpense->trigger(); // nothing selected: nothing happens
    EXPECT_EQ(stored().size(), 3);

    rowOf("Coffee")->setSelected(true);
    frame->miDeleteExpense->trigger();
    EXPECT_EQ(stored(), QStringList({"Rent|10|2024-03-01", "Apple|0.25|2023-11-05"}));
    EXPECT_EQ(column(list(), expenserow::Item), QStringList({"Apple", "Rent"}));
    EXPECT_EQ(total(), "Total:10.25");

    rowOf("Apple")->setSelected(true);
    frame->miExpenseSelectAll->trigger();
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(stored(), QStringList());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(total(), "Total:0");
}

TEST_F(ExpenseListTest, ADeleteThatFailsPartWayLeavesExactlyTheStoredRowsBeforeTheErrorShows)
{
    const int locked = addExpense("Locked", 4, "2024-01-01");
    execute(QString("create trigger keep before delete on expense when old.id = %1"
                    " begin select raise(abort, 'This expense is locked.'); end")
                .arg(locked));
    frame->LoadExpenseList(0);
    EXPECT_EQ(total(), "Total:16.75");

    SnapshotDriver driver([this] { return column(list(), expenserow::Item).join(',') + " " + total(); });
    platform::dialogs::setDriver(&driver);
    list()->selectAll();
    frame->miDeleteExpense->trigger();
    platform::dialogs::setDriver(&dialogs);

    // The rows stand in date text order: 1/1/2024 (Locked) comes first, so nothing went.
    EXPECT_EQ(stored().size(), 4);
    EXPECT_EQ(driver.messages, QStringList({"This expense is locked.\n\nNothing was deleted."}));
    EXPECT_EQ(driver.shownWithMessage, QStringList({"Locked,Apple,Coffee,Rent Total:16.75"}));

    // A failure after some rows went: those rows and their amounts leave, the rest stay.
    frame->ExpenseListViewColumnClick(expenserow::Item);
    driver.shownWithMessage.clear();
    platform::dialogs::setDriver(&driver);
    list()->selectAll();
    frame->miDeleteExpense->trigger();
    platform::dialogs::setDriver(&dialogs);
    EXPECT_EQ(stored(), QStringList({"Rent|10|2024-03-01", "Locked|4|2024-01-01"}));
    EXPECT_EQ(driver.shownWithMessage, QStringList({"Locked,Rent Total:14"}));
    EXPECT_EQ(driver.messages.last(),
              "This expense is locked.\n\n2 of the 4 selected entries were deleted; the other 2 were not.");
    EXPECT_EQ(total(), sumOfRows());

    // One gone and one left: each said in the singular.
    addExpense("Aardvark", 1, "2024-04-01");
    frame->LoadExpenseList(0);
    frame->ExpenseListViewColumnClick(expenserow::Item);
    list()->clearSelection();
    rowOf("Aardvark")->setSelected(true);
    rowOf("Locked")->setSelected(true);
    platform::dialogs::setDriver(&driver);
    frame->miDeleteExpense->trigger();
    platform::dialogs::setDriver(&dialogs);
    EXPECT_EQ(driver.messages.last(),
              "This expense is locked.\n\n1 of the 2 selected entries was deleted; the other 1 was not.");
}

TEST_F(ExpenseListTest, StoredAmountsWhoseTotalCannotBeShownStillListAndCanBeDeleted)
{
    addExpense("Huge", 500000000000000, "2024-02-01");
    addExpense("Huger", 500000000000000, "2024-02-02");
    frame->QuorvaneFrame1->sbExpenseClick();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(list()->topLevelItemCount(), 5);
    EXPECT_EQ(total(), "Total:too large to show");

    rowOf("Huger")->setSelected(true);
    frame->miDeleteExpense->trigger();
    EXPECT_EQ(stored().size(), 4);
    EXPECT_EQ(total(), "Total:" + expenserow::amountText(expenserow::currencyOf(500000000000012.75)));
}

TEST_F(ExpenseListTest, AListCutShortByADamagedPageShowsNoTotalAndSaysToRestoreABackup)
{
    execute(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 600) "
        "insert into expense (item, amount, paydate) select printf('Item %060d', i), 1, '2024-05-01' from n");
    form->ADOConnection.Close();
    damageLeafPage(databasePath(), "expense", 2);
    form->ADOConnection.Open();
    const QString unread = "Total:cannot be shown, as not every expense could be read";
    const QString malformed =
        "\"" + databasePath() +
        "\" is damaged (database disk image is malformed). Restore a backup or repair the file.";

    // Sorted by the engine, which reads every row before the first comes back.
    frame->QuorvaneFrame1->sbExpense->click();
    EXPECT_EQ(total(), unread);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(), malformed.toStdString());

    // In stored order the rows before the damaged page are listed, and still no total.
    runGuarded([this] { frame->LoadExpenseList(-1); });
    EXPECT_GT(list()->topLevelItemCount(), 3);
    EXPECT_LT(list()->topLevelItemCount(), 603);
    EXPECT_EQ(total(), unread);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}
