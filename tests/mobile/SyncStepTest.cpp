#include "mobile/MountedDisk.h"
#include "mobile/PelloranFrameFixture.h"
#include "mobile/SyncFiles.h"
#include "support/RawNames.h"
#include "support/TimeZone.h"

#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <sys/stat.h>

namespace {

std::int64_t modifiedOf(const QString& path)
{
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
}

QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({".tessary-copy-*"}, QDir::Files | QDir::Hidden);
}

} // namespace

class SyncStepTest : public PelloranFrameFixture, public ::testing::WithParamInterface<MountedDisk::Kind>
{
protected:
    SyncStepTest()
        : pc(homeFolder() + "/pc/"), mobileMount(homeFolder() + "/disk"), mobile(mobileMount + "/Sync/")
    {
    }

    void SetUp() override
    {
        if (GetParam() != MountedDisk::Kind::Fat)
            return;
        fat = std::make_unique<MountedDisk>(MountedDisk::Kind::Fat, mobileMount, 8);
        if (!fat->mounted())
            GTEST_SKIP() << "no FAT disk: " << fat->reason().toStdString();
    }

    const QString pc;
    const QString mobileMount;
    const QString mobile;
    std::unique_ptr<MountedDisk> fat; // on the FAT run
};

// Everything the two sides differ in, both ways, with sub-folders; one row deselected by hand.
TEST_P(SyncStepTest, SelectedRowsAreCopiedAndANewAnalysisFindsBothSidesEqual)
{
    const std::int64_t noon = localSeconds(2023, 4, 5, 12, 0, 0);
    makeFile(pc + "a.txt", "new on the PC", noon + 120);
    makeFile(mobile + "a.txt", "old", noon);
    makeFile(pc + "sub/b.txt", "only on the PC", noon);
    makeFile(pc + "skip.txt", "deselected", noon);
    makeFile(pc + "old.txt", "old", noon);
    makeFile(mobile + "old.txt", "new on the disk", noon + 120);
    makeFile(mobile + "dsub/deeper/c.txt", "only on the disk", noon + 7);
    // Left by copies cut short, on both sides.
    makeFile(mobile + ".tessary-copy-Ab3xY9", "fragment", noon);
    makeFile(pc + "sub/.tessary-copy-Qw3rty", "fragment", noon);

    setPair(pc, mobile, 1, true);
    frame->actAnalyse->trigger();
    EXPECT_EQ(rowOf(".tessary-copy-Ab3xY9"), -1);
    EXPECT_EQ(rowOf("sub/.tessary-copy-Qw3rty"), -1);
    EXPECT_TRUE(leftovers(mobile).isEmpty());
    EXPECT_TRUE(leftovers(pc + "sub").isEmpty());
    EXPECT_EQ(frame->pbPC->maximum(), 3);
    EXPECT_EQ(frame->pbUsb->maximum(), 2);
    EXPECT_TRUE(frame->tbSync->isEnabled());
    pressRow("skip.txt");
    EXPECT_FALSE(row("skip.txt").Selected);
    pressRow("skip.txt");
    EXPECT_TRUE(row("skip.txt").Selected);
    pressRow("skip.txt");
    doubleClickRow("skip.txt");
    EXPECT_FALSE(row("skip.txt").Selected) << "each press of a double-click toggles";

    frame->actSync->trigger();
    EXPECT_EQ(shownMessages(), QStringList{"Synchronize completed."});
    EXPECT_EQ(frame->pbPC->value(), 2);
    EXPECT_EQ(frame->pbUsb->value(), 2);
    EXPECT_EQ(contentsOf(mobile + "a.txt"), "new on the PC");
    EXPECT_EQ(contentsOf(mobile + "sub/b.txt"), "only on the PC");
    EXPECT_EQ(contentsOf(pc + "old.txt"), "new on the disk");
    EXPECT_EQ(contentsOf(pc + "dsub/deeper/c.txt"), "only on the disk");
    EXPECT_EQ(modifiedOf(pc + "dsub/deeper/c.txt"), modifiedOf(mobile + "dsub/deeper/c.txt"));
    EXPECT_FALSE(QFileInfo::exists(mobile + "skip.txt"));

    dialogs.messages.clear();
    frame->actAnalyse->trigger();
    for (const TSyncRow& r : frame->fileList()->rows()) {
        const char expected = r.Name == "skip.txt" ? '>' : r.Folder ? 'D' : '=';
        EXPECT_EQ(r.Mark, expected) << r.Name.toStdString();
    }
    EXPECT_EQ(frame->statusPanel(1)->text(), "PC Changed: 1");
    EXPECT_EQ(frame->statusPanel(2)->text(), "Mobile Changed: 0");
}

// Names that are not UTF-8 both ways, in a folder only one side has: copied where the disk takes
// such names, failed and counted where it refuses them (FAT), and never renamed on the way.
TEST_P(SyncStepTest, NamesThatAreNotUtf8AreComparedAndCopiedUnderTheirOwnBytes)
{
    QDir().mkpath(mobile);
    const std::int64_t noon = localSeconds(2023, 4, 5, 12, 0, 0);
    const QByteArray rawPc = pc.toUtf8();
    const QByteArray rawMobile = mobile.toUtf8();
    writeRawFile(rawPc + "caf\xe9.txt", "newer on the PC", noon + 120);
    writeRawFile(rawPc + "d\xfcr/n\xe4.txt", "in a new folder", noon);
    if (!fat) {
        writeRawFile(rawMobile + "caf\xe9.txt", "old", noon);
        writeRawFile(rawMobile + "na\xefve.txt", "only on the disk", noon);
    }
    const QString cafe = "caf" + QString(QChar(0xDCE9)) + ".txt";
    const QString inFolder = "d" + QString(QChar(0xDCFC)) + "r/n" + QString(QChar(0xDCE4)) + ".txt";

    setPair(pc, mobile, 1, true);
    frame->actAnalyse->trigger();
    EXPECT_EQ(row(cafe).Mark, '>');
    EXPECT_EQ(row(cafe).MobileName, fat ? QString() : cafe);
    EXPECT_EQ(row(inFolder).Mark, '>');
    frame->actSync->trigger();

    if (fat) {
        EXPECT_EQ(shownMessages(),
                  QStringList{"Synchronize completed, but 2 of the selected files could not be copied."});
        EXPECT_EQ(replacedNames(mobileMount), QStringList());
        EXPECT_TRUE(leftovers(mobile).isEmpty());
        return;
    }
    EXPECT_EQ(shownMessages(), QStringList{"Synchronize completed."});
    EXPECT_EQ(readRawFile(rawMobile + "caf\xe9.txt"), "newer on the PC");
    EXPECT_EQ(readRawFile(rawMobile + "d\xfcr/n\xe4.txt"), "in a new folder");
    EXPECT_EQ(readRawFile(rawPc + "na\xefve.txt"), "only on the disk");
    EXPECT_EQ(replacedNames(pc) + replacedNames(mobile), QStringList());
    frame->actAnalyse->trigger();
    for (const TSyncRow& r : frame->fileList()->rows())
        EXPECT_EQ(r.Mark, r.Folder ? 'D' : '=') << r.Name.toStdString();
    EXPECT_EQ(frame->fileList()->rows().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(MobileDisk, SyncStepTest,
                         ::testing::Values(MountedDisk::Kind::Tmpfs, MountedDisk::Kind::Fat),
                         [](const auto& info) {
                             return info.param == MountedDisk::Kind::Fat ? "Fat" : "SameDisk";
                         });

class SyncStepFailureTest : public PelloranFrameFixture
{
protected:
    const QString pc = homeFolder() + "/pc/";
};

TEST_F(SyncStepFailureTest, AFullDiskStopsTheStepWithItsMessageAndLosesNothing)
{
    const QString pcMount = homeFolder() + "/small";
    MountedDisk small(MountedDisk::Kind::Tmpfs, pcMount, 1);
    if (!small.mounted())
        GTEST_SKIP() << "no small disk: " << small.reason().toStdString();
    const QString mobile = homeFolder() + "/disk/";
    const std::int64_t noon = localSeconds(2023, 4, 5);
    const QByteArray block(400 * 1024, 'x');
    makeFile(pcMount + "/kept.txt", "already here", noon);
    makeFile(mobile + "1.bin", block, noon);
    makeFile(mobile + "2.bin", block, noon);
    makeFile(mobile + "3.bin", block, noon);

    setPair(pcMount + "/", mobile, 2, false);
    frame->actAnalyse->trigger();
    ASSERT_EQ(frame->pbUsb->maximum(), 3);
    frame->actSync->trigger();

    const QStringList messages = shownMessages();
    ASSERT_EQ(messages.size(), 2) << messages.join(" | ").toStdString();
    EXPECT_TRUE(QRegularExpression("^Disk " + QRegularExpression::escape(pcMount) +
                                   "/ is full\\. \\( [0-9,]+ bytes free\\)$")
                    .match(messages[0])
                    .hasMatch())
        << messages[0].toStdString();
    EXPECT_EQ(messages[1], "Synchronize did not complete.");
    EXPECT_EQ(contentsOf(pcMount + "/kept.txt"), "already here");
    EXPECT_TRUE(leftovers(pcMount).isEmpty());
    int copied = 0;
    for (const char* name : {"1.bin", "2.bin", "3.bin"}) {
        if (!QFileInfo::exists(pcMount + '/' + name))
            continue;
        ++copied;
        EXPECT_EQ(contentsOf(pcMount + '/' + name), block) << name;
    }
    EXPECT_EQ(copied, 2);
    EXPECT_EQ(frame->pbUsb->value(), copied);
}

TEST_F(SyncStepFailureTest, UncopyableFilesAreSkippedCountedAndReported)
{
    // The Mobile Disk folder is the program folder itself, with the open database in it.
    const QString mobile = programFolder();
    makeFile(mobile + "desktop.mdb", "the open database", localSeconds(2020, 1, 1));
    const std::int64_t noon = localSeconds(2023, 4, 5);
    makeFile(pc + "desktop.mdb", "a newer database", noon);
    makeFile(pc + "gone.txt", "removed after the analysis", noon);
    makeFile(pc + "fine.txt", "copied", noon);
    makeFile(mobile + "read-only.txt", "marked read-only", localSeconds(2020, 1, 1));
    ASSERT_EQ(::chmod(QFile::encodeName(mobile + "read-only.txt").constData(), 0444), 0);
    makeFile(pc + "read-only.txt", "newer", noon);

    setPair(pc, mobile, 0, false);
    frame->actAnalyse->trigger();
    ASSERT_TRUE(row("desktop.mdb").Selected);
    QFile::remove(pc + "gone.txt");
    frame->actSync->trigger();

    EXPECT_EQ(shownMessages(),
              QStringList{"Synchronize completed, but 3 of the selected files could not be copied."});
    EXPECT_EQ(contentsOf(mobile + "desktop.mdb"), "the open database");
    EXPECT_EQ(contentsOf(mobile + "read-only.txt"), "marked read-only");
    EXPECT_EQ(contentsOf(mobile + "fine.txt"), "copied");
}

TEST_F(SyncStepFailureTest, NamesDifferingOnlyInCaseNeverReplaceEachOtherOnFat)
{
    const QString mount = homeFolder() + "/fat";
    MountedDisk fat(MountedDisk::Kind::Fat, mount, 8);
    if (!fat.mounted())
        GTEST_SKIP() << "no FAT disk: " << fat.reason().toStdString();
    const std::int64_t noon = localSeconds(2023, 4, 5);
    makeFile(pc + "Note.txt", "first", noon);
    makeFile(pc + "NOTE.TXT", "second", noon);
    makeFile(pc + "readme.txt", "the PC's", noon + 60);
    makeFile(mount + "/README.TXT", "the disk's", noon);

    setPair(pc, mount + "/", 0, false);
    frame->actAnalyse->trigger();
    EXPECT_EQ(row("readme.txt").MobileName, "README.TXT");
    EXPECT_FALSE(row("readme.txt").Selected) << "a copy over it would rename the disk's file";
    ASSERT_TRUE(row("Note.txt").Selected);
    ASSERT_TRUE(row("NOTE.TXT").Selected);
    frame->actSync->trigger();

    EXPECT_EQ(shownMessages(),
              QStringList{"Synchronize completed, but 1 of the selected files could not be copied."});
    const QByteArray kept = contentsOf(mount + "/note.txt");
    const QString first =
        frame->fileList()->rows()[std::size_t(std::min(rowOf("Note.txt"), rowOf("NOTE.TXT")))].Name;
    EXPECT_EQ(kept, contentsOf(pc + first)) << "the first copy stays";
    EXPECT_EQ(contentsOf(mount + "/README.TXT"), "the disk's");
}

TEST_F(SyncStepFailureTest, TimesFatCannotHoldAreStoredAsTheAnalysisComparesThem)
{
    const QString mount = homeFolder() + "/fat";
    MountedDisk fat(MountedDisk::Kind::Fat, mount, 8);
    if (!fat.mounted())
        GTEST_SKIP() << "no FAT disk: " << fat.reason().toStdString();
    // The stand-in for the disk keeps local times of the zone UTC, and cannot hold a time before
    // 1980 there at all; a disk of the user's own zone holds 1980-01-01 00:00 of that zone.
    const struct
    {
        const char* zone;
        QStringList files;
    } cases[] = {{"UTC", {"1975.txt", "2110.txt"}}, {"Europe/Berlin", {"2110.txt"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        const TimeZoneScope zone(c.zone);
        const QString mobile = mount + "/" + c.zone + "/";
        for (const QString& name : c.files)
            makeFile(pc + c.zone + "/" + name, name.toUtf8(), localSeconds(name.left(4).toInt(), 6, 1));
        setPair(pc + c.zone + "/", mobile, 0, false);
        frame->actAnalyse->trigger();
        frame->actSync->trigger();
        frame->actAnalyse->trigger();
        for (const QString& name : c.files) {
            EXPECT_EQ(contentsOf(mobile + name), name.toUtf8());
            EXPECT_EQ(row(name).Mark, '=') << name.toStdString();
        }
    }
}
