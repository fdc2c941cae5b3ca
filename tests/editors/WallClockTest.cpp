#include "desktop/EventMemo.h"
#include "desktop/SlotPanel.h"
#include "editors/EditorFixture.h"
#include "editors/NewEventForm.h"
#include "support/TimeZone.h"

#include <QPushButton>

namespace {

// A day on which the PC's zone skips or repeats an hour, and a wall-clock hour that is missing
// or doubled there.
struct ZoneDay
{
    const char* zone;
    QDate day;
    int hour;
};

const ZoneDay ZoneDays[] = {
    {"Europe/Berlin", QDate(2027, 3, 28), 2},   // 02:00 to 03:00 does not exist
    {"Europe/Berlin", QDate(2027, 10, 31), 2},  // 02:00 to 03:00 comes twice
    {"America/Santiago", QDate(2026, 9, 6), 0}, // local midnight does not exist
};

} // namespace

class WallClockTest : public EditorTest
{
protected:
    // Double-clicks the upper half of an hour's row and confirms the editor with a text.
    void bookHourBySlot(int hour, const QString& text)
    {
        QWidget* slot = frame->FHourPanels[24 + hour];
        QTimer typer;
        QObject::connect(&typer, &QTimer::timeout, [&] {
            if (auto* editor = qobject_cast<TNewEventForm*>(QApplication::activeModalWidget())) {
                typer.stop();
                editor->EventMemo->setPlainText(text);
                editor->OKButton->click();
            }
        });
        typer.start(5);
        QTest::mouseDClick(slot, Qt::LeftButton, {}, QPoint(10, 10));
    }
};

TEST_F(WallClockTest, TimesAreReadWrittenAndDrawnAsWallClockWhateverThePcsZone)
{
    for (const ZoneDay& c : ZoneDays) {
        SCOPED_TRACE(c.zone + std::string(" ") + c.day.toString(Qt::ISODate).toStdString());
        const TimeZoneScope zone(c.zone);
        const QString day = c.day.toString("yyyy-MM-dd");
        addEvent(day + " 00:00:00", day + " 03:00:00", "Night");
        addEvent(day + QString(" %1:30:00").arg(c.hour, 2, 10, QChar('0')),
                 day + QString(" %1:00:00").arg(c.hour + 1, 2, 10, QChar('0')), "Half");

        showDay(c.day);
        ASSERT_EQ(frame->FDayMemos.size(), 2u);
        const TEventMemo* night = frame->FDayMemos[0];
        EXPECT_EQ(night->Text(), "Night\r\n(3hours)");
        EXPECT_EQ(night->geometry().top(), 0);
        EXPECT_EQ(night->height(), 3 * 44);
        EXPECT_EQ(frame->FDayMemos[1]->geometry().top(), c.hour * 44 + 22);
        EXPECT_EQ(frame->FDayMemos[1]->height(), 22);

        frame->ClearWeekEvents();
        frame->BuildWeekView(c.day);
        EXPECT_EQ(frame->FWeekMemos[c.day.dayOfWeek() % 7].size(), 2u);

        bookHourBySlot(c.hour, "Booked");
        const std::vector<StoredEvent> stored = storedEvents();
        ASSERT_EQ(stored.size(), 3u);
        EXPECT_EQ(stored.back().start, day + QString(" %1:00:00").arg(c.hour, 2, 10, QChar('0')));
        EXPECT_EQ(stored.back().end, day + QString(" %1:00:00").arg(c.hour + 1, 2, 10, QChar('0')));

        TADOQuery clear;
        clear.Connection = &form->ADOConnection;
        clear.SQL.Add("delete from journal");
        clear.ExecSQL();
    }
}
