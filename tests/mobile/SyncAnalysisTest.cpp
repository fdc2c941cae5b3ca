#include "mobile/SyncAnalysis.h"

#include "mobile/SyncFiles.h"
#include "support/TessaryTest.h"

#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Expected
{
    const char* name;
    char mark;
    // Pre-selected for directions 0, 1 and 2.
    bool selected[3];
};

std::map<QString, TSyncRow> byName(const std::vector<TSyncRow>& rows)
{
    std::map<QString, TSyncRow> map;
    for (const TSyncRow& row : rows) {
        EXPECT_EQ(map.count(row.Name), 0u) << "listed twice: " << row.Name.toStdString();
        map[row.Name] = row;
    }
    return map;
}

} // namespace

class SyncAnalysisTest : public TessaryTest
{
protected:
    SyncAnalysisTest() : pc(homeFolder() + "/pc/"), mobile(homeFolder() + "/disk/")
    {
        QDir().mkpath(pc);
        QDir().mkpath(mobile);
    }

    std::vector<TSyncRow> analyse(bool subFolders, int direction) const
    {
        TSyncAnalysis analysis(subFolders, syncTargets(direction));
        analysis.AnalyseFolders(pc, mobile);
        std::vector<TSyncRow> rows = analysis.takeRows();
        preselectRows(rows, direction);
        return rows;
    }

    const QString pc;
    const QString mobile;
};

TEST_F(SyncAnalysisTest, MarksAndPreselectionFollowTimesAndDirection)
{
    const std::int64_t noon = localSeconds(2021, 5, 6, 12, 0, 0);
    makeFile(pc + "pc-only.txt", "a", noon);
    makeFile(mobile + "disk-only.txt", "b", noon);
    makeFile(pc + "pc-newer.txt", "new", noon + 60);
    makeFile(mobile + "pc-newer.txt", "old", noon);
    makeFile(pc + "disk-newer.txt", "old", noon);
    makeFile(mobile + "disk-newer.txt", "new", noon + 60);
    makeFile(pc + "same-time-other-size.txt", "short", noon);
    makeFile(mobile + "same-time-other-size.txt", "much longer", noon);
    // Times within one 2-second step are the same time on the disk's file system.
    makeFile(pc + "same-step.txt", "x", noon);
    makeFile(mobile + "same-step.txt", "x", noon + 1);
    // Past 2043 the packed time has its top bit set; it is still the newer.
    makeFile(pc + "far-future.txt", "x", localSeconds(2050, 1, 1));
    makeFile(mobile + "far-future.txt", "x", localSeconds(2020, 1, 1));
    // Before 1980 the disk keeps its earliest time, so the two are one time.
    makeFile(pc + "before-1980.txt", "x", localSeconds(1975, 3, 1));
    makeFile(mobile + "before-1980.txt", "x", localSeconds(1980, 1, 1, 0, 0, 0));
    ASSERT_EQ(::symlink("pc-only.txt", QFile::encodeName(pc + "link.txt").constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(mobile + "fifo").constData(), 0600), 0);

    const Expected expected[] = {
        {"pc-only.txt", '>', {true, true, false}},
        {"disk-only.txt", '<', {false, true, true}},
        {"pc-newer.txt", '>', {true, true, false}},
        {"disk-newer.txt", '<', {false, true, true}},
        {"same-time-other-size.txt", '=', {false, false, false}},
        {"same-step.txt", '=', {false, false, false}},
        {"far-future.txt", '>', {true, true, false}},
        {"before-1980.txt", '=', {false, false, false}},
    };
    for (int direction : {-1, 0, 1, 2}) {
        SCOPED_TRACE(direction);
        // Left by copies cut short: a side is cleared of them only where the direction copies to.
        const QString leftover = ".tessary-copy-Ab3xY9";
        makeFile(pc + leftover, "fragment", noon);
        makeFile(mobile + leftover, "fragment", noon);
        const auto rows = byName(analyse(false, direction));
        EXPECT_EQ(rows.size(), std::size(expected)) << "links, FIFOs and leftovers are never listed";
        EXPECT_EQ(QFileInfo::exists(pc + leftover), direction != 1 && direction != 2);
        EXPECT_EQ(QFileInfo::exists(mobile + leftover), direction != 0 && direction != 1);
        for (const Expected& e : expected) {
            SCOPED_TRACE(e.name);
            ASSERT_EQ(rows.count(e.name), 1u);
            const TSyncRow& row = rows.at(e.name);
            EXPECT_EQ(row.Mark, e.mark);
            EXPECT_EQ(row.Selected, direction >= 0 && e.selected[direction]);
        }
    }
    const auto rows = byName(analyse(false, 1));
    EXPECT_EQ(rows.at("disk-only.txt").PcSize, -1);
    EXPECT_EQ(rows.at("disk-only.txt").MobileName, "disk-only.txt");
    EXPECT_TRUE(rows.at("pc-only.txt").MobileName.isEmpty());
    EXPECT_EQ(rows.at("same-time-other-size.txt").MobileSize, 11);
}

TEST_F(SyncAnalysisTest, FoldersAreListedOnlyWithSubFoldersEachOnceBeforeTheirContents)
{
    const std::int64_t noon = localSeconds(2022, 1, 2);
    makeFile(pc + "both/inner.txt", "pc", noon + 60);
    makeFile(mobile + "both/inner.txt", "disk", noon);
    makeFile(mobile + "both/disk-inner.txt", "disk", noon);
    makeFile(mobile + "disk-folder/one.txt", "1", noon);
    makeFile(mobile + "disk-folder/deeper/two.txt", "2", noon);
    makeFile(pc + "top.txt", "t", noon);
    // A link back up would be walked for ever if links were followed.
    ASSERT_EQ(::symlink("..", QFile::encodeName(pc + "both/loop").constData()), 0);

    EXPECT_EQ(analyse(false, 1).size(), 1u) << "without sub-folders only top.txt";

    const std::vector<TSyncRow> rows = analyse(true, 1);
    std::vector<std::pair<QString, char>> listed;
    for (const TSyncRow& row : rows)
        listed.emplace_back(row.Name, row.Mark);
    const auto position = [&](const QString& name) {
        for (std::size_t i = 0; i < listed.size(); ++i)
            if (listed[i].first == name)
                return int(i);
        return -1;
    };
    const auto rowsByName = byName(rows);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rowsByName.at("both").Mark, 'D');
    EXPECT_FALSE(rowsByName.at("both").Selected);
    EXPECT_EQ(rowsByName.at("both/inner.txt").Mark, '>');
    EXPECT_EQ(rowsByName.at("both/disk-inner.txt").Mark, '<');
    EXPECT_EQ(rowsByName.at("disk-folder").Mark, 'D');
    EXPECT_EQ(rowsByName.at("disk-folder/one.txt").Mark, '<');
    EXPECT_EQ(rowsByName.at("disk-folder/deeper").Mark, 'D');
    EXPECT_EQ(rowsByName.at("disk-folder/deeper/two.txt").Mark, '<');
    EXPECT_EQ(rowsByName.at("disk-folder/deeper/two.txt").MobileName, "disk-folder/deeper/two.txt");
    EXPECT_LT(position("both"), position("both/inner.txt"));
    EXPECT_LT(position("disk-folder"), position("disk-folder/one.txt"));
    EXPECT_LT(position("disk-folder/deeper"), position("disk-folder/deeper/two.txt"));
}

TEST(SyncDateTime, PackedTimesShowAsDateAndTimeInTwoSecondSteps)
{
    EXPECT_EQ(dosDateTimeText(packDosDateTime(localSeconds(2024, 2, 29, 23, 59, 59))), "2024/02/29 23:59:58");
    EXPECT_EQ(dosDateTimeText(packDosDateTime(localSeconds(1970, 1, 1, 0, 0, 0))), "1980/01/01 00:00:00");
    EXPECT_EQ(dosDateTimeText(packDosDateTime(localSeconds(2200, 1, 1))), "2107/12/31 23:59:58");
    EXPECT_GT(packDosDateTime(localSeconds(2044, 1, 1)), packDosDateTime(localSeconds(2043, 12, 31)));
}
