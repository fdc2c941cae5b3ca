#pragma once

// TComPort: one serial port that its form configures, opens and closes. It raises and drops
// DTR and RTS, sends text, and reports received data, modem-line changes and line errors as
// events, which always run in the main thread. Its reading thread (TCommThread) waits on the
// port while it is open. Every error is an EComError.

#include "reader/ComPortTypes.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <functional>

class TCommThread;

// Adds the name of every serial port that can be opened now; nothing for a missing list.
void EnumComPorts(QStringList* List);

class TComPort : public QObject
{
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* Sender)>;
    using TReceiveProc = std::function<void(const QByteArray& Data)>;
    using TStatusChanged = std::function<void(bool Status)>;

    explicit TComPort(QObject* Owner = nullptr);
    ~TComPort() override;

    // The line settings take effect at the next Open.
    QString Port = "COM1";
    quint32 Baud = 9600;
    quint8 DataBits = 8;
    TParity Parity = ptNONE;
    TStopBit StopBits = sbONE;
    // The kernel's queues have fixed sizes; these are kept for the form description only.
    quint32 WinQSizeIn = 8192;
    quint32 WinQSizeOut = 8192;
    TReceiveMode ReceiveMode = rmTERM;

    TNotifyEvent OnPortOpen;
    TNotifyEvent OnPortClose;
    TReceiveProc ReceiveCallBack;
    TStatusChanged OnCTSChanged;
    TStatusChanged OnDSRChanged;
    TStatusChanged OnRingChanged;
    TStatusChanged OnRLSDChanged;
    TNotifyEvent OnError;

    // The terminator as "#" and a decimal code per character ("#13#10" for CR LF).
    QString GetTerminator() const;
    void SetTerminator(const QString& Value);

    bool Active() const { return FActive; }
    // Nothing when open already; EComError when the port cannot be opened or set up.
    void Open();
    // Nothing when closed; ends the reading thread, also while it waits for the main thread.
    void Close();
    // Only while open.
    void SetDTR(bool Value);
    void SetRTS(bool Value);
    // Only while open: writes every byte of Data, adding none, or raises EComError.
    void SendString(const QByteArray& Data);

    // Cuts the text before the first separator off Text into Token (all of it without one).
    static void SplitToken(QString& Text, QChar Separator, QString& Token);

    // The most text without a terminator that may gather; beyond it that text is dropped and
    // reported, so a line that never sends the terminator cannot fill the memory.
    static constexpr qsizetype ReceiveLimit = 64 * 1024;

private:
    void DoReceive(int Count);
    // Finds the complete messages in what came since the last call; drops an unterminated
    // tail over ReceiveLimit and returns its size (0 when none was dropped).
    qsizetype CutMessages();
    // Delivers the first waiting message, and queues one more event while another waits, so
    // a backlog drains without waiting for bytes that may never come.
    void DeliverMessage();
    void QueueDelivery();
    void DoStatusChange(unsigned EventMask, unsigned ModemStatus);

    bool FActive = false;
    TCommThread* FCommThread = nullptr;
    QByteArray FTermChars = "\r\n";
    // Received text not yet delivered in rmTERM mode starts at FHead; FBuffer[FHead, FTail)
    // holds complete messages, what follows FTail none. FScanned: searched for a terminator.
    QByteArray FBuffer;
    qsizetype FHead = 0;
    qsizetype FTail = 0;
    qsizetype FScanned = 0;
    bool FDeliveryQueued = false;
};
