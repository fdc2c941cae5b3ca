#include "desktop/DesktopFrame.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "common/SharedTexts.h"
#include "common/widgets/TImage.h"
#include "common/widgets/TPageControl.h"
#include "desktop/QuorvaneFrame.h"
#include "desktop/ShellListView.h"
#include "mobile/PelloranFrame.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "reader/ReaderForm.h"
#include "support/DamagedPage.h"
#include "support/TessaryTest.h"
#include "support/WhenModal.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <sqlite3.h>

namespace {

const QDateTime Now(QDate(2024, 3, 13), QTime(10, 0)); // a Wednesday

// Where the month grid shows a date: rows 1..6 from the Sunday before the 1st (a whole
// week earlier when the 1st is a Sunday), columns from Sunday.
std::pair<int, int> monthCell(const QDate& date)
{
    const QDate first(date.year(), date.month(), 1);
    const int k = static_cast<int>(first.addDays(-first.dayOfWeek()).daysTo(date));
    return {k / 7 + 1, k % 7};
}

} // namespace

class DesktopFrameTest : public TessaryTest
{
protected:
    DesktopFrameTest()
    {
        platform::clock::setFixedNow(Now);
        createDatabase();
    }

    // Starts the program's main window as the entry does, shown, so both runs of InitFrame
    // have happened.
    void start()
    {
        form = std::make_unique<TMainDesktopForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    TDesktopFrame* frame() const { return form->DesktopFrame; }
    TPageControl* pages() const { return form->DesktopFrame->ToolPageControl; }

    std::vector<bool> tabsShown() const
    {
        std::vector<bool> shown;
        for (int i = 0; i < pages()->pageCount(); ++i)
            shown.push_back(pages()->isTabVisible(i));
        return shown;
    }

    // A user's click on a tab: the page control announces the change first.
    void clickTab(int index)
    {
        pages()->setTabVisible(index, true);
        pages()->tabButton(index)->click();
    }

    void addEvent(const QTime& start, const QString& text)
    {
        TADOQuery insert;
        insert.Connection = &form->ADOConnection;
        insert.SQL.Add("Insert Into journal ( jstarttime , jendtime , memo )");
        insert.SQL.Add("values ( :jstarttime , :jendtime , :memo )");
        insert.ParamByName("jstarttime").Value = QDateTime(Now.date(), start);
        insert.ParamByName("jendtime").Value = QDateTime(Now.date(), start.addSecs(3600));
        insert.ParamByName("memo").Value = text;
        insert.ExecSQL();
    }

    size_t weekMemoCount() const
    {
        size_t count = 0;
        for (const auto& day : frame()->FWeekMemos)
            count += day.size();
        return count;
    }

    std::unique_ptr<TMainDesktopForm> form;
};

TEST_F(DesktopFrameTest, StartUpShowsOnlyTheDayAndWeekTabsOnTheDayPage)
{
    start();
    EXPECT_EQ(tabsShown(), std::vector<bool>({true, true, false, false, false, false, false}));
    EXPECT_EQ(pages()->ActivePageIndex(), 0);
    EXPECT_FALSE(frame()->isHidden());
    EXPECT_EQ(form->menuBar(), frame()->MainMenu1);
    EXPECT_FALSE(frame()->MainMenu1->isHidden());
    ASSERT_TRUE(frame()->findChild<QFrame*>("Splitter1"));
    EXPECT_TRUE(frame()->Splitter1->isHidden());
}

TEST_F(DesktopFrameTest, TheDateTextsAreSetBeforeTheWindowFirstPaints)
{
    // A text set while the window paints would cost a second paint of the first frame.
    form = std::make_unique<TMainDesktopForm>();
    EXPECT_EQ(frame()->DateLabel->text(), platform::locale::dateToStr(Now.date()));
}

TEST_F(DesktopFrameTest, CaptionsComeFromTheSharedTexts)
{
    start();
    struct Caption
    {
        const char* what;
        std::function<QString()> read;
        std::function<void(const QString&)> write;
        int id;
    };
    TDesktopFrame* f = frame();
    const auto tab = [f](int i) -> Caption {
        return {"tab", [f, i] { return f->ToolPageControl->tabCaption(i); },
                [f, i](const QString& t) { f->ToolPageControl->setTabCaption(i, t); }, 65041 + i};
    };
    const auto column = [](const char* what, QTreeWidget* list, int c, int id) -> Caption {
        return {what, [list, c] { return list->headerItem()->text(c); },
                [list, c](const QString& t) { list->headerItem()->setText(c, t); }, id};
    };
    const auto text = [](const char* what, auto* widget, int id) -> Caption {
        return {what, [widget] { return widget->text(); }, [widget](const QString& t) { widget->setText(t); },
                id};
    };
    const std::vector<Caption> captions = {
        tab(0),
        tab(1),
        tab(2),
        column("memo column 0", f->MemoListView, 0, 65008),
        column("memo column 1", f->MemoListView, 1, 65009),
        column("expense column 0", f->ExpenseListView, 0, 65013),
        column("expense column 1", f->ExpenseListView, 1, 65014),
        column("expense column 2", f->ExpenseListView, 2, 65015),
        {"miFile", [f] { return f->miFile->title(); }, [f](const QString& t) { f->miFile->setTitle(t); },
         65074},
        text("miQuit", f->miQuit, 65077),
        text("miAmbrelHomepage", f->miAmbrelHomepage, 65081),
        text("GoToButton", f->GoToButton, 65044),
        text("miDeleteEvent", f->miDeleteEvent, 65050),
        text("btmemoCategory", f->btmemoCategory, 65039),
        text("TotalLabel", f->TotalLabel, 65018),
    };
    // Scrambled first, so a caption the layout already had cannot pass for one applied.
    for (const Caption& c : captions)
        c.write("?");
    f->ApplyCaptions();
    for (const Caption& c : captions)
        EXPECT_EQ(c.read(), SharedTexts::load(c.id)) << c.what;
    EXPECT_EQ(pages()->tabCaption(2), "Address");
    EXPECT_EQ(f->GoToButton->text(), "&Go To Day");
    // Pages whose captions stay as laid out.
    EXPECT_EQ(pages()->tabCaption(3), "List");
    EXPECT_EQ(pages()->tabCaption(5), "Backup");
    EXPECT_EQ(pages()->tabCaption(6), "Restore");
}

TEST_F(DesktopFrameTest, AddressListGetsItsFourteenColumnsOnce)
{
    start();
    QTreeWidget* list = frame()->AddressListView;
    ASSERT_EQ(list->columnCount(), 14);
    EXPECT_EQ(list->headerItem()->text(0), "LastName");
    EXPECT_EQ(list->headerItem()->text(11), "Home   Phone");
    EXPECT_EQ(list->headerItem()->text(13), "Cell Phone");
    EXPECT_EQ(list->columnWidth(2), 200);
    EXPECT_EQ(list->columnWidth(13), 100);

    // Columns that exist are left as they are, whatever became of them.
    list->setColumnWidth(0, 321);
    list->headerItem()->setText(0, "Renamed");
    frame()->InitFrame();
    EXPECT_EQ(list->columnCount(), 14);
    EXPECT_EQ(list->columnWidth(0), 321);
    EXPECT_EQ(list->headerItem()->text(0), "Renamed");
}

TEST_F(DesktopFrameTest, SecondInitFrameReturnsToTheStartingState)
{
    start();
    const size_t hourPanels = frame()->FHourPanels.size();
    pages()->setActivePageIndex(4);
    for (int i = 0; i < 7; ++i)
        pages()->setTabVisible(i, i % 2 == 0);

    frame()->InitFrame();
    EXPECT_EQ(pages()->ActivePageIndex(), 0);
    EXPECT_EQ(tabsShown(), std::vector<bool>({true, true, false, false, false, false, false}));
    EXPECT_EQ(frame()->AddressListView->columnCount(), 14);
    EXPECT_EQ(frame()->FHourPanels.size(), hourPanels);
}

TEST_F(DesktopFrameTest, ADamagedEventsPageLeavesTheRestOfStartUpShownAndIsToldOnce)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(databasePath()).constData(), &db);
    const QByteArray fill =
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 400) "
        "insert into journal (jstarttime, jendtime, memo) select '" +
        Now.toString("yyyy-MM-dd hh:mm:ss").toUtf8() +
        "', null, printf('%0100d', i) "
        "from n; "
        "insert into address (LastName, FirstName) values ('Ames', 'Ann'), ('Bell', 'Bo');";
    ASSERT_EQ(sqlite3_exec(db, fill.constData(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
    damageLeafPage(databasePath(), "journal", 1);

    start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(),
              ("The calendar's events could not be read. \"" + databasePath() +
               "\" is damaged (database disk image is malformed). Restore a backup or repair the file.")
                  .toStdString());
    EXPECT_EQ(frame()->GoToButton->text(), "&Go To Day");
    EXPECT_EQ(frame()->ToDayButton->text(), "&ToDay");
    EXPECT_EQ(frame()->NewEventButton->text(), "&New Event");
    EXPECT_EQ(frame()->EditEventButton->text(), "&Edit Event");
    EXPECT_EQ(frame()->ContactListView->model()->rowCount(), 2);
}

TEST_F(DesktopFrameTest, BackupViewShowsTheDocumentsFolderWhenItsPageOpens)
{
    const QString documents = homeFolder() + "/Papers";
    QDir().mkpath(documents + "/Letters");
    QFile file(documents + "/budget.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QDir().mkpath(homeFolder() + "/.config");
    QFile dirs(homeFolder() + "/.config/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    dirs.close();

    start();
    EXPECT_EQ(frame()->ShellListView1->root(), documents);
    EXPECT_EQ(frame()->ProcessListView->columnWidth(0), 700);

    frame()->QuorvaneFrame1->sbBackup->click();
    ASSERT_EQ(pages()->ActivePageIndex(), 5);
    TShellListView* view = frame()->ShellListView1;
    ASSERT_EQ(view->count(), 2);
    EXPECT_EQ(view->item(0)->text(), "Letters") << "folders come first";
    EXPECT_EQ(view->item(1)->text(), "budget.txt");
}

// Leaving any page but the Day page marks the current date's cell afresh.
TEST_F(DesktopFrameTest, TabClicksResetTheCalendarSelectionUnlessLeavingTheDayPage)
{
    start();
    struct Case
    {
        int from;
        int to;
        bool resets;
    };
    const Case cases[] = {{0, 1, false}, {1, 0, true}, {2, 0, true}, {3, 1, true}, {6, 0, true}};
    // A day whose cell is neither the stale selection nor the cleared one.
    const QDate current(2024, 5, 22);
    ASSERT_EQ(monthCell(current), std::make_pair(4, 3));
    for (const Case& c : cases) {
        pages()->setActivePageIndex(c.from);
        frame()->FCurrentDate = current;
        frame()->FSelRow = 5;
        frame()->FSelCol = 5;
        clickTab(c.to);
        EXPECT_EQ(pages()->ActivePageIndex(), c.to) << c.from << " -> " << c.to;
        const std::pair<int, int> expected = c.resets ? monthCell(current) : std::pair{5, 5};
        EXPECT_EQ(std::make_pair(frame()->FSelRow, frame()->FSelCol), expected) << c.from << " -> " << c.to;
    }
}

TEST_F(DesktopFrameTest, TabClicksRebuildTheViewsOfThePagesNotLeft)
{
    start();
    addEvent(QTime(9, 0), "Standup");
    frame()->InitFrame();
    ASSERT_EQ(frame()->FDayMemos.size(), 1u);

    // Leaving the Day page rebuilds only the week.
    addEvent(QTime(14, 0), "Review");
    clickTab(1);
    EXPECT_EQ(frame()->FDayMemos.size(), 1u);
    EXPECT_EQ(weekMemoCount(), 2u);

    // Leaving the Week page rebuilds only the day.
    addEvent(QTime(16, 0), "Retro");
    clickTab(0);
    EXPECT_EQ(frame()->FDayMemos.size(), 3u);
    EXPECT_EQ(weekMemoCount(), 2u);

    // Leaving any other page rebuilds both.
    addEvent(QTime(18, 0), "Dinner");
    pages()->setActivePageIndex(2);
    clickTab(0);
    EXPECT_EQ(frame()->FDayMemos.size(), 4u);
    EXPECT_EQ(weekMemoCount(), 4u);
}

TEST_F(DesktopFrameTest, MenuSynchronizeShowsTheSyncViewAndTakesTheMenuAway)
{
    start();
    EXPECT_EQ(frame()->miSynchronize->text(), frame()->HotSynSpeedButton->text());
    frame()->miSynchronize->trigger();
    EXPECT_FALSE(form->PelloranFrame1->isHidden());
    EXPECT_TRUE(frame()->isHidden());
    EXPECT_TRUE(frame()->MainMenu1->isHidden());
    EXPECT_EQ(tabsShown(), std::vector<bool>({false, false, false, false, false, false, false}));

    form->PelloranFrame1->QuorvaneFrame1->sbSchedule->click();
    EXPECT_FALSE(frame()->isHidden());
    EXPECT_FALSE(frame()->MainMenu1->isHidden());
}

TEST_F(DesktopFrameTest, MenuRFIDAfterSynchronizeOpensTheReaderForm)
{
    start();
    const QList<QAction*> items = frame()->miFile->actions();
    const qsizetype at = items.indexOf(frame()->miSynchronize);
    ASSERT_LT(at + 1, items.size());
    EXPECT_EQ(items[at + 1], frame()->miRFID);
    EXPECT_EQ(frame()->miRFID->text(), "RFID");

    WhenModal reader([](QDialog* dialog) { EXPECT_EQ(dialog, Form1.data()); });
    frame()->miRFID->trigger();
    EXPECT_TRUE(reader.ran());
    EXPECT_FALSE(Form1.isNull());
}

TEST_F(DesktopFrameTest, MenuExitClosesTheMainWindow)
{
    start();
    frame()->miQuit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->ADOConnection.Connected());
}

TEST_F(DesktopFrameTest, BannerOpensTheHomePageAndShowsAHand)
{
    start();
    TImage* banner = frame()->Image1;
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 12), banner->mapToGlobal(QPointF(12, 12)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(banner, &move);
    EXPECT_EQ(banner->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(banner, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_EQ(dialogs.shellRequests.size(), 1u);
    EXPECT_EQ(dialogs.shellRequests[0].verb, "open");
    EXPECT_EQ(dialogs.shellRequests[0].file, "IEXPLORE.EXE");
    EXPECT_TRUE(dialogs.shellRequests[0].params.startsWith("http://"));
}

namespace {

// Presses Tab from the focused widget until the focus comes back to the first one it reached, and
// gives each widget it stopped on.
std::vector<QWidget*> tabStops(QWidget* window)
{
    const auto tab = [window] {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : window, Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    std::vector<QWidget*> stops{tab()};
    for (QWidget* next = tab(); next != stops.front() && stops.size() < 500; next = tab())
        stops.push_back(next);
    return stops;
}

} // namespace

// Both frames lay page buttons beneath their tool panel: nobody sees them, so nothing may reach them.
TEST_F(DesktopFrameTest, ThePageButtonsBeneathTheToolPanelsTakeNoFocusAndNoAction)
{
    start();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TPelloranFrame* sync = form->PelloranFrame1;
    const std::vector<QAbstractButton*> covered = {
        frame()->DateSpeedButton,   frame()->AddressSpeedButton, frame()->EmailSpeedButton,
        frame()->HotSynSpeedButton, frame()->MP3SpeedButton,     sync->DateSpeedButton,
        sync->AddressSpeedButton,   sync->EmailSpeedButton,      sync->HotSynSpeedButton,
        sync->SpeedButton1,         sync->MP3SpeedButton};
    const auto isCovered = [&covered](QWidget* widget) {
        return std::find(covered.begin(), covered.end(), widget) != covered.end();
    };
    const bool dayButtonChecked = frame()->DateSpeedButton->isChecked();

    for (const bool inSyncView : {false, true}) {
        SCOPED_TRACE(inSyncView ? "sync view" : "desktop frame");
        if (inSyncView)
            frame()->miSynchronize->trigger();
        const auto shownFrameStays = [&] {
            EXPECT_EQ(sync->isVisible(), inSyncView);
            EXPECT_EQ(frame()->isVisible(), !inSyncView);
        };
        const std::vector<QWidget*> stops = tabStops(form.get());
        EXPECT_GT(stops.size(), 5u);
        for (QWidget* stop : stops)
            EXPECT_FALSE(isCovered(stop)) << stop->objectName().toStdString();
        shownFrameStays();

        for (QAbstractButton* button : covered) {
            SCOPED_TRACE(button->objectName().toStdString());
            QTest::keyClick(button, Qt::Key_Space);
            QAccessibleActionInterface* actions =
                QAccessible::queryAccessibleInterface(button)->actionInterface();
            ASSERT_TRUE(actions);
            for (const QString& name :
                 {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction(),
                  QAccessibleActionInterface::setFocusAction()})
                actions->doAction(name);
            EXPECT_FALSE(isCovered(QApplication::focusWidget()));
            shownFrameStays();
        }
    }
    EXPECT_EQ(frame()->DateSpeedButton->isChecked(), dayButtonChecked);
    EXPECT_EQ(frame()->HotSynSpeedButton->text(), "Synchronize");
}

// A tab's assistive action and Ctrl+Tab or Ctrl+Shift+Tab over the shown tabs switch pages as a
// click does: the change is announced first, with the old page still active, and may be refused.
TEST_F(DesktopFrameTest, AssistiveToolsAndCtrlTabSwitchPagesAsAClickDoes)
{
    start();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    std::vector<int> announcedFrom;
    bool refuse = false;
    QObject::connect(pages(), &TPageControl::changing, form.get(), [&](bool* allow) {
        announcedFrom.push_back(pages()->ActivePageIndex());
        if (refuse)
            *allow = false;
    });
    // The tabs that read as chosen, checked or selected, to an assistive tool.
    const auto chosenTabs = [this] {
        std::vector<int> chosen;
        for (int i = 0; i < pages()->pageCount(); ++i) {
            const QAccessible::State state =
                QAccessible::queryAccessibleInterface(pages()->tabButton(i))->state();
            if (state.checked || state.selected)
                chosen.push_back(i);
        }
        return chosen;
    };
    const auto expectOn = [&](int page, std::vector<int> announced) {
        EXPECT_EQ(pages()->ActivePageIndex(), page);
        EXPECT_TRUE(pages()->page(page)->isVisible());
        EXPECT_EQ(chosenTabs(), std::vector<int>{page});
        EXPECT_EQ(announcedFrom, announced);
        announcedFrom.clear();
    };
    expectOn(0, {});

    // A hidden tab, such as Address on the Day page, can no more be pressed than clicked.
    for (int hidden = 2; hidden < pages()->pageCount(); ++hidden) {
        SCOPED_TRACE(hidden);
        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(pages()->tabButton(hidden));
        EXPECT_TRUE(tab->state().invisible);
        EXPECT_TRUE(tab->actionInterface()->actionNames().isEmpty());
        tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        expectOn(0, {});
    }

    QAccessibleActionInterface* week =
        QAccessible::queryAccessibleInterface(pages()->tabButton(1))->actionInterface();
    ASSERT_TRUE(week);
    ASSERT_FALSE(week->actionNames().isEmpty());
    for (const QString& action : week->actionNames()) {
        SCOPED_TRACE(action.toStdString());
        pages()->setActivePageIndex(0);
        refuse = true;
        week->doAction(action);
        expectOn(0, {0});
        refuse = false;
        week->doAction(action);
        expectOn(1, {0});
    }

    // Only the shown tabs are visited, round and round.
    for (int i = 0; i < pages()->pageCount(); ++i)
        pages()->setTabVisible(i, i == 0 || i == 1 || i == 3);
    pages()->setActivePageIndex(0);
    QWidget* inPage = nullptr;
    for (QWidget* child : pages()->page(0)->findChildren<QWidget*>())
        if (!inPage && child->isVisible() && (child->focusPolicy() & Qt::TabFocus))
            inPage = child;
    ASSERT_TRUE(inPage);
    inPage->setFocus();
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    const Qt::KeyboardModifiers back = Qt::ControlModifier | Qt::ShiftModifier;
    press(Qt::Key_Tab, Qt::ControlModifier);
    expectOn(1, {0});
    press(Qt::Key_Tab, Qt::ControlModifier);
    expectOn(3, {1});
    press(Qt::Key_Tab, Qt::ControlModifier);
    expectOn(0, {3});
    press(Qt::Key_Backtab, back);
    expectOn(3, {0});
    refuse = true;
    press(Qt::Key_Backtab, back);
    expectOn(3, {3});
    refuse = false;
    press(Qt::Key_Backtab, back);
    expectOn(1, {3});

    // With no other tab shown, the keys are left to the Backup page's own page control.
    frame()->QuorvaneFrame1->sbBackup->click();
    ASSERT_EQ(pages()->ActivePageIndex(), 5);
    QTabWidget* inner = frame()->PageControl1;
    const int innerPage = inner->currentIndex();
    inner->setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(inner->currentIndex(), (innerPage + 1) % inner->count());
    expectOn(5, {});
}
