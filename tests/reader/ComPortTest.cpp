#include "reader/ComPort.h"

#include "support/PseudoTerminal.h"
#include "support/TessaryTest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

// Serves events until the condition holds. Unlike QTest::qWaitFor it takes no pause between
// turns of the loop, which would hold queued deliveries to about a hundred a second.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer tick;
    tick.start(10);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace

class ComPortTest : public TessaryTest
{
protected:
    ComPortTest()
    {
        port.Port = far.path();
        port.Baud = 115200;
        port.ReceiveMode = rmRAW;
        port.ReceiveCallBack = [this](const QByteArray& data) {
            received.push_back(data);
            inMainThread = inMainThread && QThread::currentThread() == qApp->thread();
        };
        port.OnPortOpen = [this](QObject* sender) {
            EXPECT_EQ(sender, &port);
            ++opened;
        };
        port.OnPortClose = [this](QObject*) { ++closed; };
        port.OnError = [this](QObject*) { ++errors; };
    }

    QByteArray receivedBytes() const { return received.join(); }

    // Writes from another thread while serving the port's events, as a device sends a burst.
    void writeWhileServing(const QByteArray& data)
    {
        std::atomic<bool> written = false;
        std::thread writer([&] {
            far.write(data);
            written = true;
        });
        const bool done = waitFor([&] { return written.load(); }, 30000);
        writer.join();
        ASSERT_TRUE(done);
    }

    PseudoTerminal far;
    TComPort port;
    QList<QByteArray> received;
    bool inMainThread = true;
    int opened = 0;
    int closed = 0;
    int errors = 0;
};

TEST_F(ComPortTest, TerminatorTextsAreReadAsTheirCharacterCodes)
{
    const QString illegal =
        "Illegal terminator string.\rformat : #<asciicode>#<asciicode>#<...>\rexample: #13#10";
    const QString empty = "Terminator string cannot be empty!";
    const struct
    {
        const char* text;
        QByteArray chars;
        QString error;
    } cases[] = {
        {"#13#10", "\r\n", {}},    {"#13", "\r", {}},           {"13#10", "\x03\n", {}},
        {"#$0D#0x0A", "\r\n", {}}, {"#266", "\n", {}},          {"#", "", empty},
        {"", "", empty},           {"#0D#0A", "\r\n", illegal}, {"#13##10", "\r\n", illegal},
        {"#13#", "\r", {}},
    };
    for (const auto& c : cases) {
        port.SetTerminator("#65");
        QString error;
        try {
            port.SetTerminator(c.text);
        } catch (const EComError& e) {
            error = QString::fromUtf8(e.what());
        }
        EXPECT_EQ(error, c.error) << c.text;
        QString expected;
        for (const char ch : c.chars)
            expected += '#' + QString::number(static_cast<unsigned char>(ch));
        EXPECT_EQ(port.GetTerminator(), expected) << c.text;
    }
}

TEST_F(ComPortTest, TerminatorModeDeliversABurstWholeWithNothingAfterIt)
{
    port.ReceiveMode = rmTERM;
    port.Open();
    far.write("AB\r\nCD\r\n");
    ASSERT_TRUE(waitFor([&] { return received.size() == 2; }));
    EXPECT_EQ(received, (QList<QByteArray>{"AB\r\n", "CD\r\n"}));

    // A megabyte of numbered messages, far more than the limit for text without a terminator.
    received.clear();
    QList<QByteArray> messages;
    for (int i = 0; i < 131072; ++i)
        messages << QByteArray::number(i).rightJustified(6, '0') + "\r\n";
    writeWhileServing(messages.join());
    ASSERT_TRUE(waitFor([&] { return received.size() >= messages.size(); }, 30000)) << received.size();
    EXPECT_TRUE(received == messages);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ComPortTest, TerminatorModeDropsAndReportsOnlyTheTextThatNeverEnds)
{
    port.ReceiveMode = rmTERM;
    port.Open();
    QList<QByteArray> messages;
    for (int i = 0; i < 20000; ++i)
        messages << "AB" + QByteArray::number(i) + "\r\n";
    writeWhileServing(messages.join() + QByteArray(TComPort::ReceiveLimit + 1, 'x'));
    ASSERT_TRUE(waitFor([&] { return !dialogs.messages.empty(); }));
    const QString text = dialogs.messages[0].text;
    EXPECT_TRUE(text.startsWith(QString("TCOMPORT : %1 bytes ").arg(TComPort::ReceiveLimit + 1)))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(" bytes came without a terminator and were dropped."));

    far.write("end\r\n");
    ASSERT_TRUE(waitFor([&] { return received.size() == messages.size() + 1; })) << received.size();
    EXPECT_TRUE(received.mid(0, messages.size()) == messages);
    EXPECT_EQ(received.last(), "end\r\n");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ComPortTest, OpenOnAnOpenPortAndCloseOnAClosedOneDoNothing)
{
    port.Close();
    EXPECT_EQ(closed, 0);
    port.Open();
    port.Open();
    EXPECT_EQ(opened, 1);
    port.Close();
    port.Close();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(port.Active());
}

TEST_F(ComPortTest, APortThatCannotBeOpenedIsNotListedAndSaysWhy)
{
    // One program holds its port with flock, another with TIOCEXCL, which root may open past.
    PseudoTerminal held, marked;
    PseudoTerminal::listPorts({far.path(), held.path(), marked.path()});
    const int holder = ::open(held.path().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    const int marker = ::open(marked.path().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(marker, 0);
    ASSERT_EQ(::ioctl(marker, TIOCEXCL), 0);

    QStringList ports;
    EnumComPorts(&ports);
    EXPECT_TRUE(ports.contains(far.path()));
    EXPECT_FALSE(ports.contains(held.path()));
    EXPECT_FALSE(ports.contains(marked.path()));
    EnumComPorts(nullptr);

    const struct
    {
        QString port;
        QString reason;
    } cases[] = {
        {held.path(), "Device or resource busy"},
        {marked.path(), "Device or resource busy"},
        {programFolder() + "COM9", "No such file or directory"},
        {"", "No such file or directory"},
    };
    for (const auto& c : cases) {
        port.Port = c.port;
        try {
            port.Open();
            ADD_FAILURE() << c.port.toStdString();
        } catch (const EComError& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()), "TCOMPORT : cannot open " + c.port + "\r" + c.reason);
        }
        EXPECT_FALSE(port.Active());
    }
    EXPECT_EQ(opened, 0);
    ::close(holder);
    ::close(marker);

    // A port this program holds is missing from the list too, until it is closed.
    port.Port = far.path();
    port.Open();
    ports.clear();
    EnumComPorts(&ports);
    EXPECT_FALSE(ports.contains(far.path()));
    port.Close();
    ports.clear();
    EnumComPorts(&ports);
    EXPECT_TRUE(ports.contains(far.path()));
}

TEST_F(ComPortTest, CloseRightAfterOpenEndsTheReadingThreadEveryTime)
{
    for (int i = 0; i < 50; ++i) {
        port.Open();
        port.Close();
    }
    EXPECT_EQ(opened, 50);
    EXPECT_EQ(closed, 50);
}

TEST_F(ComPortTest, CloseReturnsWhileTheThreadWaitsForTheMainThread)
{
    port.Open();
    far.write("late");
    // The main thread serves no events meanwhile, so the thread is left waiting in its hand-over.
    QThread::msleep(200);
    port.Close();
    QTest::qWait(100);
    EXPECT_TRUE(received.isEmpty());
    EXPECT_EQ(closed, 1);
}

TEST_F(ComPortTest, AReceiveHandlerMayCloseItsOwnPort)
{
    port.ReceiveCallBack = [this](const QByteArray& data) {
        received.push_back(data);
        port.Close();
    };
    port.OnCTSChanged = [this](bool) { ADD_FAILURE() << "a line event after Close"; };
    ScriptedStatus lines;
    port.Open();
    lines.lines = platform::serial::Cts;
    far.write("bye");
    ASSERT_TRUE(waitFor([&] { return closed == 1; }));
    QTest::qWait(100);
    EXPECT_EQ(receivedBytes(), "bye");
    port.Open();
    EXPECT_TRUE(port.Active());
}

TEST_F(ComPortTest, AMegabyteFromTheFarEndArrivesWholeAndInOrder)
{
    QByteArray megabyte(1 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < megabyte.size(); ++i)
        megabyte[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    port.Open();
    std::thread writer([&] { far.write(megabyte); });
    const bool whole = waitFor([&] { return receivedBytes().size() >= megabyte.size(); });
    writer.join();
    ASSERT_TRUE(whole) << receivedBytes().size();
    EXPECT_TRUE(receivedBytes() == megabyte);
    EXPECT_TRUE(inMainThread);
}

TEST_F(ComPortTest, SendStringWritesEveryByteOrRaises)
{
    QByteArray data(256 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i % 253);
    port.Baud = 4000000;
    port.Open();
    QByteArray arrived;
    std::thread reader([&] { arrived = far.read(data.size(), 10000); });
    port.SendString(data);
    reader.join();
    EXPECT_TRUE(arrived == data) << arrived.size();

    far.closeFarEnd();
    try {
        port.SendString("0108000304FF0000");
        ADD_FAILURE() << "a write to a device that went was taken";
    } catch (const EComError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
                  "TCOMPORT : cannot write\r" + far.path() + ": Input/output error");
    }
}

TEST_F(ComPortTest, AFarEndThatGoesGivesOneErrorAndNoBusyWaiting)
{
    port.Open();
    far.write("last");
    ASSERT_TRUE(waitFor([&] { return receivedBytes() == "last"; }));
    far.closeFarEnd();
    ASSERT_TRUE(waitFor([&] { return errors == 1; }));

    // A thread left spinning on the gone device would take about all of the wall time.
    QElapsedTimer wall;
    wall.start();
    const double before = processCpuMs();
    QTest::qWait(500);
    EXPECT_LT(processCpuMs() - before, wall.elapsed() / 2.0);
    EXPECT_EQ(errors, 1);
    port.Close();
    EXPECT_EQ(closed, 1);
}

TEST_F(ComPortTest, LineEventsCarryTheStateReadAfterTheChange)
{
    ScriptedStatus status;
    QStringList events;
    const auto record = [&](const char* line) {
        return [&events, line](bool on) {
            events << QString("%1 %2").arg(line, on ? "on" : "off");
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
        };
    };
    port.OnCTSChanged = record("CTS");
    port.OnDSRChanged = record("DSR");
    port.OnRLSDChanged = record("RLSD");
    port.OnRingChanged = record("Ring");
    status.lines = platform::serial::Dsr;
    port.Open();

    const struct
    {
        unsigned line;
        const char* name;
    } lines[] = {{platform::serial::Cts, "CTS"},
                 {platform::serial::Dsr, "DSR"},
                 {platform::serial::Carrier, "RLSD"},
                 {platform::serial::Ring, "Ring"}};
    for (const auto& l : lines) {
        events.clear();
        const bool wasOn = status.lines & l.line;
        status.lines ^= l.line;
        ASSERT_TRUE(waitFor([&] { return !events.isEmpty(); })) << l.name;
        EXPECT_EQ(events, QStringList{QString("%1 %2").arg(l.name, wasOn ? "off" : "on")});
    }

    status.errors += 3;
    ASSERT_TRUE(waitFor([&] { return errors == 1; }));
    QTest::qWait(150);
    EXPECT_EQ(errors, 1);
}
