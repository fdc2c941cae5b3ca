#pragma once

// A slow print server: a TCP port on 127.0.0.1 in front of a cupsd's local socket that passes each
// request on at once and each piece of the server's answer only `replyDelay` after it came, and
// notes the IPP operation of every request and how many connections were made.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class DelayingProxy
{
public:
    DelayingProxy(const QString& serverSocket, std::chrono::milliseconds replyDelay);
    ~DelayingProxy();
    DelayingProxy(const DelayingProxy&) = delete;
    DelayingProxy& operator=(const DelayingProxy&) = delete;

    // "127.0.0.1:port", as cupsSetServer takes it.
    QByteArray address() const { return m_address; }
    int connections() const { return m_connections; }
    // The IPP operations asked for so far ("Create-Job" ...), in order.
    QStringList requests() const;

private:
    void run();
    void noteRequest(const QString& operation);

    QByteArray m_serverSocket;
    std::chrono::milliseconds m_delay;
    int m_listener = -1;
    int m_stop = -1;
    QByteArray m_address;
    std::atomic<int> m_connections{0};
    mutable std::mutex m_mutex;
    QStringList m_requests;
    std::thread m_thread;
};
