#pragma once

// The row layout of the Password list, written by the list's loader and by the Password
// editor alike: the entry's text as the caption, then the category name, then the entry's id
// and category id, both hidden.

#include <QAnyStringView>
#include <array>

namespace memorow {

// The places of a row (place 0 the caption, place k sub-item k-1); Text and Category are
// also the numbers of the columns that show them.
enum Place { Text, Category, Id, CategoryId, PlaceCount };

using Places = std::array<QAnyStringView, PlaceCount>;

// A row's places; `id` and `categoryId` in decimal.
inline Places places(QAnyStringView text, QAnyStringView categoryName, QAnyStringView id,
                     QAnyStringView categoryId)
{
    return {text, categoryName, id, categoryId};
}

} // namespace memorow
