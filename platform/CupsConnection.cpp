#include "platform/CupsConnection.h"

#include <algorithm>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <sys/socket.h>

namespace platform::printing {
namespace {

using Seconds = std::chrono::duration<double>;

// How often a wait asks how long the server has been silent.
constexpr Seconds WaitStep{0.1};

// How long the connection has carried no data either way, as the kernel keeps it for a TCP
// connection, on the monotonic clock; nothing for a local socket, which keeps no such time.
std::optional<std::chrono::milliseconds> quietFor(http_t* http)
{
    tcp_info info{};
    socklen_t size = sizeof info;
    if (getsockopt(httpGetFd(http), IPPROTO_TCP, TCP_INFO, &info, &size) != 0)
        return std::nullopt;
    return std::chrono::milliseconds(std::min(info.tcpi_last_data_recv, info.tcpi_last_data_sent));
}

} // namespace

CupsConnection::CupsConnection()
{
    const int connectMs = static_cast<int>(std::chrono::milliseconds(AnswerWait).count());
    m_http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, connectMs, nullptr);
    if (!m_http) {
        // libcups's own text for this names the wrong cause ("Host is down" for a missing socket).
        m_connectFailure = QStringLiteral("no connection to %1").arg(QString::fromUtf8(cupsServer()));
        return;
    }
    // libcups asks keepWaiting each time a wait of this length passes without a byte (poll(),
    // timed on the monotonic clock). Over TCP the silence is the kernel's own count, asked for in
    // short steps, so that it covers also libcups's first wait after a request, of up to a second
    // for the server's go-ahead, which asks nothing. A local socket keeps no such count: there a
    // wait is given up after one whole AnswerWait of silence.
    httpSetTimeout(m_http, quietFor(m_http) ? WaitStep.count() : Seconds(AnswerWait).count(),
                   &CupsConnection::keepWaiting, this);
}

CupsConnection::~CupsConnection()
{
    httpClose(m_http);
}

int CupsConnection::keepWaiting(http_t* http, void* self)
{
    auto* connection = static_cast<CupsConnection*>(self);
    if (connection->m_silent)
        return 0;
    const std::optional<std::chrono::milliseconds> quiet = quietFor(http);
    if (quiet && *quiet < AnswerWait)
        return 1;
    // From now on every wait on this connection gives up at its first step.
    connection->m_silent = true;
    httpSetTimeout(http, WaitStep.count(), &CupsConnection::keepWaiting, self);
    return 0;
}

QString CupsConnection::noAnswer() const
{
    if (!m_http)
        return m_connectFailure;
    if (m_silent)
        return QStringLiteral("no answer within %1 seconds").arg(AnswerWait.count());
    // libcups's codes for a connection that broke off or could not be made again; a server's own
    // refusal carries another code.
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL)
        return QString::fromUtf8(cupsLastErrorString());
    return QString();
}

CupsDestinations::CupsDestinations(CupsConnection& connection)
{
    if (connection.http())
        m_count = cupsGetDests2(connection.http(), &m_dests);
    m_noAnswer = connection.noAnswer();
}

CupsDestinations::~CupsDestinations()
{
    cupsFreeDests(m_count, m_dests);
}

const cups_dest_t* CupsDestinations::find(const QString& name) const
{
    // A queue name never holds a "/", so the first one starts the instance.
    const qsizetype slash = name.indexOf('/');
    const QByteArray queue = (slash < 0 ? name : name.left(slash)).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : name.mid(slash + 1).toUtf8();
    return cupsGetDest(queue.constData(), slash < 0 ? nullptr : instance.constData(), m_count, m_dests);
}

QString shownName(const cups_dest_t& dest)
{
    const QString queue = QString::fromUtf8(dest.name);
    return dest.instance ? queue + '/' + QString::fromUtf8(dest.instance) : queue;
}

} // namespace platform::printing
