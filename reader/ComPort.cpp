#include "reader/ComPort.h"

#include "platform/SerialPort.h"
#include "reader/CommThread.h"

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
    // One message per receive event; a second one waits in the buffer for the next event.
    QByteArray message;
    const qsizetype at = FTermChars.isEmpty() ? -1 : FBuffer.indexOf(FTermChars);
    if (at >= 0) {
        message = FBuffer.left(at + FTermChars.size());
        FBuffer.remove(0, message.size());
    }
    const qsizetype overflow = FBuffer.size() > ReceiveLimit ? FBuffer.size() : 0;
    if (overflow)
        FBuffer.clear();
    if (!message.isEmpty())
        ReceiveCallBack(message);
    if (overflow)
        throw EComError(
            QString("TCOMPORT : %1 bytes came without a terminator and were dropped.").arg(overflow));
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
