#pragma once

// The reading thread of one open serial port. It waits on the port and on its close event,
// and hands each port event to the main thread, where TComPort handles it, waiting until it
// has been handled. It owns the port handle; TComPort reads and writes through it.

#include "platform/SerialPort.h"
#include "reader/ComPortTypes.h"

#include <QByteArray>
#include <QThread>
#include <functional>
#include <memory>

class TCommThread : public QThread
{
    Q_OBJECT
public:
    // Opens the port with DTR and RTS dropped and both queues empty; SetParams gives it its line
    // settings. The thread is not started; HandleValid() says whether the open worked.
    explicit TCommThread(const QString& PortName);
    // Closes the port handle. Only once the thread has ended.
    ~TCommThread() override;

    // Raises EComError for a setting the device refuses.
    void SetParams(quint32 Baud, int DataBits, TParity Parity, TStopBit StopBits);
    bool HandleValid() const { return FPort.isOpen(); }
    // The system's text for a failed open.
    QString OpenError() const { return FPort.errorText(); }
    void ResetLines();
    // Unhooks the receive method and wakes the thread so that its loop ends, also while it waits
    // for the main thread.
    void Stop();
    // Closes the port and frees this object: now, or where a hand-over to the main thread is
    // running (a handler closing its own port), once that hand-over has returned.
    void Release();

    // The bytes read, at most Count; fewer where fewer were waiting.
    QByteArray ReadData(int Count);
    // Every byte, or EComError.
    void WriteData(const QByteArray& Data);
    void SetDTR(bool Value) { FPort.setDtr(Value); }
    void SetRTS(bool Value) { FPort.setRts(Value); }

    // Runs in the main thread for each port event.
    void HandleEvent();

    // Called with the number of bytes waiting.
    std::function<void(int Count)> FOnReceive;
    // Called with the events other than received bytes and the lines as read after them.
    std::function<void(unsigned EventMask, unsigned ModemStatus)> FOnStatus;

protected:
    void run() override;

private:
    struct HandOff;

    // Hands HandleEvent to the main thread and waits until it ran; false when stopped meanwhile.
    bool Synchronize();
    static void RunHandOff(TCommThread* thread, const std::shared_ptr<HandOff>& state);

    platform::serial::Port FPort;
    platform::serial::Waker FCloseEvent;
    std::shared_ptr<HandOff> FHandOff;
    platform::serial::Status FStatus;
    unsigned FEventMask = 0;
    unsigned FModemStatus = 0;
};
