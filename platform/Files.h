#pragma once

// The one file layer for every copy the organiser makes (backup, restore, synchronise):
// walking a folder, copying a file safely, flushing a file system and reading free space.
// Only regular files are listed and copied: symbolic links, FIFOs, sockets and devices below
// a root are never followed, opened or copied. Nor is a copy's temporary file
// (".tessary-copy-" and six letters or digits) ever listed; a listing removes none, as it may
// read a folder the run only copies from. A run clears those that copies cut short left in the
// folders it writes into (removeLeftovers, and listFolder of platform/FolderEntries.h), and a
// backup those left in the earlier backups (removeLeftoversBelow).

#include <QDateTime>
#include <QHash>
#include <QMultiHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace platform::files {

struct FileEntry
{
    QString path;                // the root as given, then "/" and the names below it
    std::int64_t size = 0;       // bytes
    std::int64_t modifiedNs = 0; // modification time, nanoseconds since 1970 UTC

    QDateTime modified() const;
};

using FileVisitor = std::function<void(const FileEntry&)>;
// A folder that could not be read, with the errno of the refusal.
using UnreadableVisitor = std::function<void(const QString& folder, int error)>;

// Visits the regular files below root depth first, in the order the file system lists them:
// a sub-folder's files come before the later entries of its folder. Hidden files are
// included. A root that is itself a symbolic link is followed; links below it are not.
// With recursive false only root's own files are visited. Folders that cannot be read
// (the root too) go to onUnreadable and the walk goes on.
void walk(const QString& root, const FileVisitor& onFile, const UnreadableVisitor& onUnreadable = {},
          bool recursive = true);

struct WalkResult
{
    std::vector<FileEntry> files;
    QStringList unreadable;
};
WalkResult listFiles(const QString& root, bool recursive = true);

// A file's identity: two paths name the same file when these are equal.
struct FileId
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};
// Follows links; nullopt when the path does not exist or cannot be read.
std::optional<FileId> fileId(const QString& path);

enum class CopyStatus {
    Copied,
    SameFile,         // source and target are one file (perhaps through another path)
    SourceNotRegular, // a link, folder, FIFO, socket or device
    SourceUnreadable,
    TargetReadOnly, // the target is marked read-only: it has no write permission bit
    TargetFailed,   // the target or its folder is missing or unwritable, or a write failed
    NoSpace,        // the target's file system is full
};

struct CopyResult
{
    CopyStatus status = CopyStatus::Copied;
    int error = 0; // errno of the failure, 0 when copied or refused for sameness
    bool ok() const { return status == CopyStatus::Copied; }
    // A short English reason for a log line, empty when copied.
    QString reason() const;
};

// Copies source over target, replacing a file there unless it is read-only or this user may
// not write it. The data goes to a temporary file beside the target that is renamed into place
// once complete, so a failure at any point leaves the old target whole and no partial file
// behind. The temporary is held until it has the target's name (platform/Leftovers.h), so no
// other program's sweep takes it meanwhile. The copy holds the source's bytes up to its size
// when it was opened, and keeps its modification time (the nearest one FAT holds, where the
// target is such a disk) and permission bits (where the target file system has them). Uses the
// kernel's copy where it can. The target file system is not flushed: see flushFileSystem.
CopyResult copyFile(const QString& source, const QString& target);

// Removes the temporary files that copies cut short left in folder (those no copy holds and
// last written more than two seconds, FAT's time step, before), reading it once: for a run about
// to write into a folder it has not listed.
void removeLeftovers(const QString& folder);
// As removeLeftovers, in folder and every folder below it, entering no link (folder included):
// for a finished backup, whose copies cut short left their temporary files deep in its tree.
void removeLeftoversBelow(const QString& folder);

// Writes the cached data of the file system that holds path to its device. False on failure.
bool flushFileSystem(const QString& path);

// Makes the folder and every missing folder above it; false when it is no folder afterwards.
bool makePath(const QString& folder);

struct FreeSpace
{
    std::int64_t availableBytes = -1; // for an unprivileged user; -1 when it cannot be read
    QString mountPoint;               // of the file system measured, ending in "/"
};
// The free space where path would be written: path may not exist yet, then its nearest
// existing parent folder is measured.
FreeSpace freeSpace(const QString& path);
// The available bytes of freeSpace alone, -1 when unreadable, without the mount point (finding
// it reads the system's mount table).
std::int64_t availableBytes(const QString& path);

// The free space before each copy of a run: read from the file system at a target folder's first
// copy, then counted down by what the run writes there, and read again whenever the count would
// not leave room for the next file. So a run asks the file system once per folder, yet never
// goes on where a fresh reading would stop it (unless another program fills the disk meanwhile,
// which the copy itself then reports as NoSpace).
class SpaceCounter
{
public:
    // The bytes available where target would be written, -1 when unreadable: the count when it
    // exceeds needed, else a fresh reading.
    std::int64_t available(const QString& target, std::int64_t needed);
    // Counts a file of bytes as written to target.
    void wrote(const QString& target, std::int64_t bytes);

private:
    struct Volume
    {
        std::int64_t available = -1;
        std::int64_t blockSize = 1;
    };
    QHash<QString, std::uint64_t> m_devices; // by target folder
    QHash<std::uint64_t, Volume> m_volumes;  // by device
};

// The targets one run has written, by source, so that a later source that would land on a
// file the run already wrote is refused instead of silently replacing it. On a file system
// that ignores letter case (FAT) "Docs/a.txt" and "docs/a.txt" are one file.
class TargetRegister
{
public:
    // True when target is, or on this file system names, a file that this run wrote from
    // another source.
    bool collides(const QString& source, const QString& target) const;
    void add(const QString& source, const QString& target);
    void clear() { m_written.clear(); }

private:
    struct Written
    {
        QString target;
        QString source;
    };
    QMultiHash<QString, Written> m_written; // by target with letter case folded
};

} // namespace platform::files
