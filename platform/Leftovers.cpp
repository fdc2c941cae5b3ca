#include "platform/Leftovers.h"

#include "platform/FileNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::leftovers {

namespace {

// FAT keeps modification times in steps of two seconds.
constexpr std::time_t TimeStep = 2;

} // namespace

bool isStale(std::time_t modified, std::time_t started)
{
    return modified + TimeStep < started;
}

void removeOlder(const QString& folder, const std::function<bool(const QByteArray& name)>& isLeftover,
                 std::time_t started)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(files::encodeName(folder).constData()),
                                                  ::closedir);
    if (!dir)
        return;
    const int fd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (!isLeftover(name))
            continue;
        struct stat status
        {
        };
        if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
            isStale(status.st_mtime, started))
            ::unlinkat(fd, entry->d_name, 0);
    }
}

} // namespace platform::leftovers
