#include "common/MonthGrid.h"

namespace MonthGrid {

QDate firstCellDate(const QDate& date)
{
    const QDate first(date.year(), date.month(), 1);
    // dayOfWeek() is ISO: Monday 1 ... Sunday 7.
    return first.addDays(-first.dayOfWeek());
}

CellDates cellDates(const QDate& firstCell)
{
    CellDates cells;
    for (int k = 0; k < CellCount; ++k)
        cells[k] = firstCell.addDays(k);
    return cells;
}

CellPos locate(const CellDates& cells, const QDate& date)
{
    // Cells built from no date are invalid too; they must not match it.
    if (!date.isValid())
        return {};
    for (int k = 0; k < CellCount; ++k) {
        if (cells[k] == date)
            return {k / Columns + 1, k % Columns};
    }
    return {};
}

QDate addMonths(const QDate& date, int months)
{
    // Qt keeps the day when the target month has it and takes the month's last day otherwise.
    return date.addMonths(months);
}

QDate addYears(const QDate& date, int years)
{
    return addMonths(date, 12 * years);
}

} // namespace MonthGrid
