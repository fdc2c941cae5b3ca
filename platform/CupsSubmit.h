#pragma once

// Hands a finished PDF to a CUPS queue through libcups, on a connection of our own
// (platform/CupsConnection.h).

#include "platform/Printers.h"

#include <QString>

namespace platform::printing {

// Submits `pdfPath` as one job titled as `setup` says to the queue `printerName`: one copy on A4, and
// the paper source only where the queue offers it. Raises PrintError when the server does not answer, no
// longer lists the destination, or refuses the job (with CUPS's reason); a stopped queue that accepts
// the job and holds it is no error.
void submitToCups(const QString& printerName, const QString& pdfPath, const JobSetup& setup);

} // namespace platform::printing
