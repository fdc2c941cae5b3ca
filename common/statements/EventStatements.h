#pragma once

// Statements on the journal table (the events) that more than one place runs, each line
// exactly as the engine gets it.

#include <QString>

class TSQLLines;

namespace eventstatements {

// The events that start on one day, by start time and, among those that start together, the
// longest first. `dateText` is the day in the user's short date format; the engine compares
// it as a date literal.
void addDaySelect(TSQLLines& sql, const QString& dateText);

} // namespace eventstatements
