#pragma once

// One folder's own entries, for comparing two folders level by level. Entries are read
// without following links, so a link is reported as Other and a tree with a link loop is
// read once.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform::files {

struct FolderEntry
{
    enum Kind : std::uint8_t { File, Folder, Other }; // Other: a link, FIFO, socket or device

    QString name;
    Kind kind = Other;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0; // since 1970 UTC
};

// The entries of `folder` but "." and ".." and the copies' temporary files (see walk in
// platform/Files.h), in the order the file system lists them; empty when the folder is missing or
// unreadable. With `sweep`, for a folder the run writes into, the temporaries are removed as by
// removeLeftovers.
std::vector<FolderEntry> listFolder(const QString& folder, bool sweep = false);
// The entry that `name` reaches in `folder`, nullopt when there is none. On a file system
// that ignores letter case it may be listed under another spelling.
std::optional<FolderEntry> entryAt(const QString& folder, const QString& name);

} // namespace platform::files
