#pragma once

// A connection of our own to the print server libcups is set to (CUPS_SERVER, client.conf,
// cupsSetServer), on which the server is taken as not answering once it has been silent for
// AnswerWait (on a local socket, after a request, up to a second more). libcups's own
// connection waits a minute for each answer, so a server that accepts connections but never answers
// (hung, or lost on the network) would hold the program for minutes. Once a wait has run out, every
// later request on the connection gives up at its first wait: the server is taken as silent.

#include <QString>
#include <chrono>
#include <cups/cups.h>

namespace platform::printing {

// How long the server may stay silent before it is taken as not answering, and how long a connection
// may take to be made. A CUPS server answers a listing in well under a second; a busy one still gets
// through, and a silent one holds the print dialog for about this long instead of minutes. The
// silence is timed on the monotonic clock, so changes of the system's time do not shorten it.
constexpr std::chrono::seconds AnswerWait{3};

class CupsConnection
{
public:
    CupsConnection();
    ~CupsConnection();
    CupsConnection(const CupsConnection&) = delete;
    CupsConnection& operator=(const CupsConnection&) = delete;

    // nullptr when no connection could be made.
    http_t* http() const { return m_http; }
    // Read right after a request: empty when the server answered it (with success or an error of its
    // own), else why no answer came.
    QString noAnswer() const;

private:
    static int keepWaiting(http_t* http, void* self);

    http_t* m_http = nullptr;
    QString m_connectFailure;
    bool m_silent = false;
};

// The server's destinations as cupsGetDests2 lists them on `connection`: each queue, and each
// instance of a queue that lpoptions defines, with the options lpoptions and the server give it.
class CupsDestinations
{
public:
    explicit CupsDestinations(CupsConnection& connection);
    ~CupsDestinations();
    CupsDestinations(const CupsDestinations&) = delete;
    CupsDestinations& operator=(const CupsDestinations&) = delete;

    // Empty when the server answered the listing; else why it did not, and the list is empty.
    QString noAnswer() const { return m_noAnswer; }
    int count() const { return m_count; }
    const cups_dest_t& at(int index) const { return m_dests[index]; }
    // The destination shown as `name`: "queue", or "queue/instance"; nullptr when none is.
    const cups_dest_t* find(const QString& name) const;

private:
    cups_dest_t* m_dests = nullptr;
    int m_count = 0;
    QString m_noAnswer;
};

// How a destination is shown and named: the queue, and "/" and the instance where it is one.
QString shownName(const cups_dest_t& dest);

} // namespace platform::printing
