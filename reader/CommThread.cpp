#include "reader/CommThread.h"

#include "platform/Application.h"

#include <QDeadlineTimer>
#include <condition_variable>
#include <exception>
#include <mutex>

namespace {

using platform::serial::Status;

// poll() reports neither line changes nor line errors, and a wait for line changes
// (TIOCMIWAIT) cannot be woken for a close, so both are read this often while a port is open.
constexpr int StatusIntervalMs = 50;

unsigned modemStatus(const Status& status)
{
    const unsigned lines = status.lines.value_or(0);
    unsigned bits = 0;
    if (lines & platform::serial::Cts)
        bits |= MS_CTS_ON;
    if (lines & platform::serial::Dsr)
        bits |= MS_DSR_ON;
    if (lines & platform::serial::Ring)
        bits |= MS_RING_ON;
    if (lines & platform::serial::Carrier)
        bits |= MS_RLSD_ON;
    return bits;
}

unsigned statusEvents(const Status& before, const Status& after)
{
    unsigned events = 0;
    if (before.lines && after.lines) {
        const unsigned changed = modemStatus(before) ^ modemStatus(after);
        if (changed & MS_CTS_ON)
            events |= EV_CTS;
        if (changed & MS_DSR_ON)
            events |= EV_DSR;
        if (changed & MS_RLSD_ON)
            events |= EV_RLSD;
        if (changed & MS_RING_ON)
            events |= EV_RING;
    }
    if (before.errors && after.errors && *after.errors != *before.errors)
        events |= EV_ERR;
    return events;
}

} // namespace

struct TCommThread::HandOff
{
    std::mutex mutex;
    std::condition_variable changed;
    bool stopping = false;
    bool handled = false;
    // Main thread only: a hand-over is running, and the thread was released meanwhile.
    bool running = false;
    bool released = false;
};

TCommThread::TCommThread(const QString& PortName)
    : FPort(platform::serial::Port::open(PortName)), FHandOff(std::make_shared<HandOff>())
{
    if (!FPort.isOpen())
        return;
    ResetLines();
    // Read before the thread starts, so that a change right after the open is a change.
    FStatus = platform::serial::readStatus(FPort.fd());
}

TCommThread::~TCommThread() = default;

void TCommThread::SetParams(quint32 Baud, int DataBits, TParity Parity, TStopBit StopBits)
{
    try {
        FPort.setLine({Baud, DataBits, static_cast<platform::serial::Parity>(Parity),
                       static_cast<platform::serial::StopBits>(StopBits)});
    } catch (const platform::serial::Error& error) {
        throw EComError("TCOMPORT : " + QString::fromUtf8(error.what()));
    }
}

void TCommThread::ResetLines()
{
    FPort.purge();
    FPort.setDtr(false);
    FPort.setRts(false);
}

void TCommThread::Stop()
{
    FOnReceive = nullptr;
    {
        std::lock_guard lock(FHandOff->mutex);
        FHandOff->stopping = true;
    }
    FHandOff->changed.notify_all();
    FCloseEvent.wake();
}

void TCommThread::Release()
{
    FPort.close();
    if (FHandOff->running)
        FHandOff->released = true;
    else
        delete this;
}

QByteArray TCommThread::ReadData(int Count)
{
    return FPort.read(Count);
}

void TCommThread::WriteData(const QByteArray& Data)
{
    try {
        FPort.writeAll(Data);
    } catch (const platform::serial::Error& error) {
        throw EComError("TCOMPORT : cannot write\r" + QString::fromUtf8(error.what()));
    }
}

void TCommThread::run()
{
    const int port = FPort.fd();
    Status status = FStatus;
    // A device without modem lines or error counters (a pseudo-terminal) has nothing to poll.
    const bool watchStatus = status.lines || status.errors;
    bool portGone = false;
    QDeadlineTimer nextReading(StatusIntervalMs);
    for (;;) {
        const int timeout = watchStatus && !portGone ? static_cast<int>(nextReading.remainingTime()) : -1;
        const platform::serial::WaitResult woke = FCloseEvent.wait(portGone ? -1 : port, timeout);
        if (woke.woken)
            break;
        unsigned events = 0;
        if (woke.hungUp) {
            // An unplugged adapter or a far end that went: one error, then no more waiting on it.
            portGone = true;
            events |= EV_ERR;
            if (FPort.bytesWaiting() > 0)
                events |= EV_RXCHAR;
        } else if (woke.readable) {
            events |= EV_RXCHAR;
        }
        if (watchStatus && !portGone && nextReading.hasExpired()) {
            const Status now = platform::serial::readStatus(port);
            events |= statusEvents(status, now);
            status = now;
            nextReading.setRemainingTime(StatusIntervalMs);
        }
        if (events == 0)
            continue;
        FEventMask = events;
        FModemStatus = modemStatus(status);
        if (!Synchronize())
            break;
    }
}

bool TCommThread::Synchronize()
{
    std::unique_lock lock(FHandOff->mutex);
    if (FHandOff->stopping)
        return false;
    FHandOff->handled = false;
    // Queued on this object, which lives in the main thread; a release drops the call with it.
    QMetaObject::invokeMethod(
        this, [this, state = FHandOff] { RunHandOff(this, state); }, Qt::QueuedConnection);
    FHandOff->changed.wait(lock, [this] { return FHandOff->handled || FHandOff->stopping; });
    return !FHandOff->stopping;
}

void TCommThread::RunHandOff(TCommThread* thread, const std::shared_ptr<HandOff>& state)
{
    {
        std::lock_guard lock(state->mutex);
        if (state->stopping)
            return;
    }
    state->running = true;
    runGuarded([thread] { thread->HandleEvent(); });
    state->running = false;
    if (state->released) {
        delete thread;
        return;
    }
    {
        std::lock_guard lock(state->mutex);
        state->handled = true;
    }
    state->changed.notify_all();
}

void TCommThread::HandleEvent()
{
    unsigned events = FEventMask;
    std::exception_ptr failure;
    if (events & EV_RXCHAR) {
        if (FOnReceive) {
            // The status events still run when a receive fails; its error is raised after them.
            try {
                FOnReceive(FPort.bytesWaiting());
            } catch (...) {
                failure = std::current_exception();
            }
        }
        events &= ~EV_RXCHAR;
    }
    if (events && FOnStatus)
        FOnStatus(events, FModemStatus);
    if (failure)
        std::rethrow_exception(failure);
}
