#include "common/MonthCalendar.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "common/MonthCalendarGrid.h"
#include "common/MonthGrid.h"
#include "common/NameTables.h"
#include "common/widgets/DropDownCaptionButton.h"
#include "desktop/DesktopFrame.h"
#include "desktop/EventMemo.h"
#include "editors/GoToForm.h"
#include "platform/Clock.h"
#include "support/TessaryTest.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QDate Today(2003, 3, 12);
const QColor SelectedBrush(75, 144, 128);

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

int countPixels(const QImage& image, const QRect& rect, bool (*match)(QRgb))
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += match(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class MonthCalendarTest : public TessaryTest
{
protected:
    void SetUp() override
    {
        createDatabase();
        startOn(Today);
    }

    // A main window started afresh with the clock on `today`.
    void startOn(const QDate& today)
    {
        m_form.reset();
        platform::clock::setFixedNow(QDateTime(today, QTime(10, 0)));
        m_form = std::make_unique<TMainDesktopForm>();
        frame = m_form->DesktopFrame;
        grid = frame->CalStringGrid;
    }

    void showDate(const QDate& date)
    {
        frame->FCurrentDate = date;
        frame->LocateCurrentCell();
        frame->RepaintCalendar();
        frame->CalStringGridMouseUp();
    }

    void clickCell(int col, int row)
    {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(col, row).center());
    }

    QDate cellDate(int col, int row) const { return frame->FCellDates[MonthGrid::cellIndex(col, row)]; }

    void expectSelection(const QDate& date, int row, int col)
    {
        EXPECT_EQ(frame->FCurrentDate, date);
        EXPECT_EQ(frame->FSelRow, row);
        EXPECT_EQ(frame->FSelCol, col);
        EXPECT_EQ(cellDate(col, row), date);
        EXPECT_EQ(frame->FFirstCellDate, MonthGrid::firstCellDate(date));
        EXPECT_EQ(frame->CalMonthSpeedButton->text(),
                  QLocale(QLocale::English).standaloneMonthName(date.month()));
        EXPECT_EQ(frame->CalYearSpeedButton->text(), QString::number(date.year()));
    }

    QAction* item(const char* name) const { return frame->findChild<QAction*>(name); }

    std::unique_ptr<TMainDesktopForm> m_form;
    TDesktopFrame* frame = nullptr;
    TMonthCalendarGrid* grid = nullptr;
};

TEST_F(MonthCalendarTest, ChosenDayMovesTheMarkOrBringsItsMonth)
{
    struct Case
    {
        QDate shown;
        int col;
        int row;
        QDate chosen;
        int selRow;
        int selCol;
    };
    const Case cases[] = {
        // A day of the shown month: the grid keeps its dates.
        {QDate(2003, 3, 12), 1, 6, QDate(2003, 3, 31), 6, 1},
        // A grey day of the next month: April's grid, the day found again in it.
        {QDate(2003, 3, 12), 4, 6, QDate(2003, 4, 3), 1, 4},
        // A grey day of the month before.
        {QDate(2003, 3, 12), 0, 1, QDate(2003, 2, 23), 5, 0},
        // Across the new year.
        {QDate(2003, 12, 31), 4, 5, QDate(2004, 1, 1), 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.toString(Qt::ISODate).toStdString());
        showDate(c.shown);
        clickCell(c.col, c.row);
        expectSelection(c.chosen, c.selRow, c.selCol);
        // Releasing the mouse moves the grid's own current cell onto the mark.
        EXPECT_EQ(grid->Col(), c.selCol);
        EXPECT_EQ(grid->Row(), c.selRow);
        const QImage image = grid->grab().toImage();
        EXPECT_EQ(QColor(image.pixel(grid->cellRect(c.selCol, c.selRow).topLeft())), SelectedBrush);
    }
}

TEST_F(MonthCalendarTest, HeaderRowSelectsNothing)
{
    showDate(QDate(2003, 6, 17));
    for (int col = 0; col < 7; ++col) {
        clickCell(col, 0);
        expectSelection(QDate(2003, 6, 17), 4, 2);
        EXPECT_EQ(grid->Row(), 4);
        EXPECT_EQ(grid->Col(), 2);
    }
}

// Keys move from the selected day however it was chosen, also from start-up on, never onto
// the header row; a key onto a grey day brings its month as a click does.
TEST_F(MonthCalendarTest, ArrowKeysMoveFromTheSelectedDay)
{
    const QDate startDay(2026, 12, 7);
    const auto key = [this](Qt::Key pressed) { return [this, pressed] { QTest::keyClick(grid, pressed); }; };
    const auto click = [this](const QDate& date) {
        return [this, date] {
            const MonthGrid::CellPos cell = MonthGrid::locate(frame->FCellDates, date);
            clickCell(cell.col, cell.row);
        };
    };
    const auto toDay = [this] { frame->ToDayButton->click(); };
    const auto nextMonth = [this] { QTest::mouseClick(frame->CalRightSpeedButton, Qt::LeftButton); };
    const auto nextYear = [this] { item("Year6")->trigger(); };
    struct Step
    {
        std::function<void()> act;
        QDate selected;
    };
    const std::vector<std::vector<Step>> cases = {
        {{key(Qt::Key_Down), QDate(2026, 12, 14)}},
        {{key(Qt::Key_Right), QDate(2026, 12, 8)}, {key(Qt::Key_Left), QDate(2026, 12, 7)}},
        // 30 November stands in row 6 of November's grid.
        {{key(Qt::Key_Up), QDate(2026, 11, 30)}, {key(Qt::Key_Up), QDate(2026, 11, 23)}},
        {{click(QDate(2026, 12, 1)), QDate(2026, 12, 1)}, {key(Qt::Key_Up), QDate(2026, 12, 1)}},
        {{click(QDate(2026, 12, 10)), QDate(2026, 12, 10)},
         {toDay, startDay},
         {key(Qt::Key_Right), QDate(2026, 12, 8)}},
        {{click(QDate(2026, 12, 31)), QDate(2026, 12, 31)},
         {key(Qt::Key_Down), QDate(2027, 1, 7)},
         {key(Qt::Key_Right), QDate(2027, 1, 8)}},
        {{nextMonth, QDate(2027, 1, 7)}, {key(Qt::Key_Down), QDate(2027, 1, 14)}},
        {{nextYear, QDate(2027, 12, 7)}, {key(Qt::Key_Down), QDate(2027, 12, 14)}},
    };
    for (size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(k);
        startOn(startDay);
        for (const Step& step : cases[k]) {
            SCOPED_TRACE(step.selected.toString(Qt::ISODate).toStdString());
            step.act();
            const qint64 days = MonthGrid::firstCellDate(step.selected).daysTo(step.selected);
            expectSelection(step.selected, static_cast<int>(days / 7) + 1, static_cast<int>(days % 7));
        }
    }
}

TEST_F(MonthCalendarTest, ClickingTheSelectedDayDoesNotRebuildTheDayView)
{
    TADOQuery insert;
    insert.Connection = &m_form->ADOConnection;
    insert.SQL.Add("insert into journal ( jstarttime , jendtime , memo ) values ( :s , :e , :m )");
    insert.ParamByName("s").Value = QDateTime(Today, QTime(10, 0));
    insert.ParamByName("e").Value = QDateTime(Today, QTime(11, 0));
    insert.ParamByName("m").Value = "Dentist";
    insert.ExecSQL();

    showDate(Today);
    frame->ClearDayEvents();
    frame->BuildDayView(frame->FCurrentDate);
    ASSERT_EQ(frame->FDayMemos.size(), 1u);
    frame->FDayMemos[0]->setProperty("probe", true);

    clickCell(3, 3);
    expectSelection(Today, 3, 3);
    ASSERT_EQ(frame->FDayMemos.size(), 1u);
    EXPECT_TRUE(frame->FDayMemos[0]->property("probe").toBool()) << "the day view was rebuilt";

    clickCell(4, 3);
    expectSelection(Today.addDays(1), 3, 4);
    EXPECT_TRUE(frame->FDayMemos.empty());
}

TEST_F(MonthCalendarTest, TodaysNumberIsRedOnEveryKindOfCell)
{
    struct Case
    {
        QDate today;
        QDate shown;
        QColor brush;
    };
    const Case cases[] = {
        {QDate(2003, 3, 3), QDate(2003, 2, 10), QColor(0xF0, 0xF0, 0xF0)},  // a grey day of the next month
        {QDate(2003, 3, 12), QDate(2003, 3, 12), SelectedBrush},            // the selected day
        {QDate(2003, 3, 12), QDate(2003, 3, 20), QColor(0xE6, 0xE6, 0xE6)}, // a plain day
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.toString(Qt::ISODate).toStdString());
        platform::clock::setFixedNow(QDateTime(c.today, QTime(8, 0)));
        showDate(c.shown);
        const QImage image = grid->grab().toImage();
        const MonthGrid::CellPos today = MonthGrid::locate(frame->FCellDates, c.today);
        const QRect todayRect = grid->cellRect(today.col, today.row);
        EXPECT_EQ(QColor(image.pixel(todayRect.topLeft())), c.brush);
        EXPECT_GT(countPixels(image, todayRect, isRed), 0);
        EXPECT_EQ(countPixels(image, todayRect, isWhite), 0);

        const QRect header = grid->cellRect(0, 0);
        EXPECT_EQ(QColor(image.pixel(header.topLeft())), QColor(0xCC, 0xCC, 0xCC));
        if (c.shown != c.today) {
            const QRect selected = grid->cellRect(frame->FSelCol, frame->FSelRow);
            EXPECT_GT(countPixels(image, selected, isWhite), 0);
            EXPECT_EQ(countPixels(image, selected, isRed), 0);
        }
    }
}

TEST_F(MonthCalendarTest, ArrowsStepOneMonthOnMouseDownWithTheDayClamped)
{
    struct Case
    {
        QDate from;
        bool right;
        QDate to;
    };
    const Case cases[] = {
        {QDate(2003, 1, 31), true, QDate(2003, 2, 28)},  {QDate(2004, 1, 31), true, QDate(2004, 2, 29)},
        {QDate(2003, 3, 31), false, QDate(2003, 2, 28)}, {QDate(2003, 1, 15), false, QDate(2002, 12, 15)},
        {QDate(2003, 12, 31), true, QDate(2004, 1, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.toString(Qt::ISODate).toStdString());
        showDate(c.from);
        QToolButton* arrow = c.right ? frame->CalRightSpeedButton : frame->CalLeftSpeedButton;
        QTest::mouseClick(arrow, Qt::RightButton);
        EXPECT_EQ(frame->FCurrentDate, c.from);
        QTest::mousePress(arrow, Qt::LeftButton);
        const MonthGrid::CellPos cell = MonthGrid::locate(frame->FCellDates, c.to);
        expectSelection(c.to, cell.row, cell.col);
        QTest::mouseRelease(arrow, Qt::LeftButton);
        EXPECT_EQ(frame->FCurrentDate, c.to) << "the release must not step again";
    }
}

TEST_F(MonthCalendarTest, MonthPopupListsTheMonthsAroundFebruaryAfterTheArrowFrom31January)
{
    showDate(QDate(2003, 1, 31));
    QTest::mouseClick(frame->CalRightSpeedButton, Qt::LeftButton);
    QTest::mousePress(frame->CalMonthSpeedButton, Qt::LeftButton);
    EXPECT_FALSE(frame->CalMonthPopup->isVisible()) << "the month button acts on release";
    QTest::mouseRelease(frame->CalMonthSpeedButton, Qt::LeftButton);
    EXPECT_TRUE(frame->CalMonthPopup->isVisible());
    frame->CalMonthPopup->hide();

    const QStringList expected = {"October  2002", "November  2002", "December  2002",
                                  "January  2003", "February  2003", "March  2003",
                                  "April  2003",   "May  2003",      "June  2003"};
    for (int k = 0; k < 9; ++k) {
        QAction* month = item(qPrintable("Month" + QString::number(k + 1)));
        ASSERT_NE(month, nullptr);
        EXPECT_EQ(month->text(), expected[k]);
        EXPECT_EQ(month->isChecked(), k == 4);
    }
}

TEST_F(MonthCalendarTest, MonthItemsShiftByTheirTagWithTheDayClamped)
{
    struct Case
    {
        const char* item;
        QDate to;
    };
    const Case cases[] = {{"Month1", QDate(2002, 11, 30)},
                          {"Month4", QDate(2003, 2, 28)},
                          {"Month5", QDate(2003, 3, 31)},
                          {"Month9", QDate(2003, 7, 31)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        showDate(QDate(2003, 3, 31));
        item(c.item)->trigger();
        const MonthGrid::CellPos cell = MonthGrid::locate(frame->FCellDates, c.to);
        expectSelection(c.to, cell.row, cell.col);
    }
    frame->MonthPopupClick(frame->CalMonthSpeedButton);
    EXPECT_EQ(frame->FCurrentDate, QDate(2003, 7, 31)) << "only a menu item moves the date";
}

TEST_F(MonthCalendarTest, YearPopupListsNineYearsAndItsItemsShiftByYears)
{
    showDate(QDate(2004, 2, 29));
    QTest::mouseClick(frame->CalYearSpeedButton, Qt::LeftButton);
    EXPECT_TRUE(frame->CalYearPopup->isVisible());
    frame->CalYearPopup->hide();
    for (int k = 0; k < 9; ++k) {
        QAction* year = item(qPrintable("Year" + QString::number(k + 1)));
        ASSERT_NE(year, nullptr);
        EXPECT_EQ(year->text(), QString::number(2000 + k));
        EXPECT_EQ(year->isChecked(), k == 4);
    }
    item("Year6")->trigger();
    expectSelection(QDate(2005, 2, 28), 5, 1);
    item("Year1")->trigger();
    EXPECT_EQ(frame->FCurrentDate, QDate(2001, 2, 28));
}

TEST_F(MonthCalendarTest, ToDayButtonSelectsToday)
{
    showDate(QDate(2001, 8, 5));
    frame->ToDayButton->click();
    expectSelection(Today, 3, 3);
}

// After the mark moved by code the grid's current cell shows another day; a click on that
// cell used to be swallowed because it was not a move onto a new cell.
TEST_F(MonthCalendarTest, ClickOnTheGridsFormerCurrentCellAfterAnArrowIsNotLost)
{
    showDate(QDate(2003, 3, 12));
    ASSERT_EQ(grid->Col(), 3);
    ASSERT_EQ(grid->Row(), 3);
    QTest::mouseClick(frame->CalRightSpeedButton, Qt::LeftButton);
    ASSERT_EQ(frame->FCurrentDate, QDate(2003, 4, 12));
    clickCell(3, 3);
    expectSelection(QDate(2003, 4, 16), 3, 3);
}

TEST_F(MonthCalendarTest, GoToButtonShowsANewGoToDialogModally)
{
    showDate(QDate(2003, 3, 20));
    std::vector<QWidget*> shown;
    for (int round = 0; round < 2; ++round) {
        QDeadlineTimer deadline(5000);
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown.push_back(modal);
                modal->close();
            } else if (deadline.hasExpired()) {
                closer.stop();
                ADD_FAILURE() << "no modal dialog appeared";
            }
        });
        closer.start(10);
        QTest::mouseClick(frame->GoToButton, Qt::LeftButton);
    }
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(shown[0], shown[1]) << "a new dialog for every use";
    EXPECT_EQ(shown[1], GoToForm.data());
    EXPECT_NE(dynamic_cast<TGoToForm*>(shown[0]), nullptr);
    expectSelection(QDate(2003, 3, 20), 4, 4);
    Application::releaseForms();
}

TEST_F(MonthCalendarTest, NoControlMovesPastTheLastOrBeforeTheFirstDayTheCalendarsShow)
{
    const QDate last(9999, 12, 31);
    showDate(last);
    QTest::mouseClick(frame->CalRightSpeedButton, Qt::LeftButton);
    EXPECT_EQ(frame->FCurrentDate, last);
    frame->CalYearSpeedButtonMouseUp();
    frame->CalYearPopup->hide();
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(item(qPrintable("Year" + QString::number(k + 1)))->isVisible(), k <= 4);
    }
    frame->CalMonthSpeedButtonMouseUp();
    frame->CalMonthPopup->hide();
    EXPECT_FALSE(item("Month6")->isVisible());
    EXPECT_EQ(item("Month1")->text(), "August  9999");
    item("Year9")->trigger();
    EXPECT_EQ(frame->FCurrentDate, last);
    // The grid's last row holds days of January 10000: they do nothing.
    clickCell(6, 6);
    EXPECT_EQ(frame->FCurrentDate, last);
    frame->NextSpeedButton->click();
    EXPECT_EQ(frame->FCurrentDate, last);

    const QDate first(1752, 9, 14);
    showDate(first);
    QTest::mousePress(frame->CalLeftSpeedButton, Qt::LeftButton);
    QTest::mouseRelease(frame->CalLeftSpeedButton, Qt::LeftButton);
    EXPECT_EQ(frame->FCurrentDate, first);
    clickCell(0, 1); // the Sunday before 1 September 1752
    EXPECT_EQ(frame->FCurrentDate, first);
    frame->PriorSpeedButton->click();
    EXPECT_EQ(frame->FCurrentDate, first);
}

// The editors' buttons were designed for a narrower face than the one standing in for it: each
// month still shows whole beside the drop-down mark, at the designed height.
TEST(MonthCalendarCaptions, ShowEveryMonthWholeAtTheirDesignedFontSize)
{
    const struct
    {
        const char* name;
        MonthCalendarStyle style;
        QRect monthButton;
    } styles[] = {
        {"desktop frame", MonthCalendarStyle::desktopFrame(), QRect(32, 0, 85, 15)},
        {"event editor", MonthCalendarStyle::eventEditor(), QRect(22, 0, 63, 15)},
        {"go-to dialog", MonthCalendarStyle::goToDialog(), QRect(20, 0, 67, 15)},
        {"expense editor", MonthCalendarStyle::expenseEditor(), QRect(22, 0, 63, 15)},
    };
    for (const auto& [name, style, monthButton] : styles) {
        SCOPED_TRACE(name);
        QFrame panel;
        panel.resize(240, 135);
        TMonthCalendar calendar(&panel, style);
        EXPECT_EQ(calendar.CalMonthSpeedButton->geometry(), monthButton);
        for (int month = 1; month <= 12; ++month) {
            calendar.setCaptions(QDate(2024, month, 1));
            QToolButton* button = calendar.CalMonthSpeedButton;
            SCOPED_TRACE(button->text().toStdString());
            EXPECT_EQ(button->text(), MonthNames[month]);
            EXPECT_EQ(button->font().pixelSize(), style.buttonFont.pixelSize());
            EXPECT_EQ(calendar.CalYearSpeedButton->font().pixelSize(), style.buttonFont.pixelSize());
            auto* marked = qobject_cast<TDropDownCaptionButton*>(button);
            ASSERT_EQ(marked != nullptr, style.dropDownMarks);
            if (!marked)
                continue;
            const TDropDownCaptionButton::Layout place = marked->layout();
            const QRect inside(QPoint(), button->size());
            EXPECT_EQ(place.font.pixelSize(), style.buttonFont.pixelSize());
            EXPECT_LE(QFontMetrics(place.font).horizontalAdvance(button->text()), place.caption.width());
            EXPECT_TRUE(inside.contains(place.caption)) << place.caption.width();
            EXPECT_TRUE(inside.contains(place.mark));
            EXPECT_LT(place.caption.right(), place.mark.left());
        }
    }
}
