// reader-bench FOLDER [--runs N]: the serial-port component on a pseudo-terminal.
// - reader-latency: a byte written on the far end until the component's receive event has run
//   in the main thread, against a bare poll+read loop on the same kind of port.
// - reader-idle-cpu: the CPU time of the whole program while a port stays open and idle for 5 s,
//   its lines polled as on a real serial device, against one core's time over the same span.
#include "bench/BenchSupport.h"
#include "platform/SerialPort.h"
#include "reader/ComPort.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr int RoundTrips = 200;
constexpr int IdleMs = 5000;

// A pseudo-terminal's far end; its near end is the port.
struct FarEnd
{
    FarEnd() : master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC))
    {
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        path = QString::fromLocal8Bit(::ptsname(master));
    }
    ~FarEnd() { ::close(master); }

    void writeByte() const
    {
        if (::write(master, "x", 1) != 1)
            throw std::runtime_error("the far end cannot write");
    }

    int master;
    QString path;
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

void latency(int runs)
{
    FarEnd ours;
    TComPort port;
    port.Port = ours.path;
    port.Baud = 115200;
    port.ReceiveMode = rmRAW;
    long sent = 0;
    long received = 0;
    QEventLoop waiting;
    port.ReceiveCallBack = [&](const QByteArray& data) {
        received += data.size();
        if (received >= sent)
            waiting.quit();
    };
    port.Open();

    FarEnd bare;
    platform::serial::Port rawPort = platform::serial::Port::open(bare.path);
    rawPort.setLine({115200, 8, platform::serial::Parity::None, platform::serial::StopBits::One});

    bench::compare(
        "reader-latency", 2.0, runs,
        [&] {
            for (int i = 0; i < RoundTrips; ++i) {
                ours.writeByte();
                ++sent;
                if (received < sent)
                    waiting.exec();
            }
        },
        [&] {
            char byte = 0;
            for (int i = 0; i < RoundTrips; ++i) {
                bare.writeByte();
                pollfd in{rawPort.fd(), POLLIN, 0};
                while (::poll(&in, 1, -1) != 1 || ::read(rawPort.fd(), &byte, 1) != 1) {
                }
            }
        },
        [&] {
            if (received != sent)
                throw std::runtime_error("bytes went missing");
        });
    port.Close();
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
