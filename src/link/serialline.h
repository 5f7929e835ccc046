#pragma once

#include "linemarks.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>

// The serial line to the radio on a QSerialPort: 9600 baud (or the state's rate), 8 data
// bits, no parity, 2 stop bits. Reports arriving bytes, that everything sent has left the
// port, and line errors. A port whose device goes away (cable pulled, virtual port
// closed) can report errors without end; the line closes it at the first one and reports
// one line error instead.
class TSerialLine : public QObject {
    Q_OBJECT
public:
    explicit TSerialLine(QObject* parent = nullptr);
    ~TSerialLine() override;

    // The port setting's name, e.g. "COM3" or "ttyUSB0". False when it cannot be opened;
    // ErrorText() then gives the system's reason.
    bool Open(const QString& portName, qint32 baudRate);
    void Close();
    bool IsOpen() const { return port_.isOpen(); }
    QString ErrorText() const { return errorText_; }

    // Queues a frame. False when the port is not open.
    bool Send(const QByteArray& frame);
    // Discards what is queued in both directions.
    bool Clear();

Q_SIGNALS:
    void bytesArrived(const QByteArray& bytes);
    // Everything sent so far has left the port.
    void drained();
    void lineError(const QString& reason);

private:
    void readArrived();
    void checkDrained();
    void portError(QSerialPort::SerialPortError error);
    void markLineErrors();
    int queuedInSystem() const;

    QSerialPort port_;
    QTimer drainCheck_;
    TLineMarks marks_;
    bool marking_ = false;
    bool closing_ = false;
    QString errorText_;
    qint32 baudRate_ = 9600;
};
