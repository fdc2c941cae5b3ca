#pragma once

// The serial-port component's setting types, its error and the event and line codes that its
// reading thread hands to it.

#include <QString>
#include <stdexcept>

// Ordinals are the line settings' codes.
enum TParity { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TStopBit { sbONE, sbONE5, snTWO };
enum TReceiveMode { rmRAW, rmTERM };

// Every error of the component; the application's handler shows its message.
class EComError : public std::runtime_error
{
public:
    explicit EComError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// What ended one wait of the reading thread.
enum TCommEvent : unsigned {
    EV_RXCHAR = 0x0001,
    EV_CTS = 0x0008,
    EV_DSR = 0x0010,
    EV_RLSD = 0x0020,
    EV_ERR = 0x0080,
    EV_RING = 0x0100,
};

// The modem lines that are on.
enum TModemStatus : unsigned {
    MS_CTS_ON = 0x0010,
    MS_DSR_ON = 0x0020,
    MS_RING_ON = 0x0040,
    MS_RLSD_ON = 0x0080,
};
