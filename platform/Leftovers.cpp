#include "platform/Leftovers.h"

#include "platform/FileNames.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::leftovers {

namespace {

// FAT keeps modification times in steps of two seconds.
constexpr std::time_t TimeStep = 2;

// A regular file, stale by `started`?
bool isStaleFile(const struct stat& status, std::time_t started)
{
    return S_ISREG(status.st_mode) && isStale(status.st_mtime, started);
}

} // namespace

bool isStale(std::time_t modified, std::time_t started)
{
    return modified + TimeStep < started;
}

int createHeld(const QByteArray& path, mode_t mode)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0)
        hold(fd);
    return fd;
}

void hold(int fd)
{
    // A sweep holds a fresh file only for the few calls that find it fresh. Where the file
    // system keeps no locks, the age rule alone protects the file.
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

int closeAndRename(int fd, const QByteArray& from, const QByteArray& to)
{
    // The lock belongs to the open file, which a duplicate keeps open past the close.
    const int held = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    int error = ::close(fd) == 0 ? 0 : errno;
    if (error == 0 && ::rename(from.constData(), to.constData()) != 0)
        error = errno;
    if (held >= 0)
        ::close(held);
    return error;
}

void removeIfUnheld(int folderFd, const char* name, std::time_t started)
{
    // Checked before opening, so that no device or FIFO of such a name is ever opened.
    struct stat named;
    if (::fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !isStaleFile(named, started))
        return;
    const int fd = ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Once locked, the name must still lead to the file locked: a writer may have renamed its
    // file to its target, and another file taken the name, since it was opened.
    struct stat held;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && isStaleFile(held, started) &&
        ::fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == held.st_dev &&
        named.st_ino == held.st_ino)
        ::unlinkat(folderFd, name, 0);
    ::close(fd);
}

namespace {

// Sweeps the folder open as `fd`, and with `below` every folder under it; takes `fd` over.
void sweep(int fd, const std::function<bool(const QByteArray& name)>& isLeftover, std::time_t started,
           bool below)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(fd), ::closedir);
    if (!dir) {
        ::close(fd);
        return;
    }
    const int folderFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const char* name = entry->d_name;
        if (isLeftover(QByteArray(name))) {
            removeIfUnheld(folderFd, name, started);
        } else if (below && (entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN) &&
                   std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) {
            // O_DIRECTORY opens nothing but a folder, O_NOFOLLOW enters no link.
            const int sub = ::openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0)
                sweep(sub, isLeftover, started, true);
        }
    }
}

} // namespace

void removeOlder(const QString& folder, const std::function<bool(const QByteArray& name)>& isLeftover,
                 std::time_t started)
{
    const int fd = ::open(files::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        sweep(fd, isLeftover, started, false);
}

void removeOlderBelow(const QString& folder, const std::function<bool(const QByteArray& name)>& isLeftover,
                      std::time_t started)
{
    const int fd =
        ::open(files::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0)
        sweep(fd, isLeftover, started, true);
}

} // namespace platform::leftovers
