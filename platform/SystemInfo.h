#pragma once

// Facts about the program's machine and disk: program folder, the Mobile Disk (the
// file system that holds the program folder), free space, computer and user names.

#include <QString>
#include <cstdint>
#include <optional>

namespace platform::sys {

// The folder of the running program, ending in "/". Tests point it elsewhere.
QString programFolder();
void setProgramFolder(const QString& folder); // empty restores the default

// Mount point of the file system holding `path` (from /proc/self/mountinfo, octal
// escapes decoded), ending in "/".
QString mountRoot(const QString& path);
// The same choice made from the text of a mountinfo file, for a canonical absolute path;
// "/" when no mount point holds it.
QString mountRootFrom(const QString& mountInfo, const QString& canonicalPath);
// The Mobile Disk root: the mount root of the program folder.
QString driveRoot();

// The shape of GetDiskFreeSpaceA's answer.
struct DiskFreeSpace
{
    std::uint64_t sectorsPerCluster = 0;
    std::uint64_t bytesPerSector = 0;
    std::uint64_t freeClusters = 0;
    std::uint64_t totalClusters = 0;
};
std::optional<DiskFreeSpace> diskFreeSpace(const QString& root);

// The shape of GetDiskFreeSpaceExA's answer.
struct DiskFreeSpaceEx
{
    std::uint64_t freeBytesAvailable = 0;
    std::uint64_t totalBytes = 0;
    std::uint64_t totalFreeBytes = 0;
};
std::optional<DiskFreeSpaceEx> diskFreeSpaceEx(const QString& root);

// Host name; nullopt when it cannot be read.
std::optional<QString> computerName();
// Login name of the effective user; nullopt when it cannot be read.
std::optional<QString> userName();

} // namespace platform::sys
