#include "platform/Files.h"

#include "platform/FileNames.h"
#include "platform/FolderEntries.h"
#include "platform/WindowsOS.h"
#include "support/ChildProcess.h"
#include "support/TessaryTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace platform::files;

namespace {

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(data), data.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray randomBytes(qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char& c : data)
        c = char(generator.bounded(256));
    return data;
}

void setModified(const QString& path, std::int64_t seconds)
{
    const struct timespec times[2] = {{seconds, 0}, {seconds, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({".tessary-copy-*"}, QDir::Files | QDir::Hidden);
}

void setMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

mode_t modeOf(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Bytes whose every 8-byte word holds its own offset from `from` on, so any slice is told apart.
QByteArray counted(qsizetype from, qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (qsizetype at = 0; at < size; at += 8) {
        const quint64 word = quint64(from + at);
        std::memcpy(data.data() + at, &word, size_t(std::min<qsizetype>(8, size - at)));
    }
    return data;
}

// The bytes the thread `tid` of this process has read so far.
std::int64_t bytesReadBy(pid_t tid)
{
    const QByteArray path = "/proc/self/task/" + QByteArray::number(tid) + "/io";
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    char text[512] = {};
    const ssize_t got = fd >= 0 ? ::read(fd, text, sizeof text - 1) : -1;
    if (fd >= 0)
        ::close(fd);
    return got > 6 && std::strncmp(text, "rchar:", 6) == 0 ? std::atoll(text + 6) : -1;
}

// While it lives, this thread loses root's right to read any folder, so permissions apply.
class WithoutReadOverride
{
public:
    WithoutReadOverride()
    {
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_dropped = ::syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~WithoutReadOverride()
    {
        if (m_dropped)
            ::syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};

} // namespace

class FilesTest : public TessaryTest
{
protected:
    QString root() const { return programFolder() + "tree"; }
};

TEST_F(FilesTest, WalkListsRegularFilesDepthFirstAndNeverFollowsLinksOrSpecialFiles)
{
    writeFile(root() + "/a.txt", "a");
    writeFile(root() + "/.hidden", "hh");
    writeFile(root() + "/sub/b.txt", "bbb");
    writeFile(root() + "/sub/deeper/c.txt", "cccc");
    writeFile(root() + "/other/d.txt", "d");
    writeFile(programFolder() + "outside/secret.txt", "s");
    ASSERT_EQ(::symlink("a.txt", QFile::encodeName(root() + "/link-to-file").constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(programFolder() + "outside").constData(),
                        QFile::encodeName(root() + "/link-to-folder").constData()),
              0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(root() + "/pipe").constData(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(root() + "/sock");
    ASSERT_LT(socketPath.size(), qsizetype(sizeof address.sun_path));
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    setModified(root() + "/sub/b.txt", 1500000000);

    // Through a link to the root, which is followed.
    const QString linkedRoot = programFolder() + "root-link";
    ASSERT_EQ(::symlink(QFile::encodeName(root()).constData(), QFile::encodeName(linkedRoot).constData()), 0);
    const WalkResult result = listFiles(linkedRoot);
    ::close(sock);

    QStringList paths;
    for (const FileEntry& entry : result.files)
        paths << entry.path.mid(linkedRoot.size());
    QStringList sorted = paths;
    sorted.sort();
    EXPECT_EQ(sorted, QStringList({"/.hidden", "/a.txt", "/other/d.txt", "/sub/b.txt", "/sub/deeper/c.txt"}));
    // Depth first: the files of each folder, its sub-folders' included, follow one another.
    const qsizetype subStart = paths.indexOf("/sub/b.txt");
    const qsizetype deeper = paths.indexOf("/sub/deeper/c.txt");
    EXPECT_EQ(std::abs(subStart - deeper), 1) << paths.join(' ').toStdString();
    EXPECT_TRUE(result.unreadable.isEmpty());
    for (const FileEntry& entry : result.files) {
        if (entry.path.endsWith("/sub/b.txt")) {
            EXPECT_EQ(entry.size, 3);
            EXPECT_EQ(entry.modifiedNs, 1500000000LL * 1000000000 + 123456789);
            EXPECT_EQ(entry.modified().toSecsSinceEpoch(), 1500000000);
        }
    }

    // Only the root's own files, and a root that is missing is reported, not fatal.
    EXPECT_EQ(listFiles(root(), false).files.size(), 2u);
    const WalkResult missing = listFiles(root() + "/nowhere");
    EXPECT_TRUE(missing.files.empty());
    EXPECT_EQ(missing.unreadable, QStringList{root() + "/nowhere"});
}

TEST_F(FilesTest, WalkReportsAnUnreadableFolderAndGoesOn)
{
    writeFile(root() + "/closed/x.txt", "x");
    writeFile(root() + "/open/y.txt", "y");
    ::chmod(QFile::encodeName(root() + "/closed").constData(), 0);
    WalkResult result;
    {
        WithoutReadOverride asUser;
        const int probe = ::open(QFile::encodeName(root() + "/closed").constData(), O_RDONLY | O_DIRECTORY);
        if (probe >= 0) {
            ::close(probe);
            ::chmod(QFile::encodeName(root() + "/closed").constData(), 0755);
            GTEST_SKIP() << "this user reads folders without read permission";
        }
        result = listFiles(root());
    }
    ::chmod(QFile::encodeName(root() + "/closed").constData(), 0755);
    ASSERT_EQ(result.files.size(), 1u);
    EXPECT_EQ(result.files[0].path, root() + "/open/y.txt");
    EXPECT_EQ(result.unreadable, QStringList{root() + "/closed"});
}

TEST_F(FilesTest, CopyIsByteIdenticalKeepsTimeAndModeAndReplacesTheTarget)
{
    const struct
    {
        const char* name;
        qsizetype size;
        mode_t mode;
    } cases[] = {{"empty", 0, 0640},
                 {"small.txt", 5, 0600},
                 {"large.bin", 3 * 1024 * 1024 + 17, 0755},
                 {"shared.txt", 3, 0666}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString source = root() + "/" + c.name;
        const QString target = programFolder() + "copy/" + c.name;
        writeFile(source, randomBytes(c.size));
        writeFile(target, "an older copy that is longer than some sources");
        ::chmod(QFile::encodeName(source).constData(), c.mode);
        setModified(source, 1234567890);

        const CopyResult result = copyFile(source, target);
        ASSERT_TRUE(result.ok()) << result.reason().toStdString();
        EXPECT_EQ(readFile(target), readFile(source));
        struct stat info;
        ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
        EXPECT_EQ(info.st_mtim.tv_sec, 1234567890);
        EXPECT_EQ(info.st_mtim.tv_nsec, 123456789);
        EXPECT_EQ(info.st_mode & 0777, c.mode);
    }
    // A new target, and one whose name is a link to nothing: the link is replaced, not followed.
    const QString fresh = programFolder() + "copy/fresh.txt",
                  dangling = programFolder() + "copy/dangling.txt";
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(dangling).constData()), 0);
    for (const QString& target : {fresh, dangling}) {
        ASSERT_TRUE(copyFile(root() + "/small.txt", target).ok()) << target.toStdString();
        EXPECT_EQ(readFile(target), readFile(root() + "/small.txt"));
        EXPECT_EQ(QFileInfo(target).lastModified().toSecsSinceEpoch(), 1234567890);
        EXPECT_FALSE(QFileInfo(target).isSymLink());
        struct stat info;
        ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
    }
    EXPECT_FALSE(QFileInfo::exists(programFolder() + "copy/nowhere"));
    EXPECT_TRUE(leftovers(programFolder() + "copy").isEmpty());
}

TEST_F(FilesTest, CopyRefusesToCopyAFileOntoItselfOrALink)
{
    const QString source = root() + "/one.txt";
    writeFile(source, "keep me");
    const QString hardLink = root() + "/two.txt";
    ASSERT_EQ(::link(QFile::encodeName(source).constData(), QFile::encodeName(hardLink).constData()), 0);
    const QString folderLink = programFolder() + "same-folder";
    ASSERT_EQ(::symlink(QFile::encodeName(root()).constData(), QFile::encodeName(folderLink).constData()), 0);
    for (const QString& target : {source, hardLink, folderLink + "/one.txt"}) {
        SCOPED_TRACE(target.toStdString());
        EXPECT_EQ(copyFile(source, target).status, CopyStatus::SameFile);
        EXPECT_EQ(readFile(source), "keep me");
    }
    const QString symbolic = root() + "/symbolic";
    ASSERT_EQ(::symlink("one.txt", QFile::encodeName(symbolic).constData()), 0);
    EXPECT_EQ(copyFile(symbolic, programFolder() + "x").status, CopyStatus::SourceNotRegular);
    EXPECT_EQ(copyFile(root() + "/missing", programFolder() + "x").status, CopyStatus::SourceUnreadable);
    EXPECT_EQ(copyFile(source, programFolder() + "no/such/folder/x").status, CopyStatus::TargetFailed);
    EXPECT_FALSE(QFileInfo::exists(programFolder() + "x"));
    EXPECT_TRUE(leftovers(root()).isEmpty());
}

TEST_F(FilesTest, ACopyFailingHalfWayLeavesTheOldTargetWholeAndNoPartialFile)
{
    const QString source = root() + "/big.bin";
    const QString target = programFolder() + "target.bin";
    writeFile(source, randomBytes(4 * 1024 * 1024));
    writeFile(target, "the previous copy");
    // The process may write no file beyond 1 MB: the copy fails after its first megabyte.
    struct rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = old;
    limited.rlim_cur = 1024 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const CopyResult result = copyFile(source, target);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(result.status, CopyStatus::TargetFailed);
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_FALSE(result.reason().isEmpty());
    EXPECT_EQ(readFile(target), "the previous copy");
    EXPECT_TRUE(leftovers(programFolder()).isEmpty());
}

TEST_F(FilesTest, FreeSpaceMeasuresTheNearestExistingFolder)
{
    const FreeSpace space = freeSpace(programFolder() + "not/made/yet/file.txt");
    EXPECT_GT(space.availableBytes, 0);
    EXPECT_TRUE(space.mountPoint.endsWith('/'));
    EXPECT_TRUE(QFileInfo(programFolder()).canonicalFilePath().startsWith(space.mountPoint.chopped(1)));
    EXPECT_TRUE(flushFileSystem(programFolder()));
    EXPECT_FALSE(flushFileSystem(programFolder() + "missing"));
}

TEST_F(FilesTest, TheSpaceCounterCountsDownWhatARunWritesAndReadsAgainWhenAFileWouldNotFit)
{
    const QString target = programFolder() + "not/made/yet/file.txt";
    const std::int64_t measured = availableBytes(target);
    ASSERT_GT(measured, 1 << 20);
    SpaceCounter space;
    const std::int64_t first = space.available(target, 1);
    EXPECT_NEAR(double(first), double(measured), double(measured) / 100);

    // A written file is counted in whole blocks, so the count falls by at least its size.
    space.wrote(target, 10000);
    EXPECT_LE(space.available(target, 1), first - 10000);
    EXPECT_LE(space.available(programFolder() + "not/made/yet/other.txt", 1), first - 10000);

    // Counted below what the next file needs, the space is read again from the file system.
    space.wrote(target, first / 2);
    EXPECT_LE(space.available(target, 1), first - first / 2);
    EXPECT_NEAR(double(space.available(target, first - 4096)), double(measured), double(measured) / 100);
}

TEST_F(FilesTest, TheTargetRegisterRefusesASecondSourceForOneTarget)
{
    // On a file system that keeps letter case, names differing in case are two files.
    writeFile(root() + "/Docs/a.txt", "1");
    writeFile(root() + "/docs/a.txt", "2");
    TargetRegister targets;
    targets.add("/src/Docs/a.txt", root() + "/Docs/a.txt");
    EXPECT_FALSE(targets.collides("/src/docs/a.txt", root() + "/docs/a.txt"));
    EXPECT_FALSE(targets.collides("/src/Docs/a.txt", root() + "/Docs/a.txt"));
    EXPECT_TRUE(targets.collides("/elsewhere/a.txt", root() + "/Docs/a.txt"));
    targets.clear();
    EXPECT_FALSE(targets.collides("/elsewhere/a.txt", root() + "/Docs/a.txt"));
}

TEST_F(FilesTest, NamesThatAreNotUtf8KeepTheirBytesFromTheWalkToTheCopy)
{
    // Latin-1, an overlong form, an encoded surrogate, a cut sequence, beyond U+10FFFF, valid
    // four bytes before an invalid one, and valid names (a BOM included) that must read as UTF-8.
    const QByteArray names[] = {"caf\xe9.txt",
                                "\xff\xfe",
                                "ov\xc0\xafr",
                                "sur\xed\xa0\x80",
                                "cut\xe2\x82",
                                "\xf4\x90\x80",
                                "mix\xf0\x9f\x98\x80\xe9",
                                "caf\xc3\xa9.txt",
                                "\xef\xbb\xbf"
                                "bom"};
    const QByteArray rawRoot = root().toUtf8();
    const QByteArray folder = "d\xfcr";
    ASSERT_EQ(::mkdir(rawRoot.constData(), 0755), 0);
    ASSERT_EQ(::mkdir((rawRoot + '/' + folder).constData(), 0755), 0);
    QSet<QByteArray> written;
    for (const QByteArray& name : names) {
        const QByteArray path = rawRoot + '/' + folder + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0) << path.toStdString();
        ASSERT_EQ(::write(fd, name.constData(), size_t(name.size())), name.size());
        ::close(fd);
        written.insert(path);
    }
    EXPECT_EQ(decodeName(QByteArray("caf\xc3\xa9.txt")), QString::fromUtf8("caf\xc3\xa9.txt"));
    EXPECT_EQ(decodeName(QByteArray("\xef\xbb\xbf"
                                    "bom")),
              QString(QChar(0xFEFF)) + "bom");
    // Case folding keeps the bytes: Qt's own folding turns a final one into U+FFFD.
    EXPECT_EQ(foldCase(decodeName("CAF\xe9")), foldCase(decodeName("caf\xe9")));
    EXPECT_NE(foldCase(decodeName("caf\xe9")), foldCase(decodeName("caf\xe8")));

    QSet<QByteArray> walked;
    const QString copies = programFolder() + "copies";
    TargetRegister targets;
    for (const FileEntry& entry : listFiles(root()).files) {
        walked.insert(encodeName(entry.path));
        const QString target = copies + entry.path.mid(root().size());
        ForceDirectoryPath(target.left(target.lastIndexOf('/') + 1));
        EXPECT_FALSE(targets.collides(entry.path, target)) << entry.path.toStdString();
        EXPECT_TRUE(copyFile(entry.path, target).ok()) << entry.path.toStdString();
        targets.add(entry.path, target);
    }
    EXPECT_EQ(walked, written);
    const std::vector<FolderEntry> listed = listFolder(root() + '/' + decodeName(folder));
    ASSERT_EQ(listed.size(), std::size(names));
    const QByteArray rawCopies = copies.toUtf8() + '/' + folder + '/';
    for (const FolderEntry& entry : listed) {
        const QByteArray name = encodeName(entry.name);
        EXPECT_TRUE(written.contains(rawRoot + '/' + folder + '/' + name)) << name.toHex().toStdString();
        EXPECT_TRUE(entryAt(root() + '/' + decodeName(folder), entry.name)) << name.toHex().toStdString();
        // The copy has the source's name, byte for byte, and its content.
        char content[64] = {};
        const int fd = ::open((rawCopies + name).constData(), O_RDONLY);
        EXPECT_GE(fd, 0) << name.toHex().toStdString();
        EXPECT_EQ(QByteArray(content, int(::read(fd, content, sizeof content))), name);
        ::close(fd);
    }
    EXPECT_EQ(listFolder(copies + '/' + decodeName(folder)).size(), std::size(names));
}

// A listing may read a folder the run only copies from, so only a sweep of a folder written into
// removes what a copy cut short left there.
TEST_F(FilesTest, ACopysTemporaryFilesAreNeverListedAndOnlyASweepRemovesThoseLeftBeforeIt)
{
    const QString folder = root();
    const QStringList others = {"a.txt", ".tessary-copy-notes.txt", ".tessary-copy-abc",
                                ".tessary-copy-ab_de9", ".tessary-copy-Ab3xY9x"};
    const QString stale = ".tessary-copy-Ab3xY9", writing = ".tessary-copy-Zz9Zz9";
    const auto names = [&](const auto& entries, auto nameOf) {
        QStringList listed;
        for (const auto& entry : entries)
            listed << nameOf(entry);
        return listed;
    };
    const struct
    {
        std::function<QStringList()> listing;
        bool sweeps;
    } listings[] = {
        {[&] {
             return names(listFiles(folder).files,
                          [&](const FileEntry& e) { return e.path.mid(folder.size() + 1); });
         },
         false},
        {[&] { return names(listFolder(folder), [](const FolderEntry& e) { return e.name; }); }, false},
        {[&] { return names(listFolder(folder, true), [](const FolderEntry& e) { return e.name; }); }, true},
        {[&] {
             removeLeftovers(folder);
             return others;
         },
         true},
    };
    for (const auto& [listing, sweeps] : listings) {
        for (const QString& name : others + QStringList{stale, writing})
            writeFile(folder + '/' + name, "x");
        // One left by a copy cut short, and one a copy is still writing.
        setModified(folder + '/' + stale, 1500000000);
        setModified(folder + '/' + writing, std::time(nullptr) + 3600);

        QStringList listed = listing();
        listed.sort();
        QStringList expected = others;
        expected.sort();
        EXPECT_EQ(listed, expected);
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        expected = others + QStringList{writing};
        if (!sweeps)
            expected << stale;
        expected.sort();
        EXPECT_EQ(left, expected);
    }
}

TEST_F(FilesTest, AReadOnlyTargetOrOneThisUserMayNotWriteIsNeverReplaced)
{
    // Root may write any file, yet a file marked read-only is not replaced, as on the platform
    // the program was written for. A copy of a read-only file is read-only in turn.
    const QString source = root() + "/new.txt", readOnlySource = root() + "/read-only.txt";
    writeFile(source, "new");
    writeFile(readOnlySource, "read-only");
    setMode(readOnlySource, 0444);
    const QString marked = programFolder() + "marked.txt", copied = programFolder() + "copied.txt";
    writeFile(marked, "kept");
    setMode(marked, 0444);
    const CopyResult refused = copyFile(source, marked);
    EXPECT_EQ(refused.status, CopyStatus::TargetReadOnly);
    EXPECT_EQ(refused.reason(), "the target file is read-only");
    EXPECT_EQ(readFile(marked), "kept");
    EXPECT_EQ(modeOf(marked), 0444u);
    ASSERT_TRUE(copyFile(readOnlySource, copied).ok());
    EXPECT_EQ(copyFile(source, copied).status, CopyStatus::TargetReadOnly);
    EXPECT_EQ(readFile(copied), "read-only");
    EXPECT_TRUE(leftovers(programFolder()).isEmpty());

    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can run the copy as another user";
    // As another user, in a folder it may write (where a rename would replace any file): its own
    // marked file, a file of root's, and its own writable file, which it does replace.
    constexpr uid_t Nobody = 65534;
    QTemporaryDir shared;
    ASSERT_TRUE(shared.isValid());
    setMode(shared.path(), 0777);
    const QString sharedSource = shared.path() + "/source.txt";
    writeFile(sharedSource, "new");
    const QString targets[] = {shared.path() + "/own-marked.txt", shared.path() + "/roots.txt",
                               shared.path() + "/own.txt"};
    for (const QString& target : targets)
        writeFile(target, "kept");
    setMode(targets[0], 0444);
    for (const QString& target : {targets[0], targets[2]})
        ASSERT_EQ(::chown(QFile::encodeName(target).constData(), Nobody, Nobody), 0);

    const QByteArray statuses = answerOfChild([&] {
        QByteArray answer;
        if (::setgroups(0, nullptr) == 0 && ::setgid(Nobody) == 0 && ::setuid(Nobody) == 0)
            for (const QString& target : targets)
                answer.append(char(copyFile(sharedSource, target).status));
        return answer;
    });
    ASSERT_EQ(statuses.size(), 3) << "the child could not become user " << Nobody;
    EXPECT_EQ(int(statuses[0]), int(CopyStatus::TargetReadOnly));
    EXPECT_EQ(int(statuses[1]), int(CopyStatus::TargetFailed));
    EXPECT_EQ(int(statuses[2]), int(CopyStatus::Copied));
    EXPECT_EQ(readFile(targets[0]), "kept");
    EXPECT_EQ(readFile(targets[1]), "kept");
    EXPECT_EQ(readFile(targets[2]), "new");
    EXPECT_TRUE(leftovers(shared.path()).isEmpty());
}

TEST_F(FilesTest, AFileGrowingWhileItIsCopiedIsCopiedAsItWasWhenOpened)
{
    // From memory to the disk, two file systems between which the copy reads and writes itself.
    QTemporaryDir memory("/dev/shm/tessary-XXXXXX");
    ASSERT_TRUE(memory.isValid());
    const QString source = memory.path() + "/growing.log", target = programFolder() + "growing.log";
    constexpr qsizetype Start = 32 << 20, Chunk = 1 << 20, Cap = 64 << 20;
    writeFile(source, counted(0, Start));

    // The writer stays ahead of the copy: a chunk more for each the copy has read, so a copy that
    // read to the end would go on to the cap.
    const pid_t copier = ::gettid();
    const std::int64_t readBefore = bytesReadBy(copier);
    ASSERT_GE(readBefore, 0) << "no read counter for this thread";
    std::atomic<bool> done = false;
    std::thread writer([&] {
        QFile log(source);
        if (!log.open(QIODevice::Append))
            return;
        for (qsizetype size = Start; !done && size < Cap;) {
            if (bytesReadBy(copier) - readBefore < size - Start + Chunk) {
                std::this_thread::yield();
                continue;
            }
            log.write(counted(size, Chunk));
            log.flush();
            size += Chunk;
        }
    });
    const CopyResult result = copyFile(source, target);
    done = true;
    writer.join();

    ASSERT_TRUE(result.ok()) << result.reason().toStdString();
    EXPECT_GT(QFileInfo(source).size(), Start) << "the writer appended nothing while the copy ran";
    const QByteArray copy = readFile(target);
    EXPECT_EQ(copy.size(), Start);
    EXPECT_TRUE(copy == counted(0, Start));
}
