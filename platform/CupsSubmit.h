#pragma once

// Hands a finished PDF to a CUPS queue, or to an instance of one, through libcups on a connection of
// our own (platform/CupsConnection.h).

#include "platform/Printers.h"

#include <QString>

namespace platform::printing {

// Submits `pdfPath` as one job titled as `setup` says to the destination shown as `printerName`
// ("queue" or "queue/instance"), with the options lpoptions gives it, but always one copy on A4, and
// the paper source where the queue offers it. Raises PrintError when the server does not answer, no
// longer lists the destination, or refuses the job (with CUPS's reason); a stopped queue that accepts
// the job and holds it is no error.
void submitToCups(const QString& printerName, const QString& pdfPath, const JobSetup& setup);

} // namespace platform::printing
