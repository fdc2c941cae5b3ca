#pragma once

// Temporary files that a run cut short (a kill, a pulled disk, a power cut) leaves beside
// what it was writing. Each kind has a name no user keeps; the next run of the same kind
// removes those older than itself, so they never pile up on the disk.

#include <QByteArray>
#include <QString>
#include <ctime>
#include <functional>

namespace platform::leftovers {

// Removes the regular files directly in `folder` whose names `isLeftover` accepts and that
// were last written before `started`. A file written within FAT's two-second time step of it
// is kept: it may be another program's write in progress. Failures are passed over: a
// leftover that stays harms nothing but room.
void removeOlder(const QString& folder, const std::function<bool(const QByteArray& name)>& isLeftover,
                 std::time_t started);

} // namespace platform::leftovers
