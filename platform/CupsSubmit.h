#pragma once

// Hands finished PDFs to a CUPS queue, or to an instance of one, through libcups on a connection of
// our own (platform/CupsConnection.h).

#include "platform/CupsConnection.h"
#include "platform/Printers.h"

#include <QString>

namespace platform::printing {

// The destination shown as `printerName` ("queue" or "queue/instance"), looked up once, with what
// its queue supports, on one connection that then takes each job.
class CupsQueue
{
public:
    // Raises PrintError when the server does not answer, no longer lists the destination, or does
    // not say what its queue supports.
    explicit CupsQueue(const QString& printerName);
    ~CupsQueue();
    CupsQueue(const CupsQueue&) = delete;
    CupsQueue& operator=(const CupsQueue&) = delete;

    // Submits `pdfPath` as one job titled as `setup` says, with the options lpoptions gives the
    // destination, but always one copy on A4, and the paper source where the queue offers it.
    // Raises PrintError when the server does not answer or refuses the job (with CUPS's reason); a
    // stopped queue that accepts the job and holds it is no error.
    void submit(const QString& pdfPath, const JobSetup& setup);

private:
    // The error for a request the server did not answer, or refused.
    PrintError failure() const;

    QString m_printerName;
    CupsConnection m_connection;
    CupsDestinations m_destinations;
    cups_dest_t* m_dest = nullptr;
    cups_dinfo_t* m_info = nullptr;
};

} // namespace platform::printing
