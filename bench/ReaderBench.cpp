// reader-bench FOLDER [--runs N]: the serial-port component on a pseudo-terminal.
// - reader-latency: a byte written on the far end until the component's receive event has run
//   in the main thread, against a bare poll+read loop on the same kind of port; the far end
//   writes from a thread of its own, as a device would, on both sides.
// - reader-idle-cpu: the CPU time of the whole program while a port stays open and idle for 5 s,
//   its lines polled as on a real serial device, against one core's time over the same span.
#include "bench/BenchSupport.h"
#include "platform/SerialPort.h"
#include "reader/ComPort.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <semaphore>
#include <stdexcept>
#include <stdlib.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Bytes = 200;
constexpr int IdleMs = 5000;

// A pseudo-terminal's far end; its near end is the port. It stands for a device: its bytes come
// from a thread of its own, one at a time, each a pause after the reading side took the one
// before, so that every byte finds the reading side waiting, as a reader's reply does.
class FarEnd
{
public:
    FarEnd() : master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC))
    {
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        path = QString::fromLocal8Bit(::ptsname(master));
    }
    ~FarEnd()
    {
        if (m_sender.joinable())
            m_sender.join();
        ::close(master);
    }

    // Starts writing `count` bytes.
    void send(int count)
    {
        m_failed = false;
        m_sender = std::thread([this, count] {
            for (int i = 0; i < count && !m_failed; ++i) {
                std::this_thread::sleep_for(Pause);
                m_sentAt = Clock::now();
                if (::write(master, "x", 1) != 1)
                    m_failed = true;
                else
                    m_taken.acquire();
            }
        });
    }

    // The reading side has the byte written last: microseconds since it was written.
    double take()
    {
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - m_sentAt).count();
        m_taken.release();
        return us;
    }

    // Waits until every byte is written.
    void finish()
    {
        if (m_sender.joinable())
            m_sender.join();
        if (m_failed)
            throw std::runtime_error("the far end cannot write");
    }

    int master;
    QString path;

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::microseconds Pause{200};

    std::thread m_sender;
    std::atomic<bool> m_failed = false;
    std::binary_semaphore m_taken{0};
    Clock::time_point m_sentAt;
};

// Lines and counters that answer at once, so that the port is polled as a real device is.
class SteadyLines : public platform::serial::StatusSource
{
public:
    platform::serial::Status read(int) override { return {platform::serial::Cts, 0}; }
};

double cpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The mean microseconds from a byte written on the far end to its receive event in the main
// thread, and to the return of a bare poll+read loop, in turn; the medians and the median of the
// pairwise ratios.
void latency(int runs)
{
    FarEnd ours;
    TComPort port;
    port.Port = ours.path;
    port.Baud = 115200;
    port.ReceiveMode = rmRAW;
    QEventLoop waiting;
    double oursUs = 0;
    int received = 0;
    port.ReceiveCallBack = [&](const QByteArray& data) {
        received += int(data.size());
        oursUs += ours.take();
        if (received == Bytes)
            waiting.quit();
    };
    port.Open();
    const auto oursRun = [&] {
        oursUs = 0;
        received = 0;
        ours.send(Bytes);
        waiting.exec();
        ours.finish();
        return oursUs / Bytes;
    };

    FarEnd bare;
    platform::serial::Port rawPort = platform::serial::Port::open(bare.path);
    rawPort.setLine({115200, 8, platform::serial::Parity::None, platform::serial::StopBits::One});
    const auto bareRun = [&] {
        double total = 0;
        char byte = 0;
        bare.send(Bytes);
        for (int i = 0; i < Bytes; ++i) {
            pollfd in{rawPort.fd(), POLLIN, 0};
            while (::poll(&in, 1, -1) != 1 || ::read(rawPort.fd(), &byte, 1) != 1) {
            }
            total += bare.take();
        }
        bare.finish();
        return total / Bytes;
    };

    oursRun();
    bareRun();
    std::vector<double> a, b, ratios;
    for (int i = 0; i < runs; ++i) {
        a.push_back(oursRun());
        b.push_back(bareRun());
        ratios.push_back(a.back() / b.back());
    }
    port.Close();
    std::printf("bench reader-latency: ours %.1fus reference %.1fus ratio %.2f (target <= 2)\n",
                bench::median(a), bench::median(b), bench::median(ratios));
    std::fflush(stdout);
}

void idleCpu()
{
    SteadyLines lines;
    platform::serial::setStatusSource(&lines);
    FarEnd far;
    TComPort port;
    port.Port = far.path;
    port.Open();
    const double before = cpuMs();
    QEventLoop idle;
    QTimer::singleShot(IdleMs, &idle, &QEventLoop::quit);
    idle.exec();
    const double used = cpuMs() - before;
    port.Close();
    platform::serial::setStatusSource(nullptr);
    std::printf("bench reader-idle-cpu: ours %.1fms reference %.1fms ratio %.4f (target <= 0.01)\n", used,
                double(IdleMs), used / IdleMs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "reader-bench",
                             "FOLDER is not used; the ports are pseudo-terminals.",
                             [](const QString&, int runs) {
                                 latency(runs);
                                 idleCpu();
                             });
}
