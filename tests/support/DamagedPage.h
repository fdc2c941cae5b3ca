#pragma once

#include <QString>

// Overwrites one leaf page of `table` in the database file at `path` with garbage, as a failing
// disk would; any read that reaches the page then fails. The page is the leaf at `index` in
// page order, found through the engine's page statistics. No connection may hold the file
// open, as one would keep the page in its cache. Returns the page's number.
int damageLeafPage(const QString& path, const char* table, int index = 0);
