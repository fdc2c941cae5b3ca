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

QDate firstDay()
{
    return QDate(1752, 9, 14);
}

QDate lastDay()
{
    return QDate(9999, 12, 31);
}

bool selectable(const QDate& date)
{
    return date.isValid() && date >= firstDay() && date <= lastDay();
}

std::optional<QDate> shifted(const QDate& date, int months)
{
    // Qt keeps the day when the target month has it and takes the month's last day otherwise.
    const QDate target = date.addMonths(months);
    return selectable(target) ? std::optional(target) : std::nullopt;
}

QDate addMonths(const QDate& date, int months)
{
    return shifted(date, months).value_or(date);
}

} // namespace MonthGrid
