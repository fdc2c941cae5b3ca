#pragma once

// The names a copy writes under before its target's name: made and recognised here only. A
// copy cut short (a kill, a pulled disk, a power cut) leaves such a file behind; the listings
// never show one, and the folders a run writes into, and the earlier backups, are cleared of those
// that no copy holds (platform/Leftovers.h).

#include <QByteArray>

namespace platform::files::temporaries {

// A fresh name of the fixed pattern ".tessary-copy-" and six letters or digits in folder.
QByteArray freshName(const QByteArray& folder);
// Is name (without folder) of that exact pattern?
bool isTemporary(const char* name);

} // namespace platform::files::temporaries
