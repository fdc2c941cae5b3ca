#pragma once

// What the frame's record lists (addresses, Password entries, expenses) share beyond their
// rows: the look, the loading and sorting of rows, and the commands on selected rows.

#include "common/ListRow.h"

#include <functional>

class QTreeWidget;
class TADOConnection;

namespace listrows {

// The rows' font, white and light grey rows by turns from the top whatever the order, and
// a header whose clicks choose the sort column (the list itself never sorts on its own).
void prepareList(QTreeWidget* list);

// Gives an empty list the rows gathered, in the order of `column`.
void fill(QTreeWidget* list, TListRowBuilder& rows, int column);
// Orders the records by `column` (which the rows' remembered column must name); the selection
// and the current row go with their records.
void sortBy(QTreeWidget* list, int column);
// Adds a row where the order of `column` puts it.
void insertSorted(QTreeWidget* list, std::unique_ptr<TListRow> row, int column);

// The selected rows' numbers, in list order.
std::vector<int> selectedRowNumbers(const QTreeWidget* list);
// The topmost selected row, or nullptr.
QTreeWidgetItem* firstSelected(const QTreeWidget* list);
// The first of the list's rows whose `place` holds `text`, or nullptr.
TListRow* findRow(const QTreeWidget* list, int place, QStringView text);
// Removes the rows with these numbers (any order).
void removeRows(QTreeWidget* list, std::vector<int> rowNumbers);

// Select All of the lists' menus: every row, but only when at least one is selected already.
void selectAllIfAnySelected(QTreeWidget* list);

// Runs `deleteRecord` for each selected row, in list order, in one batch on `connection`
// (platform::db::runBatch), and removes from the list exactly the rows whose record it deleted.
// When it fails, the rows done so far leave the list, the rest stay, and the error goes on to
// the caller; when the engine undid the whole batch, `reloadList` shows what the table holds.
void deleteSelected(QTreeWidget* list, TADOConnection& connection,
                    const std::function<void(QTreeWidgetItem*)>& deleteRecord,
                    const std::function<void()>& reloadList);

// A key released in the list goes to `handler` (its Qt key), and no further.
void onKeyUp(QTreeWidget* list, std::function<void(int key)> handler);
// A double-click anywhere on `widget` runs `handler`.
void onDoubleClick(QWidget* widget, std::function<void()> handler);

// A hidden id place as the integer it holds; any other text stops the command that reads it
// with the conversion error.
int idIn(const QString& text);
// A row's text as the editors take it: without the blanks and control characters it begins with.
QString trimLeft(const QString& text);

} // namespace listrows
