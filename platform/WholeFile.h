#pragma once

// Replacing a settings file whole, without harm to whatever its name leads to. A symbolic
// link is followed and its target rewritten in the target's own folder with the target's
// mode, so the link stays a link. Only a regular file is ever written: a device, a FIFO, a
// folder or a file without any write permission is refused, also for root, whom the system
// would let write anyway.

#include <QByteArray>
#include <QString>

namespace platform::wholefile {

// The file a path finally names once symbolic links are followed; the path itself when it
// is no link. Empty for a loop of links.
QString linkTarget(const QString& path);

// True when the path (after links) names a regular file.
bool isRegularFile(const QString& path);

// Writes the bytes to a new file beside the target ("<name>.tessary-" and six hex digits) and
// renames it over the target; false when refused or when any step fails, leaving the old file
// as it was. A file system that keeps no modes is written without one. The temporary is held
// until it has the target's name (platform/Leftovers.h). Once the new file is in place,
// temporaries of that name that a rewrite cut short left behind are removed.
bool replaceWhole(const QString& path, const QByteArray& bytes);

} // namespace platform::wholefile
