#pragma once

// The RFID reader form: lists the serial ports that can be opened, opens the chosen one,
// sends the reader's command frames and logs every reply, with lamps for the port's lines.
// The tool panel creates it anew for each use and shows it modally. Closing it closes its port.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QGroupBox;
class QToolButton;
class TComPort;
class TLamp;

class TForm1 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    QLabel* Label1;
    QPlainTextEdit* RFID_Memo;
    QLabel* Log;
    QPlainTextEdit* Memo1;
    QLabel* StaticText1;
    QComboBox* cbPorts;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    QLabel* Image1;
    QGroupBox* GroupBox1;
    TLamp* shPortOpen;
    TLamp* shCarrier;
    TLamp* shCTS;
    TLamp* shDSR;
    TLamp* shRing;
    TLamp* shError;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QLineEdit* Edit2;
    TComPort* ComPort1;

    void FormCreate();
    void FormClose();
    void FormDestroy();
    void btnOpenClick();
    void btnCloseClick();
    void BtnSendClick();
    void SetProtocol();
    void SpeedButton5Click();
    void Edit2KeyPress(QChar& Key);
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void ComPort1ReceiveCallBack(const QByteArray& Data);
    void ComPort1PortOpen(QObject* Sender);
    void ComPort1PortClose(QObject* Sender);
    void ComPort1CTSChanged(bool Status);
    void ComPort1DSRChanged(bool Status);
    void ComPort1RLSDChanged(bool Status);
    void ComPort1RingChanged(bool Status);
    void ComPort1Error(QObject* Sender);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void connectEvents();

    // The last command whose replies also go to RFID_Memo.
    QString FLastCommand;
};
