#include "support/DelayingProxy.h"

#include <arpa/inet.h>
#include <cstring>
#include <cups/ipp.h>
#include <deque>
#include <functional>
#include <list>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t wrote = ::send(fd, data, size, MSG_NOSIGNAL);
        if (wrote <= 0)
            return; // the other side went; the connection closes at its next read
        data += wrote;
        size -= size_t(wrote);
    }
}

// Follows the HTTP requests of one connection (headers, then a body of a given length or in
// chunks) and reports the IPP operation at the start of each body.
class RequestScanner
{
public:
    explicit RequestScanner(std::function<void(const QString&)> report) : m_report(std::move(report)) {}

    void feed(const char* data, size_t size)
    {
        for (const char* end = data + size; data != end; ++data)
            take(*data);
    }

private:
    enum class State { Head, Body, ChunkSize, ChunkData, ChunkEnd, Trailer };

    void take(char byte)
    {
        switch (m_state) {
        case State::Head:
            m_text += byte;
            if (m_text.endsWith("\r\n\r\n"))
                startBody();
            break;
        case State::Body:
        case State::ChunkData:
            if (m_body.size() < 4)
                m_body += byte;
            if (--m_left == 0) {
                if (m_state == State::Body) {
                    finish();
                } else {
                    m_state = State::ChunkEnd;
                    m_left = 2; // the line end after the chunk
                }
            }
            break;
        case State::ChunkEnd:
            if (--m_left == 0)
                m_state = State::ChunkSize;
            break;
        case State::ChunkSize:
        case State::Trailer:
            m_text += byte;
            if (!m_text.endsWith("\r\n"))
                break;
            if (m_state == State::Trailer) {
                if (m_text == "\r\n")
                    finish();
                m_text.clear();
                break;
            }
            m_left = m_text.split(';').first().trimmed().toLongLong(nullptr, 16);
            m_text.clear();
            m_state = m_left > 0 ? State::ChunkData : State::Trailer;
            break;
        }
    }

    void startBody()
    {
        const QByteArray head = m_text.toLower();
        m_text.clear();
        m_body.clear();
        if (head.contains("\r\ntransfer-encoding: chunked")) {
            m_state = State::ChunkSize;
            return;
        }
        const qsizetype at = head.indexOf("\r\ncontent-length:");
        m_left =
            at < 0 ? 0 : head.mid(at + 17, head.indexOf("\r\n", at + 2) - at - 17).trimmed().toLongLong();
        if (m_left > 0)
            m_state = State::Body;
        else
            finish();
    }

    void finish()
    {
        m_state = State::Head;
        const auto* bytes = reinterpret_cast<const unsigned char*>(m_body.constData());
        m_report(m_body.size() < 4 ? QStringLiteral("(no IPP request)")
                                   : QString::fromUtf8(ippOpString(ipp_op_t(bytes[2] << 8 | bytes[3]))));
    }

    std::function<void(const QString&)> m_report;
    State m_state = State::Head;
    QByteArray m_text;
    QByteArray m_body;
    qint64 m_left = 0;
};

struct Connection
{
    Connection(int client, std::function<void(const QString&)> report)
        : client(client), server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)), scanner(std::move(report))
    {
    }
    ~Connection()
    {
        ::close(client);
        if (server >= 0)
            ::close(server);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    int client;
    int server;
    bool serverDone = false;
    // The server's answer, each piece with the time it is due at the client.
    std::deque<std::pair<Clock::time_point, QByteArray>> held;
    RequestScanner scanner;
};

} // namespace

DelayingProxy::DelayingProxy(const QString& serverSocket, std::chrono::milliseconds replyDelay)
    : m_serverSocket(serverSocket.toUtf8()), m_delay(replyDelay),
      m_listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)), m_stop(::eventfd(0, EFD_CLOEXEC))
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (m_listener < 0 || m_stop < 0 ||
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(m_listener, 16) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(m_listener);
        ::close(m_stop);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    m_address = "127.0.0.1:" + QByteArray::number(ntohs(address.sin_port));
    m_thread = std::thread([this] { run(); });
}

DelayingProxy::~DelayingProxy()
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t wrote = ::write(m_stop, &one, sizeof one);
    m_thread.join();
    ::close(m_listener);
    ::close(m_stop);
}

QStringList DelayingProxy::requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void DelayingProxy::noteRequest(const QString& operation)
{
    const std::lock_guard lock(m_mutex);
    m_requests.append(operation);
}

void DelayingProxy::run()
{
    std::list<Connection> connections;
    for (;;) {
        // Sleeps until a socket has something or the next held piece is due.
        int timeoutMs = -1;
        const Clock::time_point now = Clock::now();
        for (const Connection& c : connections) {
            if (c.held.empty())
                continue;
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(c.held.front().first - now);
            const int due = int(std::max<std::chrono::milliseconds::rep>(0, wait.count()));
            timeoutMs = timeoutMs < 0 ? due : std::min(timeoutMs, due);
        }
        std::vector<pollfd> fds{{m_stop, POLLIN, 0}, {m_listener, POLLIN, 0}};
        for (const Connection& c : connections) {
            fds.push_back({c.client, POLLIN, 0});
            fds.push_back({c.serverDone ? -1 : c.server, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), timeoutMs) < 0)
            continue;
        if (fds[0].revents)
            return;

        size_t at = 2;
        char buffer[65536];
        for (auto c = connections.begin(); c != connections.end(); at += 2) {
            bool gone = false;
            if (fds[at].revents) {
                const ssize_t got = ::recv(c->client, buffer, sizeof buffer, 0);
                gone = got <= 0;
                if (got > 0) {
                    c->scanner.feed(buffer, size_t(got));
                    writeAll(c->server, buffer, size_t(got));
                }
            }
            if (fds[at + 1].revents) {
                const ssize_t got = ::recv(c->server, buffer, sizeof buffer, 0);
                if (got > 0)
                    c->held.emplace_back(Clock::now() + m_delay, QByteArray(buffer, got));
                else
                    c->serverDone = true;
            }
            while (!c->held.empty() && c->held.front().first <= Clock::now()) {
                writeAll(c->client, c->held.front().second.constData(),
                         size_t(c->held.front().second.size()));
                c->held.pop_front();
            }
            c = gone || (c->serverDone && c->held.empty()) ? connections.erase(c) : std::next(c);
        }

        if (fds[1].revents) {
            const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            Connection& c = connections.emplace_back(
                client, [this](const QString& operation) { noteRequest(operation); });
            sockaddr_un server{};
            server.sun_family = AF_UNIX;
            std::strncpy(server.sun_path, m_serverSocket.constData(), sizeof server.sun_path - 1);
            ++m_connections;
            if (::connect(c.server, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0)
                connections.pop_back();
        }
    }
}
