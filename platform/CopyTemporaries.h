#pragma once

// The names a copy writes under before its target's name: made, recognised and cleared here
// only. A copy cut short (a kill, a pulled disk, a power cut) leaves such a file behind; the
// listings never show one, and remove one that was last written well before they began.

#include <QByteArray>
#include <ctime>
#include <sys/stat.h>

namespace platform::files::temporaries {

// A fresh name of the fixed pattern ".tessary-copy-" and six letters or digits in folder.
QByteArray freshName(const QByteArray& folder);
// Is name (without folder) of that exact pattern?
bool isTemporary(const char* name);
// Removes the temporary `name` of the folder open as folderFd, described by info, when it is
// stale by `started` (platform/Leftovers.h): a copy still running keeps writing it.
void removeIfStale(int folderFd, const char* name, const struct stat& info, std::time_t started);

} // namespace platform::files::temporaries
