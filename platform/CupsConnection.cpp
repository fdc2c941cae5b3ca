#include "platform/CupsConnection.h"

#include <ctime>

namespace platform::printing {
namespace {

// How often a silent wait asks whether to go on; libcups asks first after two such steps.
constexpr double WaitStep = 0.25;

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
    httpSetTimeout(m_http, WaitStep, &CupsConnection::keepWaiting, this);
}

CupsConnection::~CupsConnection()
{
    httpClose(m_http);
}

int CupsConnection::keepWaiting(http_t* http, void* self)
{
    auto* connection = static_cast<CupsConnection*>(self);
    if (!connection->m_silent && std::time(nullptr) - httpGetActivity(http) < AnswerWait.count())
        return 1;
    connection->m_silent = true;
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
