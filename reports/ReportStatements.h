#pragma once

// The reports' select statements, each added line by line to a query's text.

#include <QString>

class TSQLLines;

namespace reportstatements {

// One day's events by start time, the longer first among equal starts; the date as a quoted
// literal in the short date format. The same statement as the day view's.
void daySchedule(TSQLLines& sql, const QString& dateText);
// Every address, in the table's own order.
void allAddresses(TSQLLines& sql);
// The addresses of the group :categoryid, by first name.
void groupAddresses(TSQLLines& sql);
// The Password entries and the expenses whose id is in the list :id, by id.
void selectedMemos(TSQLLines& sql);
void selectedExpenses(TSQLLines& sql);

} // namespace reportstatements
