#include "mobile/MountedDisk.h"
#include "mobile/SyncFiles.h"
#include "platform/Files.h"
#include "platform/FolderEntries.h"
#include "support/TessaryTest.h"
#include "support/TracedChild.h"

using namespace platform::files;

namespace {

QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({".tessary-copy-*"}, QDir::Files | QDir::Hidden);
}

QByteArray statusOf(const CopyResult& result)
{
    return QByteArray::number(int(result.status));
}

const QByteArray Copied = QByteArray::number(int(CopyStatus::Copied));

} // namespace

class HeldLeftoversTest : public TessaryTest
{
protected:
    HeldLeftoversTest() : source(programFolder() + "source.txt")
    {
        // By the time a copy renames its temporary, the temporary bears this old time.
        makeFile(source, "the new content", 1500000000);
    }

    const QString source;
};

// A second copy of the organiser sweeps a folder while the first one's copy into it is about to
// rename its temporary: on the disk of the kernel's own and on a FAT stick through FUSE.
TEST_F(HeldLeftoversTest, ACopyInProgressInAnotherProgramKeepsItsTemporaryUntilItIsCutShort)
{
    MountedDisk fat(MountedDisk::Kind::Fat, programFolder() + "stick", 8);
    QStringList folders = {programFolder() + "disk"};
    if (fat.mounted())
        folders << programFolder() + "stick";
    for (const QString& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        const QString target = folder + "/target.txt";
        makeFile(target, "old", 1600000000);
        const auto copy = [&] { return statusOf(copyFile(source, target)); };

        TracedChild copying(copy);
        ASSERT_TRUE(copying.stopBefore(TracedChild::Call::Rename, ".tessary-copy-"));
        ASSERT_EQ(leftovers(folder).size(), 1);
        listFolder(folder, true);
        removeLeftovers(folder);
        EXPECT_EQ(leftovers(folder).size(), 1);
        EXPECT_EQ(copying.finish(), Copied);
        EXPECT_EQ(contentsOf(target), "the new content");
        EXPECT_TRUE(leftovers(folder).isEmpty());

        // Cut short, it holds the temporary no longer.
        TracedChild cutShort(copy);
        ASSERT_TRUE(cutShort.stopBefore(TracedChild::Call::Rename, ".tessary-copy-"));
        cutShort.kill();
        ASSERT_EQ(leftovers(folder).size(), 1);
        removeLeftovers(folder);
        EXPECT_TRUE(leftovers(folder).isEmpty());
    }

    // A new target is an unnamed file; where another file takes the target's name meanwhile, it
    // passes under a temporary name on its way there.
    const QString fresh = programFolder() + "disk/fresh.txt";
    TracedChild placing([&] { return statusOf(copyFile(source, fresh)); });
    ASSERT_TRUE(placing.stopBefore(TracedChild::Call::Link, "fresh.txt"));
    makeFile(fresh, "made meanwhile", 1600000000);
    ASSERT_TRUE(placing.stopBefore(TracedChild::Call::Rename, ".tessary-copy-"));
    removeLeftovers(programFolder() + "disk");
    EXPECT_EQ(placing.finish(), Copied);
    EXPECT_EQ(contentsOf(fresh), "the new content");

    if (!fat.mounted())
        GTEST_SKIP() << "no FAT disk: " << fat.reason().toStdString();
}
