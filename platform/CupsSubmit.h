#pragma once

// Hands a finished PDF to a CUPS queue through libcups, on the server libcups is set to.

#include "platform/Printers.h"

#include <QString>

namespace platform::printing {

// Submits `pdfPath` as one job titled as `setup` says: one copy on A4, and the paper source only
// where the queue offers it. Raises PrintError with CUPS's reason when the queue refuses the job; a
// stopped queue that accepts the job and holds it is no error.
void submitToCups(const QString& queue, const QString& pdfPath, const JobSetup& setup);

} // namespace platform::printing
