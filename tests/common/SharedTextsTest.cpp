#include "common/SharedTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(SharedTextsTest, TableHolds173AscendingIdsWithinTheResourceRange)
{
    const QList<int> ids = SharedTexts::ids();
    ASSERT_EQ(ids.size(), 173);
    EXPECT_EQ(ids.front(), 64944);
    EXPECT_EQ(ids.back(), 65135);
    for (qsizetype i = 1; i < ids.size(); ++i)
        EXPECT_LT(ids[i - 1], ids[i]) << "at index " << i;
}

TEST(SharedTextsTest, EveryListedIdLoadsANonEmptyText)
{
    for (int id : SharedTexts::ids())
        EXPECT_FALSE(SharedTexts::load(id).isEmpty()) << "id " << id;
}

struct ExactText
{
    int id;
    const char* text;
};

// Blanks, misspellings, accelerators and placeholders that forms and users rely on.
const ExactText kExactTexts[] = {
    {65070, "Home   Phone"},
    {65117, "Edit Address Group "},
    {65024, "Edit Password Category "},
    {64983, "Crate &New Sync"},
    {64975, "The source path and destance path is the same."},
    {64947, "Syncronize fail."},
    {64944, "Disk %s is full. ( %.0n bytes free)"},
    {64945, "Mobile Disk is full. ( %.0n bytes free)"},
    {64967, "Total: %d"},
    {64968, "PC Changed: %d"},
    {64969, "Mobile Changed: %d"},
    {65039, "Category.."},
    {64988, "E&xit"},
    {65095, "Delete the group and move the contacts into others. (distribution lists)"},
};

TEST(SharedTextsTest, TextsKeepTheirExactWording)
{
    for (const ExactText& expected : kExactTexts)
        EXPECT_EQ(SharedTexts::load(expected.id), QString::fromLatin1(expected.text)) << "id " << expected.id;
}

TEST(SharedTextsTest, UnknownIdsGiveTheEmptyText)
{
    for (int id : {65072, 65073, 64948, 64959, 65101, 65120, 64943, 65136, 70000, 0, -1})
        EXPECT_TRUE(SharedTexts::load(id).isEmpty()) << "id " << id;
}

TEST(SharedTextsTest, SameWordingUnderSeveralIdsStaysSeparateEntries)
{
    const QList<int> ids = SharedTexts::ids();
    const QList<QList<int>> groups = {
        {64999, 65022, 65036, 65099},
        {65000, 65023, 65037, 65100},
        {65009, 65021, 65025, 65038, 65062, 65082, 65083, 65108},
        {65005, 65027, 65033, 65088, 65094},
        {65043, 65065, 65106, 65122, 65128},
    };
    for (const QList<int>& group : groups) {
        const QString wording = SharedTexts::load(group.front());
        for (int id : group) {
            EXPECT_TRUE(ids.contains(id)) << "id " << id;
            EXPECT_EQ(SharedTexts::load(id), wording) << "id " << id;
        }
    }
}

} // namespace
