#include "desktop/Categories.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

namespace categories {

int idAtPosition(const TCategoryList& cache, int position)
{
    if (position < 1 || position > static_cast<int>(cache.size()))
        return NoCategory;
    return cache[static_cast<size_t>(position - 1)].id;
}

int positionOfId(const TCategoryList& cache, int id)
{
    if (id == NoCategory)
        return 0;
    const auto found =
        std::find_if(cache.begin(), cache.end(), [id](const TCategoryRec& c) { return c.id == id; });
    return found == cache.end() ? 0 : static_cast<int>(found - cache.begin()) + 1;
}

QString nameOfId(const TCategoryList& cache, int id)
{
    if (id == NoCategory)
        return AllName;
    const auto found =
        std::find_if(cache.begin(), cache.end(), [id](const TCategoryRec& c) { return c.id == id; });
    return found == cache.end() ? QString() : found->name;
}

void order(TCategoryList& cache)
{
    std::stable_sort(cache.begin(), cache.end(),
                     [](const TCategoryRec& a, const TCategoryRec& b) { return a.id < b.id; });
}

void fillCombo(QComboBox* combo, const TCategoryList& cache)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItem(AllName, NoCategory);
    for (const TCategoryRec& category : cache)
        combo->addItem(category.name, category.id);
}

int chosenCategory(const QComboBox* combo)
{
    const QVariant id = combo->currentData();
    return id.isValid() ? id.toInt() : NoCategory;
}

void setPosition(QComboBox* combo, int position)
{
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
}

} // namespace categories
