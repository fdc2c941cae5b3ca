#pragma once

// The statements that only the reports run, each added line by line to a query's text. The
// schedule runs the day view's statement (common/statements/EventStatements.h).

class TSQLLines;

namespace reportstatements {

// Every address, in the table's own order.
void allAddresses(TSQLLines& sql);
// The addresses of the group :categoryid, by first name.
void groupAddresses(TSQLLines& sql);
// The Password entries and the expenses whose id is in the list :id, by id.
void selectedMemos(TSQLLines& sql);
void selectedExpenses(TSQLLines& sql);

} // namespace reportstatements
