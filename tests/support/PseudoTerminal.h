#pragma once

// A pseudo-terminal whose far end (the master) a test writes and reads, standing for the
// device on the other side of a serial port; its near end is the port under test.

#include "platform/SerialPort.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>

class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The port's device path (/dev/pts/N).
    QString path() const { return m_path; }
    // Writes every byte to the port's input, waiting while it is full.
    void write(const QByteArray& data);
    // What the port sent, once `size` bytes came or timeoutMs passed.
    QByteArray read(qsizetype size, int timeoutMs = 5000);
    // All the port sends within waitMs.
    QByteArray readFor(int waitMs);
    // The far end goes, as an unplugged device does.
    void closeFarEnd();

    // Makes the ports the only extra ones that the port list tries.
    static void listPorts(const QStringList& paths);

private:
    int m_master = -1;
    QString m_path;
};

// Modem lines and error counters a test sets, read by the port in place of the device's.
class ScriptedStatus : public platform::serial::StatusSource
{
public:
    ScriptedStatus() { platform::serial::setStatusSource(this); }
    ~ScriptedStatus() override { platform::serial::setStatusSource(nullptr); }

    platform::serial::Status read(int) override { return {lines.load(), errors.load()}; }

    std::atomic<unsigned> lines{0};
    std::atomic<std::uint64_t> errors{0};
};

// CPU time of the whole process in milliseconds.
double processCpuMs();
