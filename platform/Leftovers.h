#pragma once

// Temporary files that a run cut short (a kill, a pulled disk, a power cut) leaves beside
// what it was writing. Each kind has a name no user keeps; the next run of the same kind
// removes those older than itself, so they never pile up on the disk.

#include <QByteArray>
#include <QString>
#include <ctime>
#include <functional>

namespace platform::leftovers {

// Was a file last written at `modified` left before `started`? One written within FAT's
// two-second time step of it may be another program's write in progress, and is not.
bool isStale(std::time_t modified, std::time_t started);

// Removes the regular files directly in `folder` whose names `isLeftover` accepts and that
// are stale by `started`. Failures are passed over: a
// leftover that stays harms nothing but room.
void removeOlder(const QString& folder, const std::function<bool(const QByteArray& name)>& isLeftover,
                 std::time_t started);

} // namespace platform::leftovers
