#pragma once

#include <QList>
#include <QString>

// The program's one table of user-interface texts, fixed at build time and keyed by the
// numeric ids the forms use. Texts are returned exactly as stored: blanks, "&" accelerator
// marks, misspellings and format placeholders are part of them.
namespace SharedTexts {

// The text of a string-table entry; an id not in the table gives the empty text.
QString load(int id);

// Every id in the table, ascending (tests and tools).
QList<int> ids();

} // namespace SharedTexts
