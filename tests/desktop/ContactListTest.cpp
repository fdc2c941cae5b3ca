#include "common/widgets/TPageControl.h"
#include "desktop/CalendarViewFixture.h"
#include "desktop/ContactRows.h"
#include "desktop/QuorvaneFrame.h"
#include "editors/NewEventForm.h"
#include "platform/Clock.h"
#include "reports/PrintForm.h"
#include "support/DragStrip.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

namespace {

struct Entry
{
    QString lastName;
    int categoryId;
};

} // namespace

class ContactListTest : public CalendarViewTest
{
protected:
    // Stores the entries; returns their ids in the same order.
    std::vector<int> addEntries(const std::vector<Entry>& entries)
    {
        std::vector<int> ids;
        TADOQuery query;
        query.Connection = &form->ADOConnection;
        for (const Entry& entry : entries) {
            query.SQL.Clear();
            query.SQL.Add("insert into address (LastName, FirstName, Categoryid) values (:l, 'First', :c)");
            query.ParamByName("l").Value = entry.lastName;
            query.ParamByName("c").Value = entry.categoryId;
            query.ExecSQL();
            query.SQL.Clear();
            query.SQL.Add("select max(id) as id from address");
            query.Open();
            ids.push_back(query.FieldByName("id").AsInteger());
        }
        return ids;
    }

    // Each row as the list shows it, with the id it keeps.
    std::vector<std::pair<QString, QString>> contactRows() const
    {
        std::vector<std::pair<QString, QString>> rows;
        const QAbstractItemModel* model = frame->ContactListView->model();
        for (int i = 0; i < model->rowCount(); ++i)
            rows.emplace_back(model->index(i, 0).data().toString(), frame->FContactRows->id(i));
        return rows;
    }

    int contactCount() const { return frame->ContactListView->model()->rowCount(); }

    QModelIndex contact(const QString& lastName) const
    {
        const QAbstractItemModel* model = frame->ContactListView->model();
        const QModelIndexList found =
            model->match(model->index(0, 0), Qt::DisplayRole, lastName, 1, Qt::MatchExactly);
        return found.isEmpty() ? QModelIndex() : found.first();
    }

    void choose(const QModelIndex& row) const
    {
        frame->ContactListView->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    }
};

TEST_F(ContactListTest, HoldsEveryEntrysLastNameWhateverTheAddressFilter)
{
    const std::vector<int> ids = addEntries({{"Smith", 1}, {"", 2}, {"Jones", -1}, {" ", 1}});
    frame->QuorvaneFrame1->sbAddress->click();
    frame->LoadAddressList(2);

    frame->QuorvaneFrame1->sbSchedule->click();

    const std::vector<std::pair<QString, QString>> expected = {{"Smith", QString::number(ids[0])},
                                                               {"", QString::number(ids[1])},
                                                               {"Jones", QString::number(ids[2])},
                                                               {" ", QString::number(ids[3])}};
    EXPECT_EQ(contactRows(), expected);
    const QAbstractItemModel* model = frame->ContactListView->model();
    EXPECT_EQ(model->columnCount(), 1);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Name");
    // A screen reader hears each row's name.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(frame->ContactListView);
    ASSERT_TRUE(reader && reader->tableInterface());
    QAccessibleInterface* cell = reader->tableInterface()->cellAt(2, 0);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->text(QAccessible::Name), "Jones");
}

TEST_F(ContactListTest, AReloadShowsWhatAnyoneChangedSinceTheLastLoad)
{
    addEntries({{"Adams", -1}});
    TDesktopFrame* frame = form->DesktopFrame;
    frame->LoadContactList();
    ASSERT_EQ(contactCount(), 1);
    choose(contact("Adams"));

    frame->LoadContactList(); // unchanged: same rows, nothing chosen
    EXPECT_EQ(contactCount(), 1);
    EXPECT_FALSE(frame->ContactListView->selectionModel()->hasSelection());

    addEntries({{"Baker", -1}}); // through the organiser's own connection
    frame->LoadContactList();
    EXPECT_EQ(contactCount(), 2);

    // Another program changing the file counts as well.
    TADOConnection other;
    other.ConnectionString = "dbq=" + databasePath();
    other.Open();
    TADOQuery query;
    query.Connection = &other;
    query.SQL.Add("insert into address (LastName) values ('Clark')");
    query.ExecSQL();
    frame->LoadContactList();
    EXPECT_EQ(contactCount(), 3);
}

TEST_F(ContactListTest, ContactDroppedOnTheDayViewBecomesTheEventsText)
{
    addEntries({{"Smith", 1}, {"Jones", -1}});
    frame->LoadContactList();
    showDay(Today);
    choose(contact("Jones"));

    bool accept = false;
    QWidget* slot = frame->FHourPanels[10];
    frame->EventDragOver(slot, frame->ContactListView, &accept);
    ASSERT_TRUE(accept);
    ModalCloser closer;
    frame->EventDragDrop(slot, frame->ContactListView);

    ASSERT_TRUE(closer.closedAny());
    EXPECT_EQ(NewEventForm->EventMemo->toPlainText(), "Jones");
    EXPECT_EQ(NewEventForm->StartDateTimePicker->dateTime(),
              platform::clock::wallClock(Today, QTime(10, 30)));
}

TEST_F(ContactListTest, DoubleClickSelectsTheEntryInTheAddressBookShowingAllCategories)
{
    const std::vector<int> ids = addEntries({{"Brown", 2}, {"Smith", 1}, {"Adams", 2}});
    frame->LoadContactList();
    frame->LoadAddressList(2);
    ASSERT_EQ(frame->AddressListView->topLevelItemCount(), 2);

    const QRect at = frame->ContactListView->visualRect(contact("Smith"));
    ASSERT_TRUE(at.isValid());
    // A user's double-click: a click, then the second press and its release.
    QWidget* viewport = frame->ContactListView->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at.center());
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at.center());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at.center());

    EXPECT_EQ(frame->ToolPageControl->ActivePageIndex(), 2);
    const QList<QTreeWidgetItem*> selected = frame->AddressListView->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first()->text(0), "Smith");
    EXPECT_EQ(selected.first()->text(14).trimmed(), QString::number(ids[1]));
    EXPECT_EQ(frame->AddressNameLabel->text(), "Smith,First");
}

TEST_F(ContactListTest, HelpFileAndWebPagesOpenThroughTheShell)
{
    const struct
    {
        QAction* item;
        QString file;
        QString address;
    } cases[] = {
        {frame->miTessaryHelp, programFolder() + "tesshelp.chm", QString()},
        {frame->miTessary, "IEXPLORE.EXE", "http://www.ambrel.example/tessary/"},
        {frame->miAmbrelHomepage, "IEXPLORE.EXE", "http://www.ambrel.example/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item->objectName().toStdString());
        dialogs.shellRequests.clear();
        c.item->trigger();
        ASSERT_EQ(dialogs.shellRequests.size(), 1u);
        EXPECT_EQ(dialogs.shellRequests[0].verb, "open");
        EXPECT_EQ(dialogs.shellRequests[0].file, c.file);
        EXPECT_EQ(dialogs.shellRequests[0].params, c.address);
    }
    dialogs.shellRequests.clear();
    frame->NewsToolButtonClick();
    ASSERT_EQ(dialogs.shellRequests.size(), 1u);
    EXPECT_EQ(dialogs.shellRequests[0].file, "IEXPLORE.EXE");
    EXPECT_EQ(dialogs.shellRequests[0].params, "http://www.ambrel.example/tessary/news.htm");
}

TEST_F(ContactListTest, PrintFromTheMenuPrintsWhatTheShownPageHolds)
{
    frame->FCurrentDate = QDate(2024, 3, 9);
    const QString kinds[] = {"Date", "Date", "Address", "Memo", "Expense", "", ""};
    for (int page = 0; page < 7; ++page) {
        SCOPED_TRACE(page);
        frame->ToolPageControl->setActivePageIndex(page);
        const QPointer<TPrintForm> earlier = PrintForm;
        ModalCloser closer;
        frame->miPrint->trigger();
        ASSERT_TRUE(closer.closedAny());
        ASSERT_TRUE(PrintForm);
        EXPECT_NE(PrintForm, earlier);
        EXPECT_EQ(PrintForm->FReportKind, kinds[page]);
        EXPECT_EQ(PrintForm->FPrintDate, QDate(2024, 3, 9));
    }
}

TEST_F(ContactListTest, EachSplitterRefusesOnlyMovesThatSqueezeItsOwnPane)
{
    frame->ToolPageControl->setActivePageIndex(2);
    ASSERT_EQ(frame->AddressMemoPanel->width(), 260);
    // The name line and the details keep 8 px margins in the pane, whatever its width.
    const auto detailsFit = [&](const char* when) {
        for (QWidget* detail :
             {static_cast<QWidget*>(frame->AddressNameLabel), static_cast<QWidget*>(frame->AddressMemo)}) {
            EXPECT_EQ(detail->x(), 8) << detail->objectName().toStdString() << when;
            EXPECT_EQ(detail->width(), frame->AddressMemoPanel->width() - 16)
                << detail->objectName().toStdString() << when;
        }
    };
    detailsFit(" at start");
    dragStrip(frame->AddressSplitter, {100, 0}); // would leave 160
    EXPECT_EQ(frame->AddressMemoPanel->width(), 260);
    dragStrip(frame->AddressSplitter, {69, 0});
    ASSERT_EQ(frame->AddressMemoPanel->width(), 191);
    detailsFit(" narrowed");
    dragStrip(frame->AddressSplitter, {1, 0});
    EXPECT_EQ(frame->AddressMemoPanel->width(), 191);
    dragStrip(frame->AddressSplitter, {-50, 0});
    EXPECT_EQ(frame->AddressMemoPanel->width(), 241);
    detailsFit(" widened");

    // The Password page's pane starts at 190; it may grow, whatever the address pane is.
    frame->ToolPageControl->setActivePageIndex(3);
    const int memoPane = frame->Panel12->width();
    dragStrip(frame->Splitter2, {10, 0});
    EXPECT_EQ(frame->Panel12->width(), memoPane);
    dragStrip(frame->Splitter2, {-40, 0});
    EXPECT_EQ(frame->Panel12->width(), memoPane + 40);
}

TEST_F(ContactListTest, ADamagedAddressTableKeepsItsReadableRowsAndEveryPageInReach)
{
    TADOQuery fill;
    fill.Connection = &form->ADOConnection;
    fill.SQL.Add("with recursive n(i) as (select 1 union all select i + 1 from n where i < 1500) "
                 "insert into address (LastName, FirstName, Categoryid) "
                 "select 'Name ' || i, substr(hex(zeroblob(100)), 1, 200), -1 from n");
    fill.ExecSQL();
    // The last page written holds the last entries; garbage there fails any read that reaches it.
    form->ADOConnection.Close();
    QFile file(databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(file.size() - 4096));
    file.write(QByteArray(4096, '\xff'));
    file.close();
    form->ADOConnection.Open();

    TPageControl* pages = frame->ToolPageControl;
    frame->QuorvaneFrame1->sbAddress->click();
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    const int listed = frame->AddressListView->topLevelItemCount();
    EXPECT_GT(listed, 0);
    EXPECT_LT(listed, 1500);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "\"" + databasePath() +
                                            "\" is damaged (database disk image is malformed). Restore a "
                                            "backup or repair the file.");

    frame->QuorvaneFrame1->sbSchedule->click();
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(contactCount(), listed);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}
