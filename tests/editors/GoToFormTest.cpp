#include "editors/GoToForm.h"

#include "common/MonthCalendarGrid.h"
#include "common/MonthGrid.h"
#include "editors/EditorFixture.h"

#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <vector>

class GoToFormTest : public EditorTest
{
protected:
    // Presses the frame's GoTo button and works in the modal dialog it shows.
    void goTo(const std::function<void(TGoToForm&)>& work)
    {
        bool worked = false;
        QDeadlineTimer deadline(5000);
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<TGoToForm*>(QApplication::activeModalWidget())) {
                timer.stop();
                worked = true;
                work(*dialog);
                if (dialog->isVisible())
                    dialog->close();
            } else if (deadline.hasExpired()) {
                timer.stop();
            }
        });
        timer.start(5);
        frame->GoToButton->click();
        EXPECT_TRUE(worked) << "no go-to dialog came up";
    }

    static void click(TGoToForm& dialog, int col, int row)
    {
        QTest::mouseClick(dialog.CalStringGrid, Qt::LeftButton, {},
                          dialog.CalStringGrid->cellRect(col, row).center());
    }
};

TEST_F(GoToFormTest, OKMovesTheFramesCalendarAndDayViewButNotTheWeekView)
{
    const QDate chosen(2024, 4, 17);
    addEvent(chosen, QTime(9, 0), QTime(10, 0), "Review");
    addEvent(Today, QTime(9, 0), QTime(10, 0), "Standup");
    frame->ClearWeekEvents();
    frame->BuildWeekView(Today);

    goTo([&](TGoToForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "SelectDay");
        EXPECT_EQ(dialog.FCurrentDate, Today);
        // April 2024 starts on Monday: the grid opens on Sunday 31 March.
        QTest::mouseRelease(dialog.RightSpeedButton, Qt::LeftButton);
        EXPECT_EQ(dialog.FCurrentDate, QDate(2024, 4, 6));
        click(dialog, 3, 3);
        EXPECT_EQ(dialog.FCurrentDate, chosen);
        EXPECT_EQ(frame->FCurrentDate, Today) << "nothing moves before OK";
        dialog.OKButton->click();
    });

    EXPECT_EQ(frame->FCurrentDate, chosen);
    EXPECT_EQ(frame->FSelRow, 3);
    EXPECT_EQ(frame->FSelCol, 3);
    EXPECT_EQ(frame->FFirstCellDate, QDate(2024, 3, 31));
    EXPECT_EQ(frame->CalMonthSpeedButton->text(), "April");
    ASSERT_EQ(frame->FDayEvents.size(), 1u);
    EXPECT_EQ(frame->FDayEvents[0].memo, "Review");
    ASSERT_EQ(frame->FWeekEvents[3].size(), 1u);
    EXPECT_EQ(frame->FWeekEvents[3][0].memo, "Standup") << "the week view stays until rebuilt elsewhere";
}

TEST_F(GoToFormTest, GreyDayIsFoundByItsDistanceFromTheFirstCell)
{
    goTo([&](TGoToForm& dialog) {
        click(dialog, 1, 6); // 1 April, on the March grid
        EXPECT_EQ(dialog.FCurrentDate, QDate(2024, 4, 1));
        EXPECT_EQ(dialog.FFirstCellDate, QDate(2024, 3, 31));
        EXPECT_EQ(dialog.FSelRow, 1);
        EXPECT_EQ(dialog.FSelCol, 1);
        click(dialog, 2, 0);
        EXPECT_EQ(dialog.FCurrentDate, QDate(2024, 4, 1)) << "the initials row selects nothing";
        dialog.CancelButton->click();
    });
    EXPECT_EQ(frame->FCurrentDate, Today);
}

TEST_F(GoToFormTest, CancelTheCloseBoxAndEscKeepTheFramesDay)
{
    const std::function<void(TGoToForm&)> leave[] = {
        [](TGoToForm& dialog) { dialog.CancelButton->click(); },
        [](TGoToForm& dialog) { dialog.close(); },
        [](TGoToForm& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_TRUE(dialog.isVisible()) << "Esc does nothing";
        },
    };
    for (const auto& away : leave) {
        goTo([&](TGoToForm& dialog) {
            click(dialog, 3, 4);
            away(dialog);
        });
        EXPECT_EQ(frame->FCurrentDate, Today);
    }
}

TEST_F(GoToFormTest, ToDayThenOKBringsTheFrameBackToToday)
{
    showDay(QDate(2023, 11, 2));
    frame->LocateCurrentCell();
    addEvent(Today, QTime(9, 0), QTime(10, 0), "Standup");
    goTo([&](TGoToForm& dialog) {
        EXPECT_EQ(dialog.FCurrentDate, QDate(2023, 11, 2));
        dialog.ToDayButton->click();
        EXPECT_EQ(dialog.FCurrentDate, Today);
        EXPECT_EQ(dialog.FSelRow, 2);
        EXPECT_EQ(dialog.FSelCol, 3);
        dialog.OKButton->click();
    });
    EXPECT_EQ(frame->FCurrentDate, Today);
    EXPECT_EQ(frame->FDayEvents.size(), 1u);
}

// The dialog's keys move from its selected day, from its opening on and after a click, ToDay, an
// arrow or a key onto a grey day; OK takes the day the keys chose.
TEST_F(GoToFormTest, ArrowKeysMoveFromTheSelectedDay)
{
    using Act = std::function<void(TGoToForm&)>;
    const auto key = [](Qt::Key pressed) -> Act {
        return [pressed](TGoToForm& dialog) { QTest::keyClick(dialog.CalStringGrid, pressed); };
    };
    const auto clickDay = [](const QDate& date) -> Act {
        return [date](TGoToForm& dialog) {
            const MonthGrid::CellPos cell = MonthGrid::locate(dialog.FCellDates, date);
            click(dialog, cell.col, cell.row);
        };
    };
    const Act toDay = [](TGoToForm& dialog) { dialog.ToDayButton->click(); };
    const Act nextMonth = [](TGoToForm& dialog) {
        QTest::mouseClick(dialog.RightSpeedButton, Qt::LeftButton);
    };
    struct Step
    {
        Act act;
        QDate selected;
    };
    const QDate startDay(2026, 12, 7);
    const std::vector<std::vector<Step>> cases = {
        {{key(Qt::Key_Down), QDate(2026, 12, 14)}},
        {{clickDay(QDate(2026, 12, 10)), QDate(2026, 12, 10)},
         {toDay, startDay},
         {key(Qt::Key_Right), QDate(2026, 12, 8)}},
        {{clickDay(QDate(2026, 12, 31)), QDate(2026, 12, 31)},
         {key(Qt::Key_Down), QDate(2027, 1, 7)},
         {key(Qt::Key_Right), QDate(2027, 1, 8)}},
        {{nextMonth, QDate(2027, 1, 7)}, {key(Qt::Key_Left), QDate(2027, 1, 6)}},
    };
    platform::clock::setFixedNow(QDateTime(startDay, QTime(8, 0)));
    for (size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(k);
        frame->ToDayButton->click();
        goTo([&](TGoToForm& dialog) {
            for (const Step& step : cases[k]) {
                SCOPED_TRACE(step.selected.toString(Qt::ISODate).toStdString());
                step.act(dialog);
                // The day is marked on its own month's grid.
                const QDate firstCell = MonthGrid::firstCellDate(step.selected);
                const qint64 days = firstCell.daysTo(step.selected);
                EXPECT_EQ(dialog.FCurrentDate, step.selected);
                EXPECT_EQ(dialog.FFirstCellDate, firstCell);
                EXPECT_EQ(dialog.FSelRow, days / 7 + 1);
                EXPECT_EQ(dialog.FSelCol, days % 7);
            }
            dialog.OKButton->click();
        });
        EXPECT_EQ(frame->FCurrentDate, cases[k].back().selected);
    }
}
