#include "platform/SerialPort.h"

#include "support/PseudoTerminal.h"
#include "support/TessaryTest.h"

#include <termios.h>

using namespace platform::serial;

class SerialPortTest : public TessaryTest
{
protected:
    PseudoTerminal far;
};

TEST_F(SerialPortTest, PortNamesOfTheComFormMapToSerialDevices)
{
    const struct
    {
        const char* name;
        const char* device;
    } cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM3", "/dev/ttyS2"},
        {"\\\\.\\COM12", "/dev/ttyS11"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"COM0", "COM0"},
        {"COM", "COM"},
        {"XCOM1", "XCOM1"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(devicePath(c.name), QString(c.device)) << c.name;
}

TEST_F(SerialPortTest, EveryFrameHasItsControlFlags)
{
    const struct
    {
        LineSettings line;
        tcflag_t flags;
    } cases[] = {
        {{115200, 8, Parity::None, StopBits::One}, CS8},
        {{9600, 7, Parity::Odd, StopBits::One}, CS7 | PARENB | PARODD},
        {{9600, 7, Parity::Even, StopBits::Two}, CS7 | PARENB | CSTOPB},
        {{19200, 5, Parity::Mark, StopBits::One}, CS5 | PARENB | PARODD | CMSPAR},
        {{300, 6, Parity::Space, StopBits::Two}, CS6 | PARENB | CMSPAR | CSTOPB},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frameFlags(c.line), c.flags) << c.line.dataBits << int(c.line.parity);
}

TEST_F(SerialPortTest, TheLineIsRawWithoutFlowControlAtTheChosenSpeed)
{
    Port port = Port::open(far.path());
    ASSERT_TRUE(port.isOpen()) << port.errorText().toStdString();
    port.setLine({115200, 8, Parity::None, StopBits::One});
    termios tio{};
    ASSERT_EQ(tcgetattr(port.fd(), &tio), 0);
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS | CLOCAL | CREAD), CS8 | CLOCAL | CREAD);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | INPCK | ICRNL), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B115200));
}

TEST_F(SerialPortTest, SettingsTheDeviceCannotTakeAreRefusedWithTheirReason)
{
    const struct
    {
        LineSettings line;
        const char* reason;
    } cases[] = {
        {{12345, 8, Parity::None, StopBits::One}, "cannot run at 12345 baud."},
        {{9600, 4, Parity::None, StopBits::One}, "cannot send 4 data bits; it takes 5 to 8."},
        {{9600, 9, Parity::None, StopBits::One}, "cannot send 9 data bits; it takes 5 to 8."},
        {{9600, 8, Parity::None, StopBits::OneAndHalf}, "cannot send 1.5 stop bits."},
        // A pseudo-terminal keeps 8 data bits without parity, whatever it is told.
        {{9600, 7, Parity::Even, StopBits::One}, "refused the line settings."},
    };
    Port port = Port::open(far.path());
    ASSERT_TRUE(port.isOpen());
    for (const auto& c : cases) {
        try {
            port.setLine(c.line);
            ADD_FAILURE() << c.reason;
        } catch (const Error& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()), far.path() + " " + c.reason);
        }
    }
}
