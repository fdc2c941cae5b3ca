#pragma once

// Temporary files that a run cut short (a kill, a pulled disk, a power cut) leaves beside
// what it was writing. Each kind has a name no user keeps; the next run of the same kind
// removes those older than itself, so they never pile up on the disk.
//
// A writer holds its file with an advisory lock (flock) from its creation until the file has
// its final name, and a sweep removes only a file it can lock itself: another program's write
// in progress (a second copy of the organiser on the same stick, where a file's time does not
// advance while it is written) is never taken from under it, however old its time. The kernel
// keeps these locks between the processes of one machine, FUSE mounts included.

#include <QByteArray>
#include <QString>
#include <ctime>
#include <functional>
#include <sys/types.h>

namespace platform::leftovers {

// Was a file last written at `modified` left before `started`? One written within FAT's
// two-second time step of it may be another program's write in progress, and is not. This
// also covers the moment between a writer creating its file and holding it.
bool isStale(std::time_t modified, std::time_t started);

// Creates `path`, which must not exist yet, open for writing and held; -1 with errno on failure.
int createHeld(const QByteArray& path, mode_t mode);
// Holds the file open as `fd`: one made without a name, that may be linked in under a leftover's.
void hold(int fd);
// Closes the held file `fd`, written under the name `from`, and renames it to `to`, holding it
// until it has that name. 0, or the errno of the close (which on some file systems is the first
// sign of a full disk) or of the rename; the file then keeps the name `from`.
int closeAndRename(int fd, const QByteArray& from, const QByteArray& to);

// Removes `name` from the folder open as `folderFd` when it is a regular file, stale by
// `started`, and no writer holds it. Failures are passed over: a leftover that stays harms
// nothing but room.
void removeIfUnheld(int folderFd, const char* name, std::time_t started);

// Removes, as removeIfUnheld, the files directly in `folder` whose names `isLeftover` accepts.
void removeOlder(const QString& folder, const std::function<bool(const QByteArray& name)>& isLeftover,
                 std::time_t started);
// As removeOlder, in `folder` and every folder below it. Links are never entered, `folder` too
// being passed over when it is one.
void removeOlderBelow(const QString& folder, const std::function<bool(const QByteArray& name)>& isLeftover,
                      std::time_t started);

} // namespace platform::leftovers
