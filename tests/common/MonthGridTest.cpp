#include "common/MonthGrid.h"

#include <gtest/gtest.h>

namespace {

struct GridCase
{
    QDate date;
    QDate firstCell;
    QDate probe;
    int row;
    int col;
};

void PrintTo(const GridCase& c, std::ostream* out)
{
    *out << c.date.toString(Qt::ISODate).toStdString() << " probe "
         << c.probe.toString(Qt::ISODate).toStdString();
}

class MonthGridCells : public ::testing::TestWithParam<GridCase>
{
};

} // namespace

TEST_P(MonthGridCells, StartOnTheSundayBeforeTheFirstAndPlaceEachDay)
{
    const GridCase c = GetParam();
    const QDate first = MonthGrid::firstCellDate(c.date);
    EXPECT_EQ(first, c.firstCell);
    const MonthGrid::CellDates cells = MonthGrid::cellDates(first);
    const MonthGrid::CellPos pos = MonthGrid::locate(cells, c.probe);
    EXPECT_EQ(pos.row, c.row);
    EXPECT_EQ(pos.col, c.col);
    if (c.row > 0) {
        EXPECT_EQ(cells[MonthGrid::cellIndex(c.col, c.row)], c.probe);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeMonths, MonthGridCells,
    ::testing::Values(
        // June 2003 begins on a Sunday: a whole week of May fills row 1, the 1st opens row 2.
        GridCase{QDate(2003, 6, 17), QDate(2003, 5, 25), QDate(2003, 6, 1), 2, 0},
        GridCase{QDate(2003, 6, 17), QDate(2003, 5, 25), QDate(2003, 5, 31), 1, 6},
        // March 2003 begins on a Saturday and has 31 days: all six rows are needed.
        GridCase{QDate(2003, 3, 31), QDate(2003, 2, 23), QDate(2003, 3, 31), 6, 1},
        GridCase{QDate(2003, 3, 31), QDate(2003, 2, 23), QDate(2003, 3, 1), 1, 6},
        // February 2009 begins on a Sunday and has 28 days: rows 2 to 5, a week of March below.
        GridCase{QDate(2009, 2, 1), QDate(2009, 1, 25), QDate(2009, 2, 28), 5, 6},
        GridCase{QDate(2009, 2, 1), QDate(2009, 1, 25), QDate(2009, 3, 7), 6, 6},
        // A date beyond the six weeks is not found.
        GridCase{QDate(2003, 3, 31), QDate(2003, 2, 23), QDate(2003, 4, 6), 0, 0},
        GridCase{QDate(2003, 3, 31), QDate(2003, 2, 23), QDate(2003, 2, 22), 0, 0}));

TEST(MonthGrid, EveryMonthFitsItsSixWeeksAfterALeadingWeekOfTheMonthBefore)
{
    for (QDate month(1999, 1, 1); month.year() < 2031; month = month.addMonths(1)) {
        const QDate first = MonthGrid::firstCellDate(month.addDays(month.daysInMonth() - 1));
        const MonthGrid::CellDates cells = MonthGrid::cellDates(first);
        SCOPED_TRACE(month.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(first.dayOfWeek(), 7);
        EXPECT_LT(first, month);
        EXPECT_GT(MonthGrid::locate(cells, month).row, 0);
        EXPECT_GT(MonthGrid::locate(cells, month.addDays(month.daysInMonth() - 1)).row, 0);
    }
}

TEST(MonthGrid, StepsByMonthsKeepTheDayInsideTheTargetMonthAndTheCalendarsDays)
{
    struct Step
    {
        QDate from;
        int months;
        QDate to;
    };
    const Step steps[] = {
        {QDate(2003, 1, 31), 1, QDate(2003, 2, 28)},
        {QDate(2004, 1, 31), 1, QDate(2004, 2, 29)},
        {QDate(2003, 3, 31), -1, QDate(2003, 2, 28)},
        {QDate(2003, 12, 15), 1, QDate(2004, 1, 15)},
        {QDate(2003, 1, 15), -1, QDate(2002, 12, 15)},
        {QDate(2003, 11, 30), 3, QDate(2004, 2, 29)},
        {QDate(2004, 2, 29), 12, QDate(2005, 2, 28)},
        {QDate(2004, 2, 29), 48, QDate(2008, 2, 29)},
        {QDate(2000, 2, 29), -12, QDate(1999, 2, 28)},
        {QDate(9999, 1, 31), 11, QDate(9999, 12, 31)},
        // A step past the last or before the first day the calendars show stays where it is.
        {QDate(9999, 12, 15), 1, QDate(9999, 12, 15)},
        {QDate(9999, 3, 1), 12, QDate(9999, 3, 1)},
        {QDate(1752, 10, 1), -1, QDate(1752, 10, 1)}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.from.toString(Qt::ISODate).toStdString() + " " + std::to_string(s.months));
        EXPECT_EQ(MonthGrid::addMonths(s.from, s.months), s.to);
    }
}
