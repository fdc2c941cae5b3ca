#pragma once

// The category caches of the address groups and the Password categories, and the position
// rule of every combo that lists one: position 0 is "All" (category id -1, no category),
// position k is cache entry k-1.

#include <QString>
#include <vector>

class QComboBox;

struct TCategoryRec
{
    int id = -1;
    QString name;
};

using TCategoryList = std::vector<TCategoryRec>;

namespace categories {

constexpr int NoCategory = -1;
inline const QString AllName = QStringLiteral("All");

// The id a position stands for; 0, and any position the cache does not reach, stand for -1.
int idAtPosition(const TCategoryList& cache, int position);
// Where an id is shown: after the "All" item, at the first entry with that id; -1 and an id
// the cache does not hold are shown at 0.
int positionOfId(const TCategoryList& cache, int id);
// The name shown for an id: "All" for -1, the first entry's name, or empty text when the
// cache does not hold it.
QString nameOfId(const TCategoryList& cache, int id);

// Orders a cache as the category table keeps its rows: by id, so a new category comes last
// and every load gives the same order.
void order(TCategoryList& cache);

// "All", then the cache's names. Each item keeps the id it stands for, so a reader of the
// combo gets the category that was chosen even after the cache was rebuilt.
void fillCombo(QComboBox* combo, const TCategoryList& cache);
// The id of the combo's current item; -1 for "All" or no item.
int chosenCategory(const QComboBox* combo);
// Puts a combo at a position (outside its items: no item), raising no change handler.
void setPosition(QComboBox* combo, int position);

} // namespace categories
