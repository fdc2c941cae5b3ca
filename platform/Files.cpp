#include "platform/Files.h"

#include "platform/CopyTemporaries.h"
#include "platform/FileNames.h"
#include "platform/Leftovers.h"
#include "platform/SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <memory>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform::files {

namespace {

std::int64_t nanoseconds(const struct timespec& time)
{
    return std::int64_t(time.tv_sec) * 1000000000 + time.tv_nsec;
}

FileEntry entryFor(const QString& path, const struct stat& info)
{
    return FileEntry{path, std::int64_t(info.st_size), nanoseconds(info.st_mtim)};
}

// A descriptor that closes itself.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    // Closes now; the error of close(), which on some file systems is the first sign of a full disk.
    int reset()
    {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Walks the open folder `fd` named `path`; takes the descriptor over.
void walkFolder(int fd, const QString& path, const FileVisitor& onFile, const UnreadableVisitor& onUnreadable,
                bool recursive)
{
    DIR* folder = ::fdopendir(fd);
    if (!folder) {
        const int error = errno;
        ::close(fd);
        if (onUnreadable)
            onUnreadable(path, error);
        return;
    }
    const QString prefix = path.endsWith('/') ? path : path + '/';
    errno = 0;
    while (const struct dirent* entry = ::readdir(folder)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        struct stat info;
        if (::fstatat(::dirfd(folder), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // removed while we walk
        if (S_ISREG(info.st_mode)) {
            if (!temporaries::isTemporary(name))
                onFile(entryFor(prefix + decodeName(name), info));
        } else if (S_ISDIR(info.st_mode) && recursive) {
            const QString sub = prefix + decodeName(name);
            // O_NOFOLLOW: a folder replaced by a link since fstatat is not entered.
            const int subFd =
                ::openat(::dirfd(folder), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (subFd < 0) {
                if (onUnreadable)
                    onUnreadable(sub, errno);
            } else {
                walkFolder(subFd, sub, onFile, onUnreadable, recursive);
            }
        }
        errno = 0;
    }
    const int readError = errno;
    ::closedir(folder);
    if (readError != 0 && onUnreadable)
        onUnreadable(path, readError);
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

// Copies the first `size` bytes of `in` to `out`, by the kernel where both file systems allow it.
// A source that grows meanwhile (a log being written) is copied as it was when it was opened.
int copyData(int in, int out, std::int64_t size)
{
    off_t inOffset = 0;
    bool kernelCopy = true;
    while (kernelCopy && inOffset < size) {
        const ssize_t copied = ::copy_file_range(in, &inOffset, out, nullptr, size_t(size - inOffset), 0);
        if (copied > 0)
            continue;
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP &&
            errno != EPERM && errno != EBADF)
            return errno;
        // Not offered between these file systems, or the source reads short: copy by hand.
        kernelCopy = false;
    }
    if (inOffset >= size)
        return 0;
    const std::size_t bufferSize = std::size_t(std::min<std::int64_t>(size - inOffset, 1 << 20));
    const auto buffer = std::make_unique_for_overwrite<char[]>(bufferSize);
    while (inOffset < size) {
        const ssize_t got =
            ::pread(in, buffer.get(), std::min(bufferSize, std::size_t(size - inOffset)), inOffset);
        if (got == 0)
            return 0; // it shrank meanwhile
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        inOffset += got;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer.get() + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += put;
        }
    }
    return 0;
}

CopyResult failure(CopyStatus status, int error)
{
    if (error == ENOSPC || error == EDQUOT)
        status = CopyStatus::NoSpace;
    return CopyResult{status, error};
}

// The bits the process's umask takes from a new file's mode, read once: the organiser never
// changes it. All bits when it cannot be read, so that every copy sets its mode itself.
mode_t creationMask()
{
    static const mode_t mask = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                bool ok = false;
                const uint value = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
                if (ok)
                    return mode_t(value & 0777);
            }
        }
        return mode_t(0777);
    }();
    return mask;
}

constexpr int NameAttempts = 100;

// Creates a new file of a temporary name in folder, open for writing and held. Sets name; -1 with
// errno on failure.
int createTemporary(const QByteArray& folder, mode_t mode, QByteArray& name)
{
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        name = temporaries::freshName(folder);
        const int fd = leftovers::createHeld(name, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Is the file system holding fd one of the kernel's own disk or memory ones? They keep a file's
// modification time through a rename or link, and report a write's failure at the write; some
// reached through FUSE (FAT) stamp a renamed file with the present time, so for any other the
// copy checks the time after the rename.
bool kernelFileSystem(int fd)
{
    struct statfs info;
    if (::fstatfs(fd, &info) != 0)
        return false;
    switch (info.f_type) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case TMPFS_MAGIC:
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case MSDOS_SUPER_MAGIC:
    case EXFAT_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

// The time nearest to `time` within the local years 1980 to 2107 that FAT holds.
struct timespec withinFatYears(const struct timespec& time)
{
    struct tm local;
    const time_t seconds = time.tv_sec;
    if (!::localtime_r(&seconds, &local) || (local.tm_year >= 80 && local.tm_year <= 207))
        return time;
    struct tm edge = {};
    edge.tm_isdst = -1;
    if (local.tm_year < 80) {
        edge.tm_year = 80;
        edge.tm_mday = 1;
    } else {
        edge.tm_year = 207;
        edge.tm_mon = 11;
        edge.tm_mday = 31;
        edge.tm_hour = 23;
        edge.tm_min = 59;
        edge.tm_sec = 58;
    }
    return {::mktime(&edge), 0};
}

// A FAT driver given a time outside the years it holds may wrap it (1975 reads back as 2103), so
// that the copy would look newer or older than its source ever after. Where the target did not
// keep such a time, the nearest one it holds is written instead.
void holdTimeOnFat(const QByteArray& target, const struct timespec (&times)[2])
{
    const struct timespec held[2] = {withinFatYears(times[0]), withinFatYears(times[1])};
    if (held[1].tv_sec == times[1].tv_sec && held[1].tv_nsec == times[1].tv_nsec)
        return;
    struct stat placed;
    // Off by more than FAT's 2-second step: not kept.
    if (::stat(target.constData(), &placed) == 0 && std::abs(placed.st_mtim.tv_sec - times[1].tv_sec) > 2)
        ::utimensat(AT_FDCWD, target.constData(), held, 0);
}

struct SpaceReading
{
    std::int64_t available = -1;
    std::int64_t blockSize = 1;
    std::uint64_t device = 0;
};

// The free space of the nearest existing folder of path; available -1 when unreadable.
SpaceReading readSpace(const QString& path)
{
    QByteArray existing = encodeName(path);
    struct statvfs stats;
    while (::statvfs(existing.constData(), &stats) != 0) {
        if ((errno != ENOENT && errno != ENOTDIR) || existing.isEmpty() || existing == "/")
            return SpaceReading{};
        const qsizetype slash = existing.lastIndexOf('/');
        existing = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : existing.left(slash);
    }
    struct stat info;
    if (::stat(existing.constData(), &info) != 0)
        return SpaceReading{};
    return SpaceReading{std::int64_t(stats.f_bavail) * std::int64_t(stats.f_frsize),
                        std::max<std::int64_t>(std::int64_t(stats.f_frsize), 1), std::uint64_t(info.st_dev)};
}

// Opens the file a copy is written to before it takes the target's name. A new target starts as
// an unnamed file that is linked in once complete (one folder entry to make instead of three
// changes); a replaced one, or one on a file system without unnamed files (FAT, FUSE), as a
// temporary name beside it that is renamed over it. Sets temporary (empty for an unnamed file).
// Either is held until it has the target's name.
int openDraft(const QByteArray& folder, mode_t mode, bool replacing, QByteArray& temporary)
{
    // An unnamed file is linked in through its name under /proc.
    static const bool linkable = ::access("/proc/self/fd", X_OK) == 0;
    temporary.clear();
    if (!replacing && linkable) {
        const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0 && kernelFileSystem(fd)) {
            // Where its target's name is taken meanwhile, it passes under a temporary name with
            // the source's old time on its way there.
            leftovers::hold(fd);
            return fd;
        }
        if (fd >= 0)
            ::close(fd);
    }
    return createTemporary(folder, mode, temporary);
}

// Gives the unnamed file open as fd the name `name`; errno on failure.
int linkInto(int fd, const QByteArray& name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                                    : errno;
}

// Puts the complete unnamed file open as fd in place as target; errno on failure.
int placeUnnamed(int fd, const QByteArray& folder, const QByteArray& target)
{
    int error = linkInto(fd, target);
    if (error != EEXIST)
        return error;
    // The name is taken after all (a link to nothing, or a file made meanwhile): it is replaced
    // as any other target, through a temporary name.
    QByteArray temporary;
    for (int attempt = 0; attempt < NameAttempts && error == EEXIST; ++attempt) {
        temporary = temporaries::freshName(folder);
        error = linkInto(fd, temporary);
    }
    if (error != 0)
        return error;
    if (::rename(temporary.constData(), target.constData()) != 0) {
        error = errno;
        ::unlink(temporary.constData());
    }
    return error;
}

// Does the folder `parent` list `name` with exactly this spelling?
bool listsExactly(const QString& parent, const QString& name)
{
    DIR* folder = ::opendir(encodeName(parent).constData());
    if (!folder)
        return false;
    const QByteArray wanted = encodeName(name);
    bool listed = false;
    while (const struct dirent* entry = ::readdir(folder)) {
        if (wanted == entry->d_name) {
            listed = true;
            break;
        }
    }
    ::closedir(folder);
    return listed;
}

// Two existing paths that differ only in letter case: are they one file here?
bool oneFileIgnoringCase(const QString& written, const QString& other)
{
    const QStringList a = written.split('/');
    const QStringList b = other.split('/');
    if (a.size() != b.size())
        return false;
    QString parent;
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (i > 0 && a[i] != b[i] && !listsExactly(parent.isEmpty() ? QStringLiteral("/") : parent, b[i]))
            return true;
        parent = i == 0 ? b[i] : parent + '/' + b[i];
    }
    return false;
}

} // namespace

QDateTime FileEntry::modified() const
{
    return QDateTime::fromMSecsSinceEpoch(modifiedNs / 1000000);
}

void walk(const QString& root, const FileVisitor& onFile, const UnreadableVisitor& onUnreadable,
          bool recursive)
{
    // The root is opened following a link, so a root that is a link to a folder is walked.
    const int fd = ::open(encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (onUnreadable)
            onUnreadable(root, errno);
        return;
    }
    walkFolder(fd, root, onFile, onUnreadable, recursive);
}

WalkResult listFiles(const QString& root, bool recursive)
{
    WalkResult result;
    walk(
        root, [&](const FileEntry& entry) { result.files.push_back(entry); },
        [&](const QString& folder, int) { result.unreadable.append(folder); }, recursive);
    return result;
}

std::optional<FileId> fileId(const QString& path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileId{std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)};
}

QString CopyResult::reason() const
{
    switch (status) {
    case CopyStatus::Copied:
        return QString();
    case CopyStatus::SameFile:
        return QStringLiteral("source and target are the same file");
    case CopyStatus::SourceNotRegular:
        return QStringLiteral("not a regular file");
    case CopyStatus::TargetReadOnly:
        return QStringLiteral("the target file is read-only");
    case CopyStatus::SourceUnreadable:
    case CopyStatus::TargetFailed:
    case CopyStatus::NoSpace:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

CopyResult copyFile(const QString& source, const QString& target)
{
    const QByteArray sourceName = encodeName(source);
    const QByteArray targetName = encodeName(target);
    Descriptor in(::open(sourceName.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0)
        return failure(errno == ELOOP ? CopyStatus::SourceNotRegular : CopyStatus::SourceUnreadable, errno);
    struct stat sourceInfo;
    if (::fstat(in.get(), &sourceInfo) != 0)
        return failure(CopyStatus::SourceUnreadable, errno);
    if (!S_ISREG(sourceInfo.st_mode))
        return failure(CopyStatus::SourceNotRegular, 0);

    struct stat targetInfo;
    const bool replacing = ::stat(targetName.constData(), &targetInfo) == 0;
    if (replacing) {
        if (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino)
            return CopyResult{CopyStatus::SameFile, 0};
        if (S_ISDIR(targetInfo.st_mode))
            return failure(CopyStatus::TargetFailed, EISDIR);
        // A file marked read-only (no write bit, as FAT shows its mark) is not replaced, for root
        // either, as the platform's own copy refuses it; nor one this user may not write.
        if ((targetInfo.st_mode & 0222) == 0)
            return CopyResult{CopyStatus::TargetReadOnly, EACCES};
        if (::access(targetName.constData(), W_OK) != 0)
            return failure(CopyStatus::TargetFailed, errno);
    }

    // Made writable for its owner whatever the source's mode, so that a file system that keeps
    // a read-only mark (FAT) still takes the data; the final mode is set below where it differs.
    const mode_t mode = sourceInfo.st_mode & 0777;
    const mode_t created = (mode | S_IWUSR) & ~creationMask();
    const QByteArray folder = encodeName(folderOf(target));
    QByteArray temporary;
    Descriptor out(openDraft(folder, created, replacing, temporary));
    if (out.get() < 0)
        return failure(CopyStatus::TargetFailed, errno);
    const auto discard = [&](int error) {
        out.reset();
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return failure(CopyStatus::TargetFailed, error);
    };

    // ext4 writes out the delayed blocks of a file renamed over another at once, one file at a
    // time; blocks reserved ahead are not delayed, so the data waits for the flush of the whole run.
    if (replacing && sourceInfo.st_size > 0 &&
        ::fallocate(out.get(), FALLOC_FL_KEEP_SIZE, 0, off_t(sourceInfo.st_size)) != 0 &&
        (errno == ENOSPC || errno == EDQUOT))
        return discard(errno);
    if (const int error = copyData(in.get(), out.get(), std::int64_t(sourceInfo.st_size)))
        return discard(error);
    // FAT keeps no permission bits; a refusal there is no reason to fail the copy.
    if (created != mode)
        ::fchmod(out.get(), mode);
    const struct timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
    if (::futimens(out.get(), times) != 0)
        return discard(errno);
    if (temporary.isEmpty()) {
        if (const int error = placeUnnamed(out.get(), folder, targetName))
            return discard(error);
        if (out.reset() != 0) {
            const int error = errno;
            ::unlink(targetName.constData());
            return failure(CopyStatus::TargetFailed, error);
        }
        return CopyResult{};
    }
    const bool timeKept = kernelFileSystem(out.get());
    // Held through the rename: the temporary has the source's old time by now.
    if (const int error = leftovers::closeAndRename(out.release(), temporary, targetName))
        return discard(error);
    struct stat placed;
    if (!timeKept && ::stat(targetName.constData(), &placed) == 0 &&
        (placed.st_mtim.tv_sec != sourceInfo.st_mtim.tv_sec ||
         placed.st_mtim.tv_nsec != sourceInfo.st_mtim.tv_nsec)) {
        ::utimensat(AT_FDCWD, targetName.constData(), times, 0);
        holdTimeOnFat(targetName, times);
    }
    return CopyResult{};
}

bool flushFileSystem(const QString& path)
{
    Descriptor fd(::open(encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    return fd.get() >= 0 && ::syncfs(fd.get()) == 0;
}

bool makePath(const QString& folder)
{
    const QByteArray name = encodeName(folder);
    struct stat info;
    if (::stat(name.constData(), &info) == 0)
        return S_ISDIR(info.st_mode);
    if (errno != ENOENT)
        return false;
    const qsizetype slash = folder.lastIndexOf('/');
    if (slash > 0 && !makePath(folder.left(slash)))
        return false;
    return ::mkdir(name.constData(), 0777) == 0 || errno == EEXIST;
}

FreeSpace freeSpace(const QString& path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo(existing).isDir() && existing != "/")
        existing = folderOf(existing);
    FreeSpace space;
    space.mountPoint = sys::mountRoot(existing);
    space.availableBytes = availableBytes(existing);
    return space;
}

std::int64_t availableBytes(const QString& path)
{
    return readSpace(path).available;
}

std::int64_t SpaceCounter::available(const QString& target, std::int64_t needed)
{
    const QString folder = folderOf(target);
    if (const auto known = m_devices.constFind(folder); known != m_devices.cend()) {
        if (const Volume& volume = m_volumes[*known]; volume.available > needed)
            return volume.available;
    }
    const SpaceReading reading = readSpace(folder);
    if (reading.available >= 0) {
        m_devices.insert(folder, reading.device);
        m_volumes[reading.device] = Volume{reading.available, reading.blockSize};
    }
    return reading.available;
}

void SpaceCounter::wrote(const QString& target, std::int64_t bytes)
{
    const auto known = m_devices.constFind(folderOf(target));
    if (known == m_devices.cend())
        return;
    Volume& volume = m_volumes[*known];
    // Whole blocks, and one more for what the file system keeps about the file.
    volume.available -= (std::max<std::int64_t>(bytes, 0) / volume.blockSize + 2) * volume.blockSize;
}

bool TargetRegister::collides(const QString& source, const QString& target) const
{
    const QString folded = foldCase(target);
    for (auto it = m_written.constFind(folded); it != m_written.cend() && it.key() == folded; ++it) {
        if (it->source == source)
            continue;
        if (it->target == target || (fileId(target) && oneFileIgnoringCase(it->target, target)))
            return true;
    }
    return false;
}

void TargetRegister::add(const QString& source, const QString& target)
{
    m_written.insert(foldCase(target), Written{target, source});
}

} // namespace platform::files
