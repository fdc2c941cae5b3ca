#include "common/SharedTexts.h"
#include "common/widgets/TDrawGrid.h"
#include "common/widgets/TPageControl.h"
#include "desktop/CalendarViewFixture.h"
#include "desktop/ContactRows.h"
#include "desktop/EventMemo.h"
#include "desktop/ShapeCanvas.h"
#include "desktop/SlotPanel.h"
#include "desktop/ViewColours.h"
#include "editors/NewEventForm.h"
#include "platform/Clock.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeView>
#include <QWheelEvent>
#include <functional>

namespace {

struct Event
{
    const char* memo;
    QTime start;
    QTime end;
};

// Where an event stands in its overlap group, in load order.
struct Place
{
    const char* memo;
    int depth;
    int columns;
    int span;
};

struct OverlapCase
{
    const char* name;
    std::vector<Event> events; // in the order they are stored
    std::vector<Place> places; // in the order the view loads them
};

QTime at(int hour, int minute = 0)
{
    return QTime(hour, minute);
}

} // namespace

using DayViewTest = CalendarViewTest;

TEST_F(DayViewTest, OverlappingEventsStandSideBySideInTheirGroupsColumns)
{
    const std::vector<OverlapCase> cases = {
        {"child in the right half",
         {{"long", at(9), at(11)}, {"inner", at(10), at(10, 30)}},
         {{"long", 0, 2, 1}, {"inner", 1, 2, 1}}},
        {"three deep",
         {{"a", at(9), at(12)}, {"b", at(9, 30), at(11)}, {"c", at(10), at(10, 30)}},
         {{"a", 0, 3, 1}, {"b", 1, 3, 1}, {"c", 2, 3, 1}}},
        {"two children of one event",
         {{"a", at(9), at(12)}, {"b", at(9, 30), at(10)}, {"c", at(10, 30), at(11)}},
         {{"a", 0, 2, 1}, {"b", 1, 2, 1}, {"c", 1, 2, 1}}},
        {"a leaf short of the last column stretches to the right edge",
         {{"a", at(9), at(12)},
          {"b", at(9, 30), at(11)},
          {"c", at(10), at(10, 30)},
          {"d", at(11, 30), at(12)}},
         {{"a", 0, 3, 1}, {"b", 1, 3, 1}, {"c", 2, 3, 1}, {"d", 1, 3, 2}}},
        {"same start: the longer event comes first",
         {{"short", at(10), at(10, 30)}, {"long", at(10), at(11)}},
         {{"long", 0, 2, 1}, {"short", 1, 2, 1}}},
        {"separate groups",
         {{"alone", at(8), at(9)}, {"next", at(9), at(10)}},
         {{"alone", 0, 1, 1}, {"next", 0, 1, 1}}},
    };
    QDate day(2024, 4, 1);
    for (const OverlapCase& c : cases) {
        SCOPED_TRACE(c.name);
        day = day.addDays(1);
        for (const Event& e : c.events)
            addEvent(day, e.start, e.end, e.memo);
        showDay(day);

        ASSERT_EQ(frame->FDayMemos.size(), c.places.size());
        const int left = frame->DateStringGrid->width();
        const int width = frame->EventScrollBox->width();
        for (size_t k = 0; k < c.places.size(); ++k) {
            const Place& place = c.places[k];
            const TEventRec& record = frame->FDayEvents[k];
            SCOPED_TRACE(place.memo);
            EXPECT_EQ(record.memo, place.memo);
            EXPECT_EQ(record.root, place.depth == 0);
            EXPECT_EQ(record.columnCount, place.columns);
            EXPECT_EQ(record.span, place.span);
            const TEventMemo* memo = frame->FDayMemos[k];
            EXPECT_EQ(memo->Tag, static_cast<int>(k));
            const int column = place.columns < 2 ? width : width / place.columns;
            EXPECT_EQ(memo->x(), left + place.depth * (place.columns < 2 ? 0 : column));
            EXPECT_EQ(memo->width(), place.columns < 2 ? width : place.span * column);
            EXPECT_TRUE(memo->isVisible());
        }
    }
}

TEST_F(DayViewTest, MemosAreSizedByLengthAndCarryTheHours)
{
    struct Case
    {
        QTime start;
        QTime end;
        int top;
        int height;
        const char* hours;
    };
    const Case cases[] = {
        {at(9), at(9, 20), 396, 22, "0.3333"}, {at(9, 20), at(9, 50), 411, 22, "0.5"},
        {at(9), at(10, 30), 396, 66, "1.5"},   {at(13), at(15), 572, 88, "2"},
        {at(0), at(0, 10), 0, 22, "0.1667"},
    };
    QDate day(2024, 5, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hours);
        day = day.addDays(1);
        addEvent(day, c.start, c.end, "Dentist");
        showDay(day);
        ASSERT_EQ(frame->FDayMemos.size(), 1u);
        const TEventMemo* memo = frame->FDayMemos[0];
        EXPECT_EQ(memo->y(), c.top);
        EXPECT_EQ(memo->height(), c.height);
        EXPECT_EQ(memo->Text(), QString("Dentist\r\n(%1hours)").arg(c.hours));
        EXPECT_EQ(memo->toolTip(),
                  QString("%1-%2\r\nDentist(%3hours)")
                      .arg(c.start.toString("h:mm:ss AP"), c.end.toString("h:mm:ss AP"), c.hours));
        EXPECT_EQ(memo->Color(), QColor(viewcolours::EventMemo));
        EXPECT_EQ(memo->FontColor(), QColor(69, 69, 69));
        // A screen reader hears what the memo shows and its hint.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(const_cast<TEventMemo*>(memo));
        ASSERT_TRUE(reader);
        EXPECT_EQ(reader->text(QAccessible::Name), QString("Dentist\n(%1hours)").arg(c.hours));
        EXPECT_EQ(reader->text(QAccessible::Description), memo->toolTip());
    }
}

TEST_F(DayViewTest, MemosStandAtTheirTimeWhateverTheScrollPosition)
{
    addEvent(Today, at(20), at(21), "Late");
    frame->EventScrollBox->verticalScrollBar()->setValue(300);
    showDay(Today);
    ASSERT_EQ(frame->FDayMemos.size(), 1u);
    EXPECT_EQ(frame->FDayMemos[0]->y(), 20 * 44);
}

TEST_F(DayViewTest, EveryEventOfABusyDayIsShown)
{
    TADOQuery batch;
    batch.Connection = &form->ADOConnection;
    batch.SQL.Add("begin");
    batch.ExecSQL();
    for (int i = 0; i < 120; ++i)
        addEvent(Today, at(8).addSecs(i * 60), at(8).addSecs(i * 60 + 1800), QString("Call %1").arg(i));
    batch.SQL.Clear();
    batch.SQL.Add("commit");
    batch.ExecSQL();

    showDay(Today);
    ASSERT_EQ(frame->FDayMemos.size(), 120u);
    EXPECT_EQ(frame->FDayMemos.back()->Tag, 119);
    EXPECT_EQ(frame->FDayMemos.back()->Text().section("\r\n", 0, 0), "Call 119");
}

TEST_F(DayViewTest, SecondInitKeepsSlotPanelsAndWeekCells)
{
    ASSERT_EQ(frame->FHourPanels.size(), 48u);
    const std::vector<QFrame*> panels = frame->FHourPanels;
    frame->FCurrentDate = QDate(2020, 1, 1);
    frame->InitCalendar();
    EXPECT_EQ(frame->FHourPanels, panels);
    EXPECT_EQ(frame->FWeekShapes->shapes().size(), 336u);
    EXPECT_EQ(frame->FCurrentDate, Today);
    EXPECT_TRUE(frame->DateSpeedButton->isChecked());

    const int left = frame->DateStringGrid->width();
    for (int hour = 0; hour < 24; ++hour) {
        const auto* whole = static_cast<TSlotPanel*>(panels[hour]);
        const auto* half = static_cast<TSlotPanel*>(panels[24 + hour]);
        // Made once, at the scroll box's width of that moment.
        EXPECT_EQ(whole->geometry(), QRect(left, hour * 44, panels[0]->width(), 44));
        EXPECT_EQ(half->geometry(), QRect(left, hour * 44, whole->width(), 22));
        EXPECT_EQ(frame->DateStringGrid->cellRect(0, hour).y(), whole->y())
            << "the hour's label stands level with it";
        EXPECT_EQ(whole->Color(), QColor(Qt::white));
        EXPECT_EQ(half->Color(), QColor(230, 230, 230));
    }
    // The half-hour panel lies over the upper half of its hour.
    QWidget* content = frame->EventScrollContent;
    EXPECT_EQ(content->childAt(left + 10, 9 * 44 + 5), panels[24 + 9]);
    EXPECT_EQ(content->childAt(left + 10, 9 * 44 + 30), panels[9]);

    frame->DateStringGrid->grab();
    EXPECT_EQ(frame->DateLabel->text(), "3/6/2024");
    // A later paint of the hour column, its cells unchanged, shows the day chosen since.
    frame->FCurrentDate = QDate(2024, 3, 9);
    frame->DateStringGrid->grab();
    EXPECT_EQ(frame->DateLabel->text().toStdString(), "3/9/2024");
}

TEST_F(DayViewTest, ARepeatedInitKeepsTodaysMemosOnlyWhileNothingChanged)
{
    addEvent(Today, QTime(9, 0), QTime(10, 0), "Standup");
    frame->InitCalendar();
    ASSERT_EQ(frame->FDayMemos.size(), 1u);
    const TEventMemo* standup = frame->FDayMemos[0];
    frame->InitCalendar();
    ASSERT_EQ(frame->FDayMemos.size(), 1u);
    EXPECT_EQ(frame->FDayMemos[0], standup);

    // Another program adding an event for today.
    TADOConnection other;
    other.ConnectionString = "dbq=" + databasePath();
    other.Open();
    TADOQuery insert;
    insert.Connection = &other;
    insert.SQL.Add("insert into journal (jstarttime, jendtime, memo) values "
                   "('2024-03-06 11:00:00', '2024-03-06 12:00:00', 'Lunch')");
    insert.ExecSQL();
    frame->InitCalendar();
    EXPECT_EQ(frame->FDayMemos.size(), 2u);

    // Another day shown: back to today, whatever the database.
    showDay(Today.addDays(1));
    EXPECT_TRUE(frame->FDayMemos.empty());
    frame->InitCalendar();
    EXPECT_EQ(frame->FDayMemos.size(), 2u);
}

TEST_F(DayViewTest, DoubleClickOnAHalfHourOpensTheEditorForIt)
{
    struct Case
    {
        int hour;
        bool lowerHalf;
        QTime start;
        QTime end;
    };
    // The last hour's slots would end at 24:00; they end at 23:59 instead.
    const Case cases[] = {{9, false, at(9), at(10)},
                          {9, true, at(9, 30), at(10, 30)},
                          {23, false, at(23), at(23, 59)},
                          {23, true, at(23, 30), at(23, 59)}};
    showDay(QDate(2024, 3, 8));
    const int left = frame->DateStringGrid->width();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.toString().toStdString());
        QWidget* slot = frame->EventScrollContent->childAt(left + 20, c.hour * 44 + (c.lowerHalf ? 30 : 5));
        ASSERT_TRUE(qobject_cast<TSlotPanel*>(slot));
        ModalCloser closer;
        QTest::mouseDClick(slot, Qt::LeftButton, {}, QPoint(10, 10));
        ASSERT_TRUE(closer.closedAny());
        ASSERT_EQ(closer.closed(), NewEventForm.data());
        const TNewEventForm& editor = *NewEventForm;
        EXPECT_EQ(editor.FEditMode, "Append");
        EXPECT_EQ(editor.windowTitle(), "New Event");
        EXPECT_EQ(editor.FCurrentDate, QDate(2024, 3, 8));
        EXPECT_EQ(editor.SelectDatePicker->date(), QDate(2024, 3, 8));
        EXPECT_EQ(editor.FSelRow, frame->FSelRow);
        EXPECT_EQ(editor.FSelCol, frame->FSelCol);
        EXPECT_EQ(editor.StartDateTimePicker->dateTime(),
                  platform::clock::wallClock(QDate(2024, 3, 8), c.start));
        EXPECT_EQ(editor.EndDateTimePicker->dateTime(), platform::clock::wallClock(QDate(2024, 3, 8), c.end));
        EXPECT_EQ(editor.starth_cb->currentText(), c.start.toString("HH"));
        EXPECT_EQ(editor.startm_cb->currentText(), c.start.toString("mm"));
        EXPECT_EQ(editor.endh_cb->currentText(), c.end.toString("HH"));
        EXPECT_EQ(editor.endm_cb->currentText(), c.end.toString("mm"));
        EXPECT_TRUE(editor.EventMemo->toPlainText().isEmpty());
    }
}

TEST_F(DayViewTest, NewEventButtonKeepsTheEditorsTimesOnTheCurrentDay)
{
    showDay(QDate(2024, 3, 8));
    ModalCloser closer;
    frame->NewEventButton->click();
    ASSERT_TRUE(closer.closedAny());
    EXPECT_EQ(NewEventForm->FEditMode, "Append");
    EXPECT_EQ(NewEventForm->StartDateTimePicker->date(), QDate(2024, 3, 8));
    EXPECT_EQ(NewEventForm->StartDateTimePicker->time(), QTime(0, 0));
    EXPECT_EQ(NewEventForm->starth_cb->currentIndex(), 0);
}

TEST_F(DayViewTest, ContactDroppedOnASlotBecomesTheNewEventsText)
{
    showDay(Today);
    QTreeView* contacts = frame->ContactListView;
    TContactBlock rows;
    rows.add("Smith", "7");
    rows.add("Jones", "8");
    frame->FContactRows->setRows(std::move(rows));
    QWidget* slot = frame->FHourPanels[24 + 14];
    QPushButton notAList;

    bool accept = true;
    frame->EventDragOver(slot, &notAList, &accept);
    EXPECT_FALSE(accept);
    frame->EventDragOver(slot, contacts, &accept);
    EXPECT_TRUE(accept);

    // Nothing chosen in the list: no name, no editor.
    contacts->clearSelection();
    frame->EventDragDrop(slot, contacts);
    EXPECT_TRUE(NewEventForm.isNull());

    contacts->selectionModel()->select(contacts->model()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ModalCloser closer;
    frame->EventDragDrop(slot, contacts);
    ASSERT_TRUE(closer.closedAny());
    EXPECT_EQ(NewEventForm->EventMemo->toPlainText(), "Smith");
    EXPECT_EQ(NewEventForm->StartDateTimePicker->dateTime(), platform::clock::wallClock(Today, at(14)));
    EXPECT_EQ(NewEventForm->endh_cb->currentIndex(), 15);
}

TEST_F(DayViewTest, DeleteKeyRemovesTheChosenEventAndItsMemo)
{
    const int keep = addEvent(Today, at(9), at(10), "Keep");
    const int gone = addEvent(Today, at(13), at(14), "Gone");
    showDay(Today);
    QPointer<TEventMemo> memo = frame->FDayMemos[1];
    const QPoint keptAt = frame->FDayMemos[0]->mapTo(frame->EventScrollBox, QPoint());

    QTest::keyClick(memo, Qt::Key_Delete);
    EXPECT_TRUE(eventStored(gone)) << "only a chosen event is deleted";

    QTest::mouseClick(memo, Qt::LeftButton);
    QTest::keyClick(memo, Qt::Key_Delete);
    EXPECT_FALSE(eventStored(gone));
    EXPECT_TRUE(eventStored(keep));
    ASSERT_EQ(frame->FDayMemos.size(), 1u);
    EXPECT_EQ(frame->FDayEvents[0].memo, "Keep");
    EXPECT_EQ(frame->FDayMemos[0]->mapTo(frame->EventScrollBox, QPoint()), keptAt) << "the view stays put";
    EXPECT_EQ(frame->EventScrollBox->horizontalScrollBar()->value(), 0);
    deletePendingWidgets();
    EXPECT_TRUE(memo.isNull());
}

// Both views' content is as wide as the whole scroll box, its right edge under the vertical
// bar; moved sideways, the hour labels and the week's header would no longer meet their cells.
TEST_F(DayViewTest, NeitherCalendarViewScrollsSideways)
{
    addEvent(Today, at(9), at(10), "Standup");
    struct View
    {
        const char* name;
        int page;
        QScrollArea* box;
        std::function<TEventMemo*()> memo;
    };
    const View views[] = {
        {"day", 0, frame->EventScrollBox, [this] { return frame->FDayMemos.at(0); }},
        {"week", 1, frame->WeekScrollBox, [this] { return frame->FWeekMemos[Today.dayOfWeek()].at(0); }},
    };
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        frame->ToolPageControl->setActivePageIndex(view.page);
        showDay(Today);
        frame->ClearWeekEvents();
        frame->BuildWeekView(Today);
        TEventMemo* memo = view.memo();
        QScrollBar* sideways = view.box->horizontalScrollBar();
        const auto stayedPut = [&](const char* after) {
            EXPECT_EQ(sideways->value(), 0) << after;
            EXPECT_EQ(view.box->widget()->x(), 0) << after;
        };

        QTest::mouseClick(memo, Qt::LeftButton);
        if (QWidget* focused = QApplication::focusWidget())
            QTest::keyClick(focused, Qt::Key_Right);
        QTest::keyClick(view.box, Qt::Key_Right);
        stayedPut("Right");

        QWheelEvent wheel(QPointF(100, 100), view.box->viewport()->mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(-240, 0), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.box->viewport(), &wheel);
        stayedPut("sideways wheel");

        view.box->ensureWidgetVisible(memo, 0, 0);
        stayedPut("a memo shown whole");
    }
}

TEST_F(DayViewTest, PopupActsOnTheMemoItWasOpenedOn)
{
    const int keep = addEvent(Today, at(9), at(10), "Keep");
    const int gone = addEvent(Today, at(13), at(14), "Gone");
    showDay(Today);
    frame->EditEventButton->setEnabled(false);
    QTest::mouseClick(frame->FDayMemos[0], Qt::LeftButton);
    EXPECT_EQ(frame->FDayMemos[0]->Color(), QColor(viewcolours::EventMemoHighlight));
    EXPECT_TRUE(frame->EditEventButton->isEnabled());
    TEventMemo* target = frame->FDayMemos[1];

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(target, &rightClick);
    EXPECT_TRUE(frame->mifunction->isVisible());
    EXPECT_EQ(target->Color(), QColor(viewcolours::EventMemoHighlight));
    EXPECT_EQ(frame->FDayMemos[0]->Color(), QColor(viewcolours::EventMemo));
    frame->miDeleteEvent->trigger();
    frame->mifunction->hide();

    EXPECT_FALSE(eventStored(gone));
    EXPECT_TRUE(eventStored(keep));
    // The rebuild's memos are all plain, and the Edit button stays as it was.
    EXPECT_EQ(frame->FDayMemos[0]->Color(), QColor(viewcolours::EventMemo));
    EXPECT_TRUE(frame->EditEventButton->isEnabled());
    // With nothing chosen after the rebuild, a second Delete does nothing.
    frame->miDeleteEvent->trigger();
    EXPECT_TRUE(eventStored(keep));
}

TEST_F(DayViewTest, EditCallersFillTheEditorFromTheChosenEvent)
{
    const int id = addEvent(Today, at(9, 15), at(10, 45), "Board meeting");
    showDay(Today);
    TEventMemo* memo = frame->FDayMemos[0];

    auto expectEvent = [&](const char* title) {
        ASSERT_FALSE(NewEventForm.isNull());
        EXPECT_EQ(NewEventForm->FEditMode, "Edit");
        EXPECT_EQ(NewEventForm->FEventId, id);
        EXPECT_EQ(NewEventForm->windowTitle(), title);
        EXPECT_EQ(NewEventForm->StartDateTimePicker->dateTime(),
                  platform::clock::wallClock(Today, at(9, 15)));
        EXPECT_EQ(NewEventForm->EndDateTimePicker->dateTime(), platform::clock::wallClock(Today, at(10, 45)));
        EXPECT_EQ(NewEventForm->EventMemo->toPlainText(), "Board meeting");
        EXPECT_EQ(NewEventForm->SelectDatePicker->date(), Today);
    };

    // Nothing chosen yet: neither the button nor the popup opens anything.
    frame->EditEventButtonClick();
    frame->miEditEventClick();
    EXPECT_TRUE(NewEventForm.isNull());

    QTest::mouseClick(memo, Qt::LeftButton);
    {
        ModalCloser closer;
        frame->EditEventButton->click();
        ASSERT_TRUE(closer.closedAny());
    }
    expectEvent("Edit Event");
    EXPECT_EQ(NewEventForm->FCurrentDate, Today);
    EXPECT_EQ(NewEventForm->starth_cb->currentText(), "09") << "shown, the editor lists the stored times";
    EXPECT_EQ(NewEventForm->startm_cb->currentText(), "15");

    frame->miEditEvent->trigger();
    expectEvent("Edit Event");
    EXPECT_TRUE(NewEventForm->isVisible()) << "the popup's editor is modeless";
    EXPECT_EQ(NewEventForm->endh_cb->currentText(), "10");
    EXPECT_EQ(NewEventForm->endm_cb->currentText(), "45");

    QTest::mouseDClick(memo, Qt::LeftButton);
    expectEvent("Edit Event");
    EXPECT_TRUE(NewEventForm->isVisible());
    EXPECT_EQ(NewEventForm->FCurrentDate, Today);
    EXPECT_EQ(NewEventForm->starth_cb->currentText(), "09");
    EXPECT_EQ(NewEventForm->startm_cb->currentText(), "15");
    EXPECT_EQ(NewEventForm->endh_cb->currentText(), "10");
    EXPECT_EQ(NewEventForm->endm_cb->currentText(), "45");
}

TEST_F(DayViewTest, AnEndTimeThatCannotBeReadHidesNothingAndIsToldOnce)
{
    const QDate day(2026, 12, 6);
    addEvent(day, at(8), at(9), "Before");
    const int bad = addEvent(day, at(10), at(11), "Damaged");
    addEvent(day, at(12), at(13), "After");
    // Written past the table's check, as another program might.
    TADOQuery damage;
    damage.Connection = &form->ADOConnection;
    damage.SQL.Add("pragma ignore_check_constraints = on");
    damage.ExecSQL();
    damage.SQL.Clear();
    damage.SQL.Add("update journal set jendtime = '2026-12J06 04:00:00' where id = :id");
    damage.ParamByName("id").Value = bad;
    damage.ExecSQL();
    damage.SQL.Clear();
    damage.SQL.Add("pragma ignore_check_constraints = off");
    damage.ExecSQL();

    showDay(day);
    ASSERT_EQ(frame->FDayEvents.size(), 3u);
    const TEventRec& damaged = frame->FDayEvents[1];
    EXPECT_EQ(damaged.memo, "Damaged");
    EXPECT_EQ(damaged.start, platform::clock::wallClock(day, at(10)));
    EXPECT_EQ(damaged.endAsStored, "2026-12J06 04:00:00");
    EXPECT_TRUE(frame->FDayMemos[1]->Text().contains("2026-12J06 04:00:00"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("\"2026-12J06 04:00:00\" is stored"));

    // Shown again, and in the week, without saying it twice; and it can be deleted.
    showDay(day);
    frame->ClearWeekEvents();
    frame->BuildWeekView(day);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    QTest::mouseClick(frame->FDayMemos.at(1), Qt::LeftButton);
    frame->miDeleteEventClick();
    EXPECT_FALSE(eventStored(bad));
    EXPECT_EQ(frame->FDayEvents.size(), 2u);
}
