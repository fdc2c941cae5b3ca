#include "platform/FolderEntries.h"

#include "platform/CopyTemporaries.h"
#include "platform/FileNames.h"
#include "platform/Leftovers.h"

#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform::files {

namespace {

FolderEntry::Kind kindOf(mode_t mode)
{
    return S_ISREG(mode) ? FolderEntry::File : S_ISDIR(mode) ? FolderEntry::Folder : FolderEntry::Other;
}

FolderEntry entryFrom(QString name, const struct stat& info)
{
    return FolderEntry{std::move(name), kindOf(info.st_mode), std::int64_t(info.st_size),
                       std::int64_t(info.st_mtim.tv_sec)};
}

} // namespace

std::vector<FolderEntry> listFolder(const QString& folder, bool sweep)
{
    std::vector<FolderEntry> entries;
    const std::time_t started = std::time(nullptr);
    DIR* dir = ::opendir(encodeName(folder).constData());
    if (!dir)
        return entries;
    const int fd = ::dirfd(dir);
    while (const struct dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        struct stat info;
        if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // removed while being read
        if (S_ISREG(info.st_mode) && temporaries::isTemporary(name)) {
            if (sweep)
                leftovers::removeIfUnheld(fd, name, started);
            continue;
        }
        entries.push_back(entryFrom(decodeName(name), info));
    }
    ::closedir(dir);
    return entries;
}

std::optional<FolderEntry> entryAt(const QString& folder, const QString& name)
{
    const QString path = folder.endsWith('/') ? folder + name : folder + '/' + name;
    struct stat info;
    if (::lstat(encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return entryFrom(name, info);
}

} // namespace platform::files
