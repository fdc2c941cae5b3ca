#include "platform/SystemInfo.h"

#include "support/ChildProcess.h"
#include "support/TessaryTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <sched.h>
#include <unistd.h>

using namespace platform::sys;

class SystemInfoTest : public TessaryTest
{
};

TEST_F(SystemInfoTest, TheProgramFolderAlwaysEndsInASlash)
{
    // Unqualified, programFolder() would be the fixture's own.
    setProgramFolder("/media/disk/Tessary");
    EXPECT_EQ(platform::sys::programFolder(), "/media/disk/Tessary/");
    setProgramFolder(QString());
    EXPECT_EQ(platform::sys::programFolder(), QCoreApplication::applicationDirPath() + "/");
}

TEST(MountRootFrom, ChoosesTheDeepestMountPointHoldingThePath)
{
    const QString mountInfo = "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
                              "27 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                              "40 27 8:17 / /mnt/disk rw,relatime shared:5 master:2 - vfat /dev/sdb1 rw\n"
                              "41 27 8:33 / /mnt/disk2 rw - vfat /dev/sdc1 rw\n"
                              "42 27 8:49 / /media/USB\\040Flash\\134Disk rw - vfat /dev/sdd1 rw\n"
                              "43 42 0:50 /sub /media/USB\\040Flash\\134Disk/inner rw - tmpfs tmpfs rw\n";
    const struct
    {
        const char* path;
        const char* root;
    } cases[] = {
        {"/home/user", "/"},
        {"/mnt/disk", "/mnt/disk/"},
        {"/mnt/disk/Tessary", "/mnt/disk/"},
        {"/mnt/disk2/Tessary", "/mnt/disk2/"},
        {"/mnt/diskette", "/"},
        {"/media/USB Flash\\Disk/Tessary", "/media/USB Flash\\Disk/"},
        {"/media/USB Flash\\Disk/inner/x", "/media/USB Flash\\Disk/inner/"},
        {"/proc", "/proc/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(mountRootFrom(mountInfo, c.path), c.root);
    }
    EXPECT_EQ(mountRootFrom(QString(), "/mnt/disk"), "/");
}

TEST_F(SystemInfoTest, TheDriveRootHoldsTheProgramFolder)
{
    const QString canonical = QFileInfo(programFolder()).canonicalFilePath() + "/";
    const QString root = driveRoot();
    EXPECT_TRUE(root.endsWith('/'));
    EXPECT_TRUE(canonical.startsWith(root)) << root.toStdString();
    // A file still to be made lies on the disk of its folder.
    EXPECT_EQ(mountRoot(programFolder() + "not/yet/made.txt"), root);
}

TEST_F(SystemInfoTest, DiskFreeSpaceProductsMatchTheByteCounts)
{
    // Other tests write files meanwhile: take readings that no change of the disk came between.
    std::optional<DiskFreeSpace> space;
    std::optional<DiskFreeSpaceEx> bytes;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto before = diskFreeSpaceEx(programFolder());
        space = diskFreeSpace(programFolder());
        bytes = diskFreeSpaceEx(programFolder());
        if (before && bytes && before->freeBytesAvailable == bytes->freeBytesAvailable)
            break;
    }
    ASSERT_TRUE(space && bytes);
    const std::uint64_t cluster = space->sectorsPerCluster * space->bytesPerSector;
    EXPECT_GT(cluster, 0u);
    EXPECT_EQ(space->freeClusters * cluster, bytes->freeBytesAvailable);
    EXPECT_EQ(space->totalClusters * cluster, bytes->totalBytes);
    EXPECT_GE(bytes->totalFreeBytes, bytes->freeBytesAvailable);
    EXPECT_GE(bytes->totalBytes, bytes->totalFreeBytes);

    EXPECT_EQ(diskFreeSpace(programFolder() + "missing/"), std::nullopt);
    EXPECT_EQ(diskFreeSpaceEx(programFolder() + "missing/"), std::nullopt);
}

TEST_F(SystemInfoTest, ComputerAndUserNamesAreKnown)
{
    EXPECT_EQ(computerName(), QSysInfo::machineHostName());
    const auto user = userName();
    ASSERT_TRUE(user);
    EXPECT_FALSE(user->isEmpty());
}

TEST(ComputerName, EveryHostNameTheSystemAllowsComesWhole)
{
    // The host name is changed only in a UTS namespace of a child process of its own.
    const QByteArray longest(HOST_NAME_MAX, 'h');
    const QByteArray answer = answerOfChild([&longest] {
        if (::unshare(CLONE_NEWUTS) == 0 && ::sethostname(longest.constData(), longest.size()) == 0)
            return computerName().value_or("<none>").toUtf8();
        return QByteArray("<no namespace>");
    });
    if (answer == "<no namespace>")
        GTEST_SKIP() << "no right to make a UTS namespace here";
    EXPECT_EQ(answer, longest);
}
