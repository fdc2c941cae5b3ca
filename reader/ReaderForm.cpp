#include "reader/ReaderForm.h"

#include "platform/Application.h"
#include "reader/ComPort.h"
#include "reader/Lamp.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QToolButton>

namespace {

// The reader's command frames, sent as their hexadecimal text.
const QByteArray FindDeviceFrame = "0108000304FF0000";
const QByteArray SetProtocolFrames[] = {"010C00030410002101000000", "0109000304F0000000",
                                        "0109000304F1FF0000"};
const QByteArray InventoryFrame = "010B000304140401000000";
// The pause after a frame; it blocks the form, so replies are handled once the click is.
constexpr unsigned long FramePauseMs = 100;
constexpr int MaxLogLines = 500;

const QColor Grey(128, 128, 128);
const QColor Lime(0, 255, 0);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);

void setLamp(TLamp* lamp, bool on)
{
    lamp->setColor(on ? Lime : Grey);
}

int lineCount(const QPlainTextEdit* memo)
{
    return memo->document()->isEmpty() ? 0 : memo->document()->blockCount();
}

// The reply's own line breaks (CR LF, CR or LF) start further lines. Other control bytes get
// visible stand-ins, so that screen and screen reader show every byte (a NUL would end the
// text a screen reader gets): the control pictures for C0 and DEL, hex for C1.
QString logText(const QByteArray& data)
{
    QString text;
    text.reserve(data.size());
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r' || byte == '\n' || byte == '\t')
            text += QChar(byte);
        else if (byte < 0x20)
            text += QChar(0x2400 + byte);
        else if (byte == 0x7F)
            text += QChar(0x2421);
        else if (byte >= 0x80 && byte <= 0x9F)
            text += QString("<%1>").arg(byte, 2, 16, QChar('0')).toUpper();
        else
            text += QChar(byte);
    }
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QDialog(parent)
{
    createComponents();
    connectEvents();
    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::connectEvents()
{
    const auto onClick = [this](QAbstractButton* button, void (TForm1::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, guarded(this, handler));
    };
    onClick(SpeedButton1, &TForm1::btnOpenClick);
    onClick(SpeedButton2, &TForm1::btnCloseClick);
    onClick(SpeedButton3, &TForm1::BtnSendClick);
    onClick(SpeedButton4, &TForm1::SetProtocol);
    onClick(SpeedButton5, &TForm1::SpeedButton5Click);
    onClick(Button6, &TForm1::Button6Click);
    onClick(Button7, &TForm1::Button7Click);
    onClick(Button8, &TForm1::Button8Click);
    onClick(Button9, &TForm1::Button9Click);
    Edit2->installEventFilter(this);

    // The port calls these in the main thread, from its hand-over, which guards them.
    ComPort1->ReceiveCallBack = [this](const QByteArray& Data) { ComPort1ReceiveCallBack(Data); };
    ComPort1->OnPortOpen = [this](QObject* Sender) { ComPort1PortOpen(Sender); };
    ComPort1->OnPortClose = [this](QObject* Sender) { ComPort1PortClose(Sender); };
    ComPort1->OnCTSChanged = [this](bool Status) { ComPort1CTSChanged(Status); };
    ComPort1->OnDSRChanged = [this](bool Status) { ComPort1DSRChanged(Status); };
    ComPort1->OnRLSDChanged = [this](bool Status) { ComPort1RLSDChanged(Status); };
    ComPort1->OnRingChanged = [this](bool Status) { ComPort1RingChanged(Status); };
    ComPort1->OnError = [this](QObject* Sender) { ComPort1Error(Sender); };
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QChar Key(13);
            runGuarded([&] { Edit2KeyPress(Key); });
            return Key.isNull();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm1::done(int result)
{
    runGuarded([this] { FormClose(); });
    QDialog::done(result);
}

void TForm1::FormCreate()
{
    QStringList ports;
    EnumComPorts(&ports);
    cbPorts->addItems(ports);
    if (cbPorts->count() > 0)
        cbPorts->setCurrentIndex(0);
}

// A port left open would go on logging into the hidden form and stay missing from the next
// form's list, so closing the form closes it.
void TForm1::FormClose()
{
    if (ComPort1 && ComPort1->Active())
        btnCloseClick();
}

void TForm1::FormDestroy()
{
    delete ComPort1;
    ComPort1 = nullptr;
}

void TForm1::btnOpenClick()
{
    cbPorts->setEnabled(false);
    ComPort1->Port = cbPorts->currentText();
    ComPort1->Open();
}

void TForm1::btnCloseClick()
{
    ComPort1->Close();
    cbPorts->setEnabled(true);
}

void TForm1::BtnSendClick()
{
    ComPort1->SendString(FindDeviceFrame);
}

void TForm1::SetProtocol()
{
    for (const QByteArray& frame : SetProtocolFrames) {
        ComPort1->SendString(frame);
        QThread::msleep(FramePauseMs);
    }
}

void TForm1::SpeedButton5Click()
{
    ComPort1->SendString(InventoryFrame);
    QThread::msleep(FramePauseMs);
    FLastCommand = "Inventory";
    RFID_Memo->clear();
}

void TForm1::Edit2KeyPress(QChar& Key)
{
    if (Key == QChar(13)) {
        BtnSendClick();
        Key = QChar();
    }
}

void TForm1::Button6Click()
{
    ComPort1->SetRTS(true);
}

void TForm1::Button7Click()
{
    ComPort1->SetRTS(false);
}

void TForm1::Button8Click()
{
    ComPort1->SetDTR(true);
}

void TForm1::Button9Click()
{
    ComPort1->SetDTR(false);
}

void TForm1::ComPort1ReceiveCallBack(const QByteArray& Data)
{
    if (lineCount(Memo1) > MaxLogLines)
        Memo1->clear();
    const QString text = logText(Data);
    Memo1->appendPlainText(text);
    Image1->setHidden(!Image1->isHidden());
    if (FLastCommand == "Inventory")
        RFID_Memo->appendPlainText(text);
}

void TForm1::ComPort1PortOpen(QObject*)
{
    shPortOpen->setColor(Yellow);
}

void TForm1::ComPort1PortClose(QObject*)
{
    for (TLamp* lamp : {shPortOpen, shCarrier, shRing, shCTS, shDSR})
        lamp->setColor(Grey);
}

void TForm1::ComPort1CTSChanged(bool Status)
{
    setLamp(shCTS, Status);
}

void TForm1::ComPort1DSRChanged(bool Status)
{
    setLamp(shDSR, Status);
}

void TForm1::ComPort1RLSDChanged(bool Status)
{
    setLamp(shCarrier, Status);
}

void TForm1::ComPort1RingChanged(bool Status)
{
    setLamp(shRing, Status);
}

void TForm1::ComPort1Error(QObject*)
{
    shError->setColor(Red);
}
