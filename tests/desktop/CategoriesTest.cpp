#include "desktop/Categories.h"

#include <QComboBox>
#include <gtest/gtest.h>

TEST(CategoryPositions, MapBothWaysAndTreatWhatTheCacheLacksAsAll)
{
    // Two categories of the same name, each standing for its own id.
    const TCategoryList cache = {{7, "Friends"}, {3, "Work"}, {9, "Friends"}};
    const std::pair<int, int> positionToId[] = {{-1, -1}, {0, -1}, {1, 7}, {2, 3}, {3, 9}, {4, -1}};
    for (const auto& [position, id] : positionToId)
        EXPECT_EQ(categories::idAtPosition(cache, position), id) << "position " << position;
    const std::pair<int, int> idToPosition[] = {{-1, 0}, {7, 1}, {3, 2}, {9, 3}, {5, 0}};
    for (const auto& [id, position] : idToPosition)
        EXPECT_EQ(categories::positionOfId(cache, id), position) << "id " << id;
    EXPECT_EQ(categories::nameOfId(cache, -1), "All");
    EXPECT_EQ(categories::nameOfId(cache, 3), "Work");
    EXPECT_EQ(categories::nameOfId(cache, 5), "");
    EXPECT_EQ(categories::idAtPosition({}, 1), -1);
}

TEST(CategoryCombos, KeepTheChosenCategoryWhenTheCacheIsRebuilt)
{
    QComboBox combo;
    categories::fillCombo(&combo, {{4, "A"}, {6, "B"}});
    EXPECT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(0), "All");
    categories::setPosition(&combo, 2);
    // Category A deleted and the cache read again: position 2 now lies past the cache, but
    // the item chosen still stands for B.
    const TCategoryList rebuilt = {{6, "B"}};
    EXPECT_EQ(categories::idAtPosition(rebuilt, combo.currentIndex()), -1);
    EXPECT_EQ(categories::chosenCategory(&combo), 6);

    categories::setPosition(&combo, 5);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(categories::chosenCategory(&combo), -1);
}

TEST(CategoryOrder, IsTheTablesOrderOfIdsWithNewCategoriesLast)
{
    TCategoryList cache = {{12, "Zeta"}, {3, "Alpha"}, {40, "New"}, {7, "Beta"}};
    categories::order(cache);
    std::vector<int> ids;
    for (const TCategoryRec& category : cache)
        ids.push_back(category.id);
    EXPECT_EQ(ids, std::vector<int>({3, 7, 12, 40}));
}
