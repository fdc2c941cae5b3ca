#include "common/widgets/TDrawGrid.h"
#include "common/widgets/TPageControl.h"
#include "desktop/CalendarViewFixture.h"
#include "desktop/EventMemo.h"
#include "desktop/ShapeCanvas.h"
#include "desktop/ViewColours.h"
#include "editors/NewEventForm.h"
#include "platform/Clock.h"
#include "platform/Locale.h"

#include <QImage>
#include <QLabel>
#include <QToolButton>

namespace {

// Whether any pixel of the rectangle has exactly this colour.
bool holdsColour(const QImage& image, const QRect& rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

class WeekViewTest : public CalendarViewTest
{
protected:
    void showWeek(const QDate& date)
    {
        frame->FCurrentDate = date;
        frame->ClearWeekEvents();
        frame->BuildWeekView(date);
    }
    // The left edge of a day's column, 0 = Sunday.
    int dayLeft(int day) const
    {
        int left = frame->WeekTimeStringGrid->width();
        for (int col = 1; col <= day; ++col)
            left += frame->WeekDateStringGrid->colWidth(col);
        return left;
    }
};

TEST_F(WeekViewTest, ShowsTheSundayToSaturdayWeekHoldingTheDate)
{
    struct Case
    {
        QDate date;
        const char* label;
        const char* number;
    };
    const Case cases[] = {
        {QDate(2024, 3, 10), "3/10/2024-3/16/2024", "10 Week"}, // a Sunday starts its own week
        {QDate(2024, 3, 16), "3/10/2024-3/16/2024", "10 Week"}, // a Saturday ends it
        {QDate(2024, 3, 13), "3/10/2024-3/16/2024", "10 Week"},
        {QDate(2023, 12, 31), "12/31/2023-1/6/2024", "52 Week"}, // the ISO week that ends on the Sunday
        {QDate(2022, 1, 1), "12/26/2021-1/1/2022", "51 Week"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        showWeek(c.date);
        EXPECT_EQ(frame->WeekLabel->text(), c.label);
        EXPECT_EQ(frame->WeekSelectPanel->text(), c.number);
        EXPECT_EQ(frame->FFirstCellDate,
                  platform::locale::strToDate(QString(c.label).section('-', 0, 0)).addDays(7));
    }
}

TEST_F(WeekViewTest, EachDaysEventsStandInTheirDaysColumn)
{
    const QDate sunday(2024, 3, 10);
    addEvent(sunday, QTime(9, 0), QTime(10, 0), "Brunch");
    addEvent(sunday.addDays(2), QTime(9, 0), QTime(11, 0), "Long");
    addEvent(sunday.addDays(2), QTime(10, 0), QTime(10, 30), "Inner");
    addEvent(sunday.addDays(6), QTime(18, 0), QTime(18, 20), "Drinks");
    addEvent(sunday.addDays(7), QTime(9, 0), QTime(10, 0), "Next week");
    showWeek(sunday.addDays(3));

    const int width = frame->WeekDateStringGrid->colWidth(1);
    const size_t counts[] = {1, 0, 2, 0, 0, 0, 1};
    for (int day = 0; day < 7; ++day)
        ASSERT_EQ(frame->FWeekMemos[day].size(), counts[day]) << "day " << day;
    const TEventMemo* brunch = frame->FWeekMemos[0][0];
    EXPECT_EQ(brunch->geometry(), QRect(dayLeft(0), 9 * 44, width, 44));
    const TEventMemo* inner = frame->FWeekMemos[2][1];
    EXPECT_EQ(inner->Tag, 2001);
    EXPECT_EQ(frame->FWeekMemos[2][0]->geometry(), QRect(dayLeft(2), 9 * 44, width / 2, 88));
    EXPECT_EQ(inner->geometry(), QRect(dayLeft(2) + width / 2, 10 * 44, width / 2, 22));
    const TEventMemo* drinks = frame->FWeekMemos[6][0];
    EXPECT_EQ(drinks->geometry(), QRect(dayLeft(6), 18 * 44, width, 22));
    EXPECT_EQ(drinks->Text(), "Drinks\r\n(0.3333hours)");
    EXPECT_TRUE(drinks->isVisible() || !frame->WeekSheet->isVisible());
    EXPECT_TRUE(frame->EventTreeView.isEmpty());
}

TEST_F(WeekViewTest, NextAndPriorMoveTheDateByAWeekAcrossTheYearEnd)
{
    showWeek(QDate(2023, 12, 28));
    frame->NextSpeedButton->click();
    EXPECT_EQ(frame->FCurrentDate, QDate(2024, 1, 4));
    EXPECT_EQ(frame->WeekLabel->text(), "12/31/2023-1/6/2024");
    frame->PriorSpeedButton->click();
    frame->PriorSpeedButton->click();
    EXPECT_EQ(frame->FCurrentDate, QDate(2023, 12, 21));
    EXPECT_EQ(frame->WeekLabel->text(), "12/17/2023-12/23/2023");
}

TEST_F(WeekViewTest, HeaderNamesEachDayAndHighlightsTheCurrentOne)
{
    frame->ToolPageControl->setActivePageIndex(1);
    for (const QDate& date : {QDate(2024, 3, 10), QDate(2024, 3, 14)}) {
        SCOPED_TRACE(date.toString().toStdString());
        showWeek(date);
        const QImage header = frame->WeekDateStringGrid->grab().toImage();
        const int current = date.dayOfWeek() % 7 + 1;
        for (int col = 1; col <= 7; ++col) {
            const QRect cell = frame->WeekDateStringGrid->cellRect(col, 0);
            EXPECT_EQ(holdsColour(header, cell, viewcolours::WeekHeaderToday), col == current)
                << "column " << col;
            EXPECT_EQ(holdsColour(header, cell, qRgb(255, 255, 255)), col != current) << "column " << col;
        }
    }
}

TEST_F(WeekViewTest, DoubleClickOnAnEventSelectsItsDayAndShowsTheDayPage)
{
    const QDate sunday(2024, 3, 10);
    const QDate wednesday = sunday.addDays(3);
    const int id = addEvent(wednesday, QTime(15, 0), QTime(16, 0), "Review");
    frame->ToolPageControl->setActivePageIndex(1);
    showWeek(sunday);
    ASSERT_EQ(frame->FWeekMemos[3].size(), 1u);

    QTest::mouseDClick(frame->FWeekMemos[3][0], Qt::LeftButton);
    EXPECT_EQ(frame->FCurrentDate, wednesday);
    EXPECT_EQ(frame->ToolPageControl->ActivePageIndex(), 0);
    ASSERT_EQ(frame->FDayEvents.size(), 1u);
    EXPECT_EQ(frame->FDayEvents[0].journalId, id);
    ASSERT_FALSE(NewEventForm.isNull());
    EXPECT_TRUE(NewEventForm->isVisible());
    EXPECT_EQ(NewEventForm->FEditMode, "Edit");
    EXPECT_EQ(NewEventForm->FEventId, id);
    EXPECT_EQ(NewEventForm->FCurrentDate, wednesday);
    EXPECT_EQ(NewEventForm->windowTitle(), "Edit Event");
    EXPECT_EQ(NewEventForm->EventMemo->toPlainText(), "Review");
    EXPECT_EQ(NewEventForm->StartDateTimePicker->dateTime(),
              platform::clock::wallClock(wednesday, QTime(15, 0)));
    EXPECT_EQ(NewEventForm->starth_cb->currentText(), "15") << "shown, the editor lists the stored times";
    EXPECT_EQ(NewEventForm->endh_cb->currentText(), "16");
}

TEST_F(WeekViewTest, CellsCoverEveryHourWithTheLighterHalfCellsInFront)
{
    const auto& shapes = frame->FWeekShapes->shapes();
    ASSERT_EQ(shapes.size(), 336u);
    for (size_t i = 0; i < shapes.size(); ++i) {
        const bool half = i >= 168;
        const int day = static_cast<int>(i % 168) / 24;
        const int row = static_cast<int>(i % 24);
        SCOPED_TRACE(i);
        const int width = shapes[0].rect.width();
        EXPECT_EQ(shapes[i].rect, QRect(70 + day * width, row * 44, width, half ? 22 : 44));
        EXPECT_EQ(shapes[i].brush, QColor(half ? viewcolours::WeekHalfCell : viewcolours::WeekFullCell));
        EXPECT_EQ(shapes[i].pen, QColor(Qt::white));
    }
    const QImage cells = frame->FWeekShapes->grab().toImage();
    const int x = shapes[6 * 24].rect.x() + 10;
    EXPECT_EQ(cells.pixel(x, 23 * 44 + 10), viewcolours::WeekHalfCell);
    EXPECT_EQ(cells.pixel(x, 23 * 44 + 33), viewcolours::WeekFullCell);
}

TEST_F(WeekViewTest, HeaderCellsAndEventsShareTheColumnEdgesAfterEveryResize)
{
    const QDate sunday(2024, 3, 10);
    for (int day = 0; day < 7; ++day)
        addEvent(sunday.addDays(day), QTime(9, 0), QTime(10, 0), "Daily");
    frame->ToolPageControl->setActivePageIndex(1);
    showWeek(sunday);
    for (int grow : {97, -45}) {
        SCOPED_TRACE(grow);
        const int before = frame->WeekDateStringGrid->width();
        form->resize(form->width() + grow, form->height());
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->WeekDateStringGrid->width() == before + grow; }));
        const auto& shapes = frame->FWeekShapes->shapes();
        for (int day = 0; day < 7; ++day) {
            SCOPED_TRACE(day);
            const QRect header = frame->WeekDateStringGrid->cellRect(day + 1, 0);
            const int left = frame->WeekDateStringGrid->mapTo(frame->WeekSheet, header.topLeft()).x();
            for (const QRect& cell : {shapes[day * 24 + 9].rect, shapes[168 + day * 24 + 9].rect}) {
                EXPECT_EQ(frame->FWeekShapes->mapTo(frame->WeekSheet, cell.topLeft()).x(), left);
                EXPECT_EQ(cell.width(), header.width());
            }
            const TEventMemo* memo = frame->FWeekMemos[day].at(0);
            EXPECT_EQ(memo->mapTo(frame->WeekSheet, QPoint()).x(), left);
            EXPECT_EQ(memo->width(), header.width());
        }
    }
}
