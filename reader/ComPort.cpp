#include "reader/ComPort.h"

#include "platform/Application.h"
#include "platform/SerialPort.h"
#include "reader/CommThread.h"

#include <algorithm>
#include <memory>

namespace {

// The platform's integer conversion: decimal, or hexadecimal after "$" or "0x".
bool toInteger(const QString& text, int& value)
{
    bool ok = false;
    if (text.startsWith('$'))
        value = text.mid(1).toInt(&ok, 16);
    else if (text.startsWith("0x", Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    return ok;
}

} // namespace

void EnumComPorts(QStringList* List)
{
    if (List)
        *List << platform::serial::availablePorts();
}

TComPort::TComPort(QObject* Owner) : QObject(Owner) {}

TComPort::~TComPort()
{
    Close();
}

QString TComPort::GetTerminator() const
{
    QString text;
    for (const char c : FTermChars)
        text += '#' + QString::number(static_cast<unsigned char>(c));
    return text;
}

void TComPort::SetTerminator(const QString& Value)
{
    FTermChars.clear();
    // Text waiting for delivery is cut again at the new terminator.
    FTail = FScanned = FHead;
    // The first character is taken for the leading "#", whatever it is.
    QString rest = Value.mid(1);
    while (!rest.isEmpty()) {
        QString token;
        SplitToken(rest, '#', token);
        int code = 0;
        if (!toInteger(token, code)) {
            FTermChars = "\r\n";
            throw EComError(
                "Illegal terminator string.\rformat : #<asciicode>#<asciicode>#<...>\rexample: #13#10");
        }
        FTermChars += static_cast<char>(code & 0xFF);
    }
    if (FTermChars.isEmpty())
        throw EComError("Terminator string cannot be empty!");
}

void TComPort::SplitToken(QString& Text, QChar Separator, QString& Token)
{
    Token.clear();
    if (Text.isEmpty())
        return;
    const qsizetype at = Text.indexOf(Separator);
    if (at < 0) {
        Token = Text;
        Text.clear();
        return;
    }
    Token = Text.left(at);
    Text.remove(0, at + 1);
}

void TComPort::Open()
{
    if (FActive)
        return;
    auto thread = std::make_unique<TCommThread>(Port);
    if (!thread->HandleValid())
        throw EComError("TCOMPORT : cannot open " + Port + "\r" + thread->OpenError());
    thread->FOnReceive = [this](int Count) { DoReceive(Count); };
    thread->FOnStatus = [this](unsigned EventMask, unsigned ModemStatus) {
        DoStatusChange(EventMask, ModemStatus);
    };
    thread->SetParams(Baud, DataBits, Parity, StopBits);
    FActive = true;
    FCommThread = thread.release();
    FCommThread->start(QThread::HighPriority);
    if (OnPortOpen)
        OnPortOpen(this);
    if (FTail > FHead)
        QueueDelivery();
}

void TComPort::Close()
{
    if (!FActive)
        return;
    FActive = false;
    TCommThread* thread = std::exchange(FCommThread, nullptr);
    thread->FOnReceive = nullptr;
    thread->FOnStatus = nullptr;
    thread->Stop();
    thread->wait();
    thread->Release();
    if (OnPortClose)
        OnPortClose(this);
}

void TComPort::SetDTR(bool Value)
{
    if (FActive)
        FCommThread->SetDTR(Value);
}

void TComPort::SetRTS(bool Value)
{
    if (FActive)
        FCommThread->SetRTS(Value);
}

void TComPort::SendString(const QByteArray& Data)
{
    if (FActive)
        FCommThread->WriteData(Data);
}

void TComPort::DoReceive(int Count)
{
    const QByteArray data = FCommThread ? FCommThread->ReadData(Count) : QByteArray();
    if (!FActive || !ReceiveCallBack)
        return;
    if (ReceiveMode == rmRAW) {
        ReceiveCallBack(data);
        return;
    }
    FBuffer += data;
    const qsizetype dropped = CutMessages();
    DeliverMessage();
    if (dropped)
        throw EComError(
            QString("TCOMPORT : %1 bytes came without a terminator and were dropped.").arg(dropped));
}

qsizetype TComPort::CutMessages()
{
    if (!FTermChars.isEmpty()) {
        for (;;) {
            // No terminator starts before the last few bytes already searched.
            const qsizetype from = std::max(FTail, FScanned - FTermChars.size() + 1);
            const qsizetype at = FBuffer.indexOf(FTermChars, from);
            if (at < 0)
                break;
            FTail = FScanned = at + FTermChars.size();
        }
    }
    FScanned = FBuffer.size();
    const qsizetype tail = FBuffer.size() - FTail;
    if (tail <= ReceiveLimit)
        return 0;
    FBuffer.truncate(FTail);
    FScanned = FTail;
    return tail;
}

void TComPort::DeliverMessage()
{
    if (FTail == FHead)
        return;
    const qsizetype end = FBuffer.indexOf(FTermChars, FHead) + FTermChars.size();
    const QByteArray message = FBuffer.mid(FHead, end - FHead);
    FHead = end;
    // Delivered text goes once it is half the buffer, so a long backlog is not moved per message.
    if (FHead * 2 >= FBuffer.size()) {
        FBuffer.remove(0, FHead);
        FTail -= FHead;
        FScanned -= FHead;
        FHead = 0;
    }
    if (FTail > FHead)
        QueueDelivery();
    ReceiveCallBack(message);
}

void TComPort::QueueDelivery()
{
    if (FDeliveryQueued)
        return;
    FDeliveryQueued = true;
    // Queued on this component, so that its destruction drops the call with it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            FDeliveryQueued = false;
            if (FActive && ReceiveCallBack && ReceiveMode == rmTERM)
                runGuarded([this] { DeliverMessage(); });
        },
        Qt::QueuedConnection);
}

void TComPort::DoStatusChange(unsigned EventMask, unsigned ModemStatus)
{
    // The status was read after the change, so a set bit is a line that is on now.
    if ((EventMask & EV_CTS) && OnCTSChanged)
        OnCTSChanged(ModemStatus & MS_CTS_ON);
    if ((EventMask & EV_DSR) && OnDSRChanged)
        OnDSRChanged(ModemStatus & MS_DSR_ON);
    if ((EventMask & EV_RLSD) && OnRLSDChanged)
        OnRLSDChanged(ModemStatus & MS_RLSD_ON);
    if ((EventMask & EV_RING) && OnRingChanged)
        OnRingChanged(ModemStatus & MS_RING_ON);
    if ((EventMask & EV_ERR) && OnError)
        OnError(this);
}
