#include "editors/NewEventForm.h"

#include "common/MonthCalendarGrid.h"
#include "desktop/EventMemo.h"
#include "editors/EditorFixture.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

QTime at(int hour, int minute = 0, int second = 0)
{
    return QTime(hour, minute, second);
}

} // namespace

class NewEventFormTest : public EditorTest
{
protected:
    // Opens an editor for a new event as the day view's callers do, modeless so that the test
    // can act in it.
    TNewEventForm* openAppend(const QDate& day, const QTime& start, const QTime& end, const QString& text)
    {
        showDay(day);
        frame->LocateCurrentCell();
        TNewEventForm* editor = Application::CreateForm(NewEventForm, *frame, form->ADOConnection);
        editor->FEditMode = "Append";
        editor->SelectDatePicker->setDate(day);
        editor->StartDateTimePicker->setDateTime(QDateTime(day, start));
        editor->EndDateTimePicker->setDateTime(QDateTime(day, end));
        editor->starth_cb->setCurrentIndex(start.hour());
        editor->startm_cb->setCurrentIndex(start.minute());
        editor->endh_cb->setCurrentIndex(end.hour());
        editor->endm_cb->setCurrentIndex(end.minute());
        editor->EventMemo->setPlainText(text);
        editor->show();
        return editor;
    }

    // Opens the chosen day event through the day view's popup menu, a modeless caller.
    TNewEventForm* openEdit(int memoIndex)
    {
        QTest::mouseClick(frame->FDayMemos.at(memoIndex), Qt::LeftButton);
        frame->miEditEvent->trigger();
        return NewEventForm.data();
    }

    static QString stamp(const QDate& day, const QTime& time)
    {
        return QDateTime(day, time).toString("yyyy-MM-dd HH:mm:ss");
    }
};

TEST_F(NewEventFormTest, HourRuleComparesOnlyTheHoursAndLetsTheLastHourEndAt2359)
{
    struct Case
    {
        QTime start;
        QTime end;
        bool stored;
    };
    const Case cases[] = {{at(10), at(10, 30), false}, {at(11), at(10), false},
                          {at(10, 30), at(11), true},  {at(10, 50), at(11, 10), true},
                          {at(23), at(23, 59), true},  {at(23, 30), at(23, 59), true},
                          {at(23), at(23, 58), false}};
    const QDate day(2024, 3, 8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.toString().toStdString());
        dialogs.messages.clear();
        const size_t before = storedEvents().size();
        TNewEventForm* editor = openAppend(day, c.start, c.end, "Budget");
        editor->OKButton->click();
        const std::vector<StoredEvent> events = storedEvents();
        if (c.stored) {
            EXPECT_TRUE(dialogs.messages.empty());
            ASSERT_EQ(events.size(), before + 1);
            EXPECT_EQ(events.back().start, stamp(day, c.start));
            EXPECT_EQ(events.back().end, stamp(day, c.end));
            EXPECT_EQ(events.back().memo, "Budget");
            EXPECT_FALSE(editor->isVisible());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].text, "Input Rule Error");
            EXPECT_EQ(events.size(), before);
            EXPECT_TRUE(editor->isVisible()) << "the editor stays open with what was entered";
            editor->close();
        }
    }
}

TEST_F(NewEventFormTest, AppendWithoutTextWritesNothingButMovesTheFrameToTheChosenDay)
{
    const QDate later(2024, 3, 20);
    addEvent(later, at(9), at(10), "Already there");
    frame->EditEventButton->setEnabled(true);
    TNewEventForm* editor = openAppend(Today, at(9), at(10), QString());
    editor->SelectDatePicker->setDate(later);
    editor->OKButton->click();

    EXPECT_EQ(storedEvents().size(), 1u);
    EXPECT_EQ(frame->FCurrentDate, later);
    EXPECT_EQ(frame->FSelRow, 4);
    EXPECT_EQ(frame->FSelCol, 3);
    ASSERT_EQ(frame->FDayEvents.size(), 1u);
    EXPECT_EQ(frame->FDayEvents[0].memo, "Already there");
    EXPECT_EQ(frame->FWeekEvents[3].size(), 1u) << "the week of the 20th is built";
    EXPECT_FALSE(frame->EditEventButton->isEnabled());
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(NewEventFormTest, DayChosenOnlyInThePickerTakesTheEventAndTheFrameThere)
{
    const QDate picked(2024, 4, 2);
    TNewEventForm* editor = openAppend(Today, at(14), at(15), "Dentist");
    editor->SelectDatePicker->setDate(picked);
    editor->OKButton->click();

    const std::vector<StoredEvent> events = storedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].start, stamp(picked, at(14)));
    EXPECT_EQ(events[0].end, stamp(picked, at(15)));
    EXPECT_EQ(frame->FCurrentDate, picked);
    EXPECT_EQ(frame->FCellDates[MonthGrid::cellIndex(frame->FSelCol, frame->FSelRow)], picked);
    ASSERT_EQ(frame->FDayEvents.size(), 1u);
}

TEST_F(NewEventFormTest, StoredTimesKeepTheStartPickersSeconds)
{
    TNewEventForm* editor = openAppend(Today, at(10, 30), at(11), "Call");
    editor->StartDateTimePicker->setDateTime(QDateTime(Today, at(9, 0, 30)));
    editor->OKButton->click();
    const std::vector<StoredEvent> events = storedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].start, stamp(Today, at(10, 30, 30)));
    EXPECT_EQ(events[0].end, stamp(Today, at(11)));
}

TEST_F(NewEventFormTest, EditKeepsTheStoredTimesAndEmptiedTextDeletesTheEvent)
{
    const int id = addEvent(Today, at(9, 15), at(10, 45), "Board meeting");
    const int other = addEvent(Today, at(13), at(14), "Lunch");
    showDay(Today);

    TNewEventForm* editor = openEdit(0);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->startm_cb->currentText(), "15");
    editor->EventMemo->setPlainText("Board meeting, room 2");
    editor->OKButton->click();
    std::vector<StoredEvent> events = storedEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].id, id);
    EXPECT_EQ(events[0].memo, "Board meeting, room 2");
    EXPECT_EQ(events[0].start, stamp(Today, at(9, 15)));
    EXPECT_EQ(events[0].end, stamp(Today, at(10, 45)));

    editor = openEdit(0);
    editor->EventMemo->clear();
    editor->OKButton->click();
    events = storedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, other);
    ASSERT_EQ(frame->FDayEvents.size(), 1u);
    EXPECT_EQ(frame->FDayEvents[0].memo, "Lunch");
}

TEST_F(NewEventFormTest, OnlyOKWritesAndNeitherEscNorEnterEndsTheEditor)
{
    const QDate day(2024, 3, 8);
    TNewEventForm* cancelled = openAppend(day, at(10), at(11), "Cancelled");
    cancelled->SelectDatePicker->setDate(day.addDays(3));
    QTest::keyClick(cancelled->EventMemo, Qt::Key_Escape);
    QTest::keyClick(cancelled->SelectDatePicker, Qt::Key_Return);
    QTest::keyClick(cancelled->starth_cb, Qt::Key_Enter);
    EXPECT_TRUE(cancelled->isVisible()) << "neither Esc nor Enter ends the editor";
    cancelled->CancelButton->click();
    EXPECT_FALSE(cancelled->isVisible());

    TNewEventForm* closed = openAppend(day, at(10), at(11), "Closed");
    closed->SelectDatePicker->setDate(day.addDays(3));
    closed->close();
    EXPECT_FALSE(closed->isVisible());

    EXPECT_TRUE(storedEvents().empty());
    EXPECT_EQ(frame->FCurrentDate, day) << "the frame is not touched";
}

// With two editors open, OK or Cancel in the older one used to hide the newer one as well.
TEST_F(NewEventFormTest, EachEditorClosesOnlyItself)
{
    TNewEventForm* older = openAppend(Today, at(9), at(10), "Older");
    TNewEventForm* newer = openAppend(Today, at(11), at(12), "Newer");
    ASSERT_EQ(NewEventForm.data(), newer);
    older->OKButton->click();
    EXPECT_FALSE(older->isVisible());
    EXPECT_TRUE(newer->isVisible());
    older->CancelButton->click();
    EXPECT_TRUE(newer->isVisible());

    newer->OKButton->click();
    const std::vector<StoredEvent> events = storedEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].memo, "Newer");
}

TEST_F(NewEventFormTest, SearchOpensTheEncodedTermOnTheChosenService)
{
    TNewEventForm* editor = openAppend(Today, at(9), at(10), "Fish & chips #1\n+50% off");
    const QString encoded = "Fish%20%26%20chips%20%231%0A%2B50%25%20off";
    const char* pages[] = {"https://en.wikipedia.org/w/index.php?title=", "https://www.bing.com/search?q=",
                           "https://search.yahoo.com/search?p="};
    for (int index = 0; index < 3; ++index) {
        editor->SearchComboBoxEx1->setCurrentIndex(index);
        editor->SpeedButton1->click();
        ASSERT_EQ(dialogs.shellRequests.size(), static_cast<size_t>(index + 1));
        const platform::dialogs::ShellRequest& request = dialogs.shellRequests.back();
        EXPECT_EQ(request.verb, "open");
        EXPECT_EQ(request.file, "IEXPLORE.EXE");
        EXPECT_EQ(request.params, pages[index] + encoded);
    }

    // A word chosen with the mouse is searched instead of the whole text, until a plain click.
    editor->EventMemo->setPlainText("Dentist appointment");
    QTextCursor cursor = editor->EventMemo->textCursor();
    cursor.setPosition(2);
    const QPoint inFirstWord = editor->EventMemo->cursorRect(cursor).center();
    QWidget* text = editor->EventMemo->viewport();
    // A double-click selects the word; the test's double-click ends before the button's release.
    QTest::mouseDClick(text, Qt::LeftButton, {}, inFirstWord);
    QTest::mouseRelease(text, Qt::LeftButton, {}, inFirstWord);
    EXPECT_EQ(editor->SearchLabel->text(), "Dentist");
    editor->SearchComboBoxEx1->setCurrentIndex(1);
    editor->SpeedButton1->click();
    EXPECT_EQ(dialogs.shellRequests.back().params, "https://www.bing.com/search?q=Dentist");
    cursor.setPosition(15);
    QTest::mouseClick(text, Qt::LeftButton, {}, editor->EventMemo->cursorRect(cursor).center());
    EXPECT_TRUE(editor->SearchLabel->text().isEmpty());
}

TEST_F(NewEventFormTest, MiniCalendarMovesTheDayPicker)
{
    TNewEventForm* editor = openAppend(Today, at(9), at(10), "Plan");
    TMonthCalendarGrid* grid = editor->CalStringGrid;
    auto click = [&](int col, int row) {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(col, row).center());
    };

    // March 2024 starts on Friday: the grid opens on Sunday 25 February.
    click(3, 4);
    EXPECT_EQ(editor->FCurrentDate, QDate(2024, 3, 20));
    EXPECT_EQ(editor->SelectDatePicker->date(), QDate(2024, 3, 20));
    EXPECT_EQ(grid->Row(), 4);

    click(1, 6); // 1 April, a grey day
    EXPECT_EQ(editor->SelectDatePicker->date(), QDate(2024, 4, 1));
    EXPECT_EQ(editor->FFirstCellDate, QDate(2024, 3, 31));
    EXPECT_EQ(editor->FSelRow, 1);
    EXPECT_EQ(editor->FSelCol, 1);

    click(4, 0); // the initials row selects nothing
    EXPECT_EQ(editor->FCurrentDate, QDate(2024, 4, 1));

    // The arrows act when the button is released.
    QTest::mousePress(editor->RightSpeedButton, Qt::LeftButton);
    EXPECT_EQ(editor->FCurrentDate, QDate(2024, 4, 1));
    QTest::mouseRelease(editor->RightSpeedButton, Qt::LeftButton);
    EXPECT_EQ(editor->FCurrentDate, QDate(2024, 5, 1));
    EXPECT_EQ(editor->SelectDatePicker->date(), QDate(2024, 5, 1));
    EXPECT_EQ(editor->CalMonthSpeedButton->text(), "May");
    EXPECT_EQ(frame->FCurrentDate, Today) << "the frame waits for OK";

    // A right click opens the month popup, with the items of its last opening.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 editor->CalMonthSpeedButton->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(editor->CalMonthSpeedButton, &rightClick);
    EXPECT_TRUE(editor->CalMonthPopup->isVisible());
    editor->CalMonthPopup->hide();
}

TEST_F(NewEventFormTest, StartPickerSetByCodeLeavesTheEndAlone)
{
    TNewEventForm* editor = openAppend(Today, at(9), at(10), "Plan");
    editor->EndDateTimePicker->setDateTime(QDateTime(Today, at(17)));
    editor->StartDateTimePicker->setDateTime(QDateTime(Today, at(8)));
    EXPECT_EQ(editor->EndDateTimePicker->dateTime(), QDateTime(Today, at(17)));
}

TEST_F(NewEventFormTest, TextStopsAtTheJournalsLimit)
{
    TNewEventForm* editor = openAppend(Today, at(9), at(10), QString(250, 'a'));
    editor->EventMemo->moveCursor(QTextCursor::Start);
    editor->EventMemo->insertPlainText("0123456789");
    EXPECT_EQ(editor->EventMemo->toPlainText(), "01234" + QString(250, 'a'));
    editor->OKButton->click();
    ASSERT_EQ(storedEvents().size(), 1u);
    EXPECT_EQ(storedEvents()[0].memo.size(), 255);
}

TEST_F(NewEventFormTest, TheLimitCountsCharactersAndNeverSplitsOne)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two UTF-16 units
    const QString accented = QString::fromUtf8("e\xCC\x81");     // two characters read as one
    struct Case
    {
        const char* name;
        QString start;
        QString typed; // at the end
        QString kept;
    };
    const Case cases[] = {
        {"emoji fill the limit", QString(250, 'a'), emoji.repeated(5), QString(250, 'a') + emoji.repeated(5)},
        {"an emoji past the limit goes whole", QString(254, 'a'), emoji.repeated(2),
         QString(254, 'a') + emoji},
        {"a letter and its accent go together", QString(254, 'a'), accented, QString(254, 'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TNewEventForm* editor = openAppend(Today, at(9), at(10), c.start);
        editor->EventMemo->moveCursor(QTextCursor::End);
        editor->EventMemo->insertPlainText(c.typed);
        EXPECT_EQ(editor->EventMemo->toPlainText(), c.kept);
        editor->close();
    }

    // A full event with emoji, opened and confirmed unchanged, is stored as it was.
    const QString full = QString(250, 'b') + emoji.repeated(5);
    addEvent(Today, at(11), at(12), full);
    showDay(Today);
    TNewEventForm* editor = openEdit(0);
    editor->OKButton->click();
    ASSERT_EQ(storedEvents().size(), 1u);
    EXPECT_EQ(storedEvents()[0].memo, full);
}

TEST_F(NewEventFormTest, AnEditOfAnEventDeletedMeanwhileSavesNothingAndKeepsTheText)
{
    addEvent(Today, at(9), at(10), "Board meeting");
    showDay(Today);
    TNewEventForm* editor = openEdit(0);
    ASSERT_NE(editor, nullptr);
    editor->EventMemo->setPlainText("Board meeting, room 2");
    // Deleted from the day view while the modeless editor is open.
    frame->miDeleteEventClick();
    ASSERT_TRUE(storedEvents().empty());

    editor->OKButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("This entry no longer exists"));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->EventMemo->toPlainText(), "Board meeting, room 2");
    EXPECT_TRUE(storedEvents().empty());
    EXPECT_TRUE(frame->FDayEvents.empty());
}
