#include "desktop/DiskPageRows.h"
#include "desktop/DiskPagesFixture.h"
#include "desktop/QuorvaneFrame.h"
#include "mobile/MountedDisk.h"
#include "support/RawNames.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QToolButton>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

// A file system mounted for one test, always unmounted again.
class ScopedMount
{
public:
    ~ScopedMount()
    {
        if (m_point.isEmpty())
            return;
        if (m_fuse)
            QProcess::execute("fusermount", {"-u", m_point});
        else
            ::umount2(QFile::encodeName(m_point).constData(), MNT_DETACH);
    }

    // Empty on success, else why the machine refused.
    QString mountFat(const QString& image, const QString& point)
    {
        QDir().mkpath(point);
        QProcess make;
        make.start("mkfs.vfat", {"-C", image, "65536"});
        if (!make.waitForFinished(30000) || make.exitCode() != 0)
            return "mkfs.vfat failed: " + QString::fromLocal8Bit(make.readAllStandardError());
        QProcess fuse;
        fuse.setProcessEnvironment(fusefatEnvironment());
        fuse.start("fusefat", {"-o", "rw+", image, point});
        if (!fuse.waitForFinished(30000) || fuse.exitCode() != 0)
            return "fusefat refused the mount: " + QString::fromLocal8Bit(fuse.readAllStandardError());
        m_point = point;
        m_fuse = true;
        return mounted(point) ? QString() : "fusefat did not mount " + point;
    }

    QString mountTmpfs(const QString& point, const char* options)
    {
        QDir().mkpath(point);
        if (::mount("tmpfs", QFile::encodeName(point).constData(), "tmpfs", 0, options) != 0)
            return QString("tmpfs mount refused: ") + std::strerror(errno);
        m_point = point;
        return QString();
    }

private:
    static bool mounted(const QString& point) { return platform::sys::mountRoot(point) == point + '/'; }

    QString m_point;
    bool m_fuse = false;
};

} // namespace

class BackupOnDisksTest : public DiskPagesFixture
{
protected:
    ~BackupOnDisksTest() override
    {
        // Nothing of the program may hold the disk when it is unmounted.
        form.reset();
        Application::releaseForms();
    }

    QString scratch() const { return QFileInfo(programFolder() + "..").canonicalFilePath(); }

    // Puts the program folder on the mounted disk and starts the window there; from then on
    // platform::sys::programFolder() is the one on the disk.
    void runFrom(const QString& disk)
    {
        platform::sys::setProgramFolder(disk + "/Tessary/");
        QDir().mkpath(disk + "/Tessary");
        startForm(false);
    }

    void restoreInto(const QString& name, const QString& target)
    {
        frame()->QuorvaneFrame1->sbRestore->click();
        for (int i = 0; i < frame()->RestoreListView->count(); ++i)
            if (frame()->RestoreListView->item(i)->data(Qt::UserRole).toString() == name)
                frame()->RestoreListView->setCurrentRow(i);
        frame()->Restore_Analyse_Btn->click();
        dialogs.queueMessageAnswer(platform::dialogs::Ok);
        dialogs.queueFolder(target);
        frame()->Restore_Button->click();
    }

    ScopedMount disk;
};

TEST_F(BackupOnDisksTest, BackupAndRestoreThroughAFatDiskKeepEveryFileAndItsTime)
{
    const QString fat = scratch() + "/fat";
    if (const QString refused = disk.mountFat(scratch() + "/fat.img", fat); !refused.isEmpty())
        GTEST_SKIP() << refused.toStdString();
    runFrom(fat);
    makeSourceTree();
    // Two names that FAT takes for one.
    writeFile(projects + "/Docs/a.txt", "upper", 1600000011);
    writeFile(projects + "/docs/a.txt", "lower", 1600000013);
    // Names that are not UTF-8, which FAT refuses.
    writeRawFile(projects.toUtf8() + "/caf\xe9.txt", "latin", 1600000014);
    writeRawFile(projects.toUtf8() + "/d\xfcr/n.txt", "below", 1600000015);
    addUserFolder(projects);
    frame()->Analyse_Bn->click();
    frame()->Backup_Btn->click();

    const QStringList sources = column(rows(), diskpage::FileColumn);
    const qsizetype upper = sources.indexOf(projects + "/Docs/a.txt");
    const qsizetype lower = sources.indexOf(projects + "/docs/a.txt");
    const QString first = sources[qMin(upper, lower)];
    const QString second = sources[qMax(upper, lower)];
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Backup Finish ,0(Minutes)\n3 files were not copied.");
    EXPECT_EQ(logLines(frame()->ActionMemo, "Failed:" + second).size(), 1);
    EXPECT_EQ(logLines(frame()->ActionMemo, "Failed:" + projects + "/caf" + QChar(0xDCE9) + ".txt"),
              QStringList{"Failed:" + projects + "/caf" + QChar(0xDCE9) + ".txt (Operation not permitted)"});
    EXPECT_EQ(replacedNames(fat), QStringList());

    const QString backup = platform::sys::programFolder() + "20261207091530";
    for (int i = 0; i < rows()->topLevelItemCount(); ++i) {
        const QString source = rows()->topLevelItem(i)->text(diskpage::FileColumn);
        const QString target = rows()->topLevelItem(i)->text(diskpage::TargetColumn);
        if (rows()->topLevelItem(i)->text(diskpage::StateColumn) != "finished" && source != second)
            continue;
        SCOPED_TRACE(source.toStdString());
        EXPECT_EQ(readFile(target), readFile(source == second ? first : source));
        EXPECT_LE(std::abs(modifiedSeconds(target) - modifiedSeconds(source == second ? first : source)), 2);
    }

    const QString restored = scratch() + "/restored";
    QDir().mkpath(restored);
    restoreInto("20261207091530", restored);
    const QMap<QString, QByteArray> onDisk = contents(backup);
    EXPECT_EQ(onDisk.size(), 7);
    EXPECT_EQ(contents(restored), onDisk);
    EXPECT_LE(std::abs(modifiedSeconds(restored + "/Dokumente/sub/deeper/c.txt") - 1600000004), 2);
    EXPECT_LE(std::abs(modifiedSeconds(restored + projects + "/x.txt") - 1600000006), 2);
}

struct FullDiskCase
{
    int filesAfter; // listed after the file that does not fit
    const char* note;
    const char* logTail;
};

class BackupOnAFullDiskTest : public BackupOnDisksTest, public ::testing::WithParamInterface<FullDiskCase>
{
};

TEST_P(BackupOnAFullDiskTest, AFullDiskStopsTheBackupAndKeepsWhatIsAlreadyThere)
{
    const QString small = scratch() + "/small";
    if (const QString refused = disk.mountTmpfs(small, "size=512k"); !refused.isEmpty())
        GTEST_SKIP() << refused.toStdString();
    runFrom(small);
    QByteArray old(100 * 1024, 'o');
    writeFile(platform::sys::programFolder() + "20250101000000/Dokumente/old.txt", old, 1500000000);
    QRandomGenerator random(7);
    const auto randomData = [&random](int size) {
        QByteArray data(size, Qt::Uninitialized);
        for (char& c : data)
            c = char(random.bounded(256));
        return data;
    };
    // Three fit beside the old backup; the picture, scanned after them, does not, and the files of
    // the user's folder, scanned last, are never tried.
    for (int i = 0; i < 3; ++i)
        writeFile(documents + QString("/file%1.bin").arg(i), randomData(100 * 1024), 1600000000 + i);
    writeFile(pictures + "/large.bin", randomData(300 * 1024), 1600000010);
    for (int i = 0; i < GetParam().filesAfter; ++i)
        writeFile(projects + QString("/after%1.txt").arg(i), "after", 1600000020 + i);
    if (GetParam().filesAfter > 0)
        addUserFolder(projects);
    frame()->Analyse_Bn->click();
    frame()->Backup_Btn->click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QString("Backup Finish ,0(Minutes)\n") + GetParam().note + " The disk is full.");
    EXPECT_EQ(
        logLines(frame()->ActionMemo, "Failed:"),
        QStringList{"Failed:" + pictures + "/large.bin (No space left on device)" + GetParam().logTail});
    int finished = 0;
    for (int i = 0; i < rows()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = rows()->topLevelItem(i);
        if (row->text(diskpage::StateColumn) != "finished")
            continue;
        ++finished;
        EXPECT_EQ(readFile(row->text(diskpage::TargetColumn)), readFile(row->text(diskpage::FileColumn)));
    }
    EXPECT_EQ(finished, 3);
    EXPECT_EQ(readFile(platform::sys::programFolder() + "20250101000000/Dokumente/old.txt"), old);
    for (QDirIterator it(small, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        EXPECT_FALSE(it.next().contains(".tessary-copy-")) << it.filePath().toStdString();
}

INSTANTIATE_TEST_SUITE_P(FilesLeft, BackupOnAFullDiskTest,
                         ::testing::Values(FullDiskCase{0, "1 file was not copied.", "; 1 file not copied"},
                                           FullDiskCase{2, "3 files were not copied.",
                                                        "; 3 files not copied"}),
                         [](const auto& info) { return info.param.filesAfter == 0 ? "One" : "Three"; });

TEST_F(BackupOnDisksTest, NamesThatAreNotUtf8AreBackedUpAndRestoredUnderTheirOwnBytes)
{
    startForm(false);
    const QByteArray source = projects.toUtf8();
    writeRawFile(source + "/caf\xe9.txt", "latin", 1600000021);
    writeRawFile(source + "/d\xfcr/caf\xe9.txt", "below", 1600000022);
    writeRawFile(source + "/d\xfcr/ok.txt", "valid", 1600000023);
    addUserFolder(projects);
    frame()->Analyse_Bn->click();
    frame()->Backup_Btn->click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Backup Finish ,0(Minutes)");
    const QByteArray backup = (platform::sys::programFolder() + "20261207091530").toUtf8() + source;
    EXPECT_EQ(readRawFile(backup + "/caf\xe9.txt"), "latin");
    EXPECT_EQ(readRawFile(backup + "/d\xfcr/caf\xe9.txt"), "below");
    EXPECT_EQ(readRawFile(backup + "/d\xfcr/ok.txt"), "valid");
    EXPECT_EQ(replacedNames(platform::sys::programFolder()), QStringList());

    const QString restored = scratch() + "/restored";
    QDir().mkpath(restored);
    restoreInto("20261207091530", restored);
    const QByteArray back = restored.toUtf8() + source;
    EXPECT_EQ(readRawFile(back + "/caf\xe9.txt"), "latin");
    EXPECT_EQ(readRawFile(back + "/d\xfcr/caf\xe9.txt"), "below");
    EXPECT_EQ(readRawFile(back + "/d\xfcr/ok.txt"), "valid");
    EXPECT_EQ(replacedNames(restored), QStringList());
    EXPECT_EQ(column(frame()->RestoreProcessListView, diskpage::StateColumn), QStringList(3, "finished"));
}
