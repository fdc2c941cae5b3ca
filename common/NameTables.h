#pragma once

#include <QString>
#include <array>

// Fixed English names shared by the calendars, the day and week views and the reports. Each table keeps
// the index base its callers use: month 1..12 and weekday 1..7 (from Sunday) carry an unused empty entry
// at index 0, so MonthNames[date.month()] and DayNames[weekday] read directly.
namespace NameTables {

extern const std::array<QString, 13> MonthNames;     // 1..12
extern const std::array<QString, 8> DayNames;        // 1..7, Sunday first
extern const std::array<QString, 7> WeekdayInitials; // 0..6, Sunday first
extern const std::array<QString, 24> HourLabels;     // 0..23

} // namespace NameTables

using NameTables::DayNames;
using NameTables::HourLabels;
using NameTables::MonthNames;
using NameTables::WeekdayInitials;
