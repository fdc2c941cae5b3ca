#pragma once

// Date arithmetic of the month mini-calendars: six weeks of dates from the Sunday before
// the first of the month, and whole-month steps that keep the day inside the target month.

#include <QDate>
#include <array>
#include <optional>

namespace MonthGrid {

constexpr int Columns = 7;
constexpr int CellCount = 42;
using CellDates = std::array<QDate, CellCount>;

// A date cell: row 1..6 under the header row, column 0..6 from Sunday; row 0 means none.
struct CellPos
{
    int row = 0;
    int col = 0;
};

// The Sunday before the first of the month; a whole week earlier when the first is itself a
// Sunday, so the previous month always shows at least one week.
QDate firstCellDate(const QDate& date);
CellDates cellDates(const QDate& firstCell);
// Index into CellDates of a date cell (row 1..6).
constexpr int cellIndex(int col, int row)
{
    return (row - 1) * Columns + col;
}
CellPos locate(const CellDates& cells, const QDate& date);

// The days a calendar may move to and select: those its date pickers can hold.
QDate firstDay();
QDate lastDay();
bool selectable(const QDate& date);

// Whole months or years forward (negative: back), the day clamped to the target month's length;
// nothing when that day is not selectable.
std::optional<QDate> shifted(const QDate& date, int months);
// The same, staying on `date` where the step would leave the selectable days.
QDate addMonths(const QDate& date, int months);

} // namespace MonthGrid
