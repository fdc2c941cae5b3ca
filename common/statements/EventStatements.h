#pragma once

// Statements on the journal table (the events) that more than one place runs, each line
// exactly as the engine gets it.

#include <QDate>

class TADOQuery;

namespace eventstatements {

// Makes `query` the select of the events that start on `day`, by start time and, among those
// that start together, the longest first, with its parameters set. The day is compared as the
// user's short date text, as the calendar shows it; a range on the stored start text lets the
// engine find the day through the start-time index instead of reading every event.
void setDaySelect(TADOQuery& query, const QDate& day);

// Makes `query` the count, as column "n", of the events whose stored start is not in the form
// the table's check asks for, so that they belong to no day. Its condition is that of the
// index journal_unreadable_start (app/schema.sql), which lets the engine read those alone.
void setWithoutDayCount(TADOQuery& query);

} // namespace eventstatements
