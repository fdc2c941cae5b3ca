// Form description of the RFID reader form.
#include "reader/ComPort.h"
#include "reader/Lamp.h"
#include "reader/ReaderForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

template <class T> T* make(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* text, int x, int y)
{
    auto* label = make<QLabel>(parent, name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPlainTextEdit* logMemo(QWidget* parent, const char* name, const QRect& place)
{
    auto* memo = make<QPlainTextEdit>(parent, name);
    memo->setTabChangesFocus(true);
    memo->setGeometry(place);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont terminal("Terminal");
    terminal.setStyleHint(QFont::TypeWriter);
    terminal.setPixelSize(8);
    memo->setFont(terminal);
    return memo;
}

QToolButton* speedButton(QWidget* parent, const char* name, const char* caption, const QRect& place)
{
    auto* button = make<QToolButton>(parent, name);
    button->setText(caption);
    button->setGeometry(place);
    return button;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, int x, int y)
{
    auto* button = make<QPushButton>(parent, name);
    button->setText(caption);
    button->setAutoDefault(false);
    button->setGeometry(x, y, 75, 25);
    button->hide();
    return button;
}

TLamp* lamp(QWidget* parent, const char* name, int y, const char* textName, const char* text)
{
    auto* shape = make<TLamp>(parent, name);
    shape->setGeometry(8, y, 14, 14);
    label(parent, textName, text, 28, y);
    return shape;
}

// The receive blinker: a small green dot.
QPixmap blinkerPicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::darkGreen);
    painter.setBrush(QColor(0, 255, 0));
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return picture;
}

} // namespace

void TForm1::createComponents()
{
    setObjectName("Form1");
    setWindowTitle("Ambrel Tessary RFID");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(792, 573);
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);

    Label1 = label(this, "Label1", "RFID Tag  ", 8, 8);
    RFID_Memo = logMemo(this, "RFID_Memo", QRect(6, 32, 392, 209));
    Log = label(this, "Log", "RFID Command Log", 8, 248);
    Memo1 = logMemo(this, "Memo1", QRect(6, 264, 392, 297));

    StaticText1 = label(this, "StaticText1", "available ports", 572, 18);
    StaticText1->setGeometry(572, 18, 99, 21);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cbPorts = make<QComboBox>(this, "cbPorts");
    cbPorts->setGeometry(573, 41, 99, 21);

    SpeedButton1 = speedButton(this, "SpeedButton1", "Open Port", QRect(675, 17, 103, 27));
    SpeedButton2 = speedButton(this, "SpeedButton2", "Close Port", QRect(675, 47, 104, 26));
    SpeedButton3 = speedButton(this, "SpeedButton3", "Find Device ", QRect(636, 87, 141, 34));
    SpeedButton4 = speedButton(this, "SpeedButton4", "Set Protocol", QRect(636, 127, 141, 34));
    SpeedButton5 = speedButton(this, "SpeedButton5", "Inventory", QRect(636, 167, 141, 34));

    Image1 = make<QLabel>(this, "Image1");
    Image1->setGeometry(417, 82, 16, 16);
    Image1->setPixmap(blinkerPicture());
    Image1->hide();

    GroupBox1 = make<QGroupBox>(this, "GroupBox1");
    GroupBox1->setTitle("Status");
    GroupBox1->setGeometry(408, 99, 109, 200);
    GroupBox1->hide();
    shPortOpen = lamp(GroupBox1, "shPortOpen", 31, "StaticText6", "Port Open");
    shCarrier = lamp(GroupBox1, "shCarrier", 60, "StaticText2", "Carrier Detect");
    shCTS = lamp(GroupBox1, "shCTS", 88, "StaticText3", "Clear To Send");
    shDSR = lamp(GroupBox1, "shDSR", 117, "StaticText4", "Data Set Ready");
    shRing = lamp(GroupBox1, "shRing", 145, "StaticText5", "Ring");
    shError = lamp(GroupBox1, "shError", 172, "StaticText11", "Error");

    Button6 = button(this, "Button6", "SetRTS", 529, 107);
    Button7 = button(this, "Button7", "ClrRTS", 529, 132);
    Button8 = button(this, "Button8", "SetDTR", 529, 171);
    Button9 = button(this, "Button9", "ClrDTR", 529, 196);
    Edit2 = make<QLineEdit>(this, "Edit2");
    Edit2->setText("enter text to send");
    Edit2->setGeometry(478, 542, 308, 21);
    Edit2->hide();

    ComPort1 = new TComPort(this);
    ComPort1->setObjectName("ComPort1");
    ComPort1->Port = "COM3";
    ComPort1->Baud = 115200;
    ComPort1->DataBits = 8;
    ComPort1->Parity = ptNONE;
    ComPort1->StopBits = sbONE;
    ComPort1->WinQSizeIn = 8192;
    ComPort1->WinQSizeOut = 8192;
    ComPort1->ReceiveMode = rmRAW;
    ComPort1->SetTerminator("#13#10");
}
