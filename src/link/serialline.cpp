#include "serialline.h"

#include "porterror.h"
#include "portname.h"
#include "protocol.h"

#include <cmath>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

TSerialLine::TSerialLine(QObject* parent) : QObject(parent) {
    drainCheck_.setSingleShot(true);
    drainCheck_.setTimerType(Qt::PreciseTimer);
    connect(&drainCheck_, &QTimer::timeout, this, &TSerialLine::checkDrained);
    connect(&port_, &QSerialPort::readyRead, this, &TSerialLine::readArrived);
    connect(&port_, &QSerialPort::bytesWritten, this, &TSerialLine::checkDrained);
    connect(&port_, &QSerialPort::errorOccurred, this, &TSerialLine::portError);
}

TSerialLine::~TSerialLine() {
    Close();
}

bool TSerialLine::Open(const QString& portName, qint32 baudRate) {
    Close();
    errorText_.clear();
    baudRate_ = baudRate > 0 ? baudRate : 9600;
    const QString location = PortSystemLocation(portName);
    port_.setPortName(location);
    port_.setBaudRate(baudRate_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::TwoStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        errorText_ = PortOpenErrorText(port_.error(), port_.errorString(), location);
        port_.clearError();
        return false;
    }
    markLineErrors();
    Clear();
    return true;
}

void TSerialLine::markLineErrors() {
    marking_ = false;
#ifdef Q_OS_UNIX
    // QSerialPort puts the line in raw mode, where a break or a damaged byte reads like
    // data. Ask the driver to mark them instead, so that a block hit by line noise is
    // never taken for the radio's data.
    termios tio{};
    const int fd = int(port_.handle());
    if (::tcgetattr(fd, &tio) != 0) return;
    tio.c_iflag |= PARMRK | INPCK;
    tio.c_iflag &= ~(IGNPAR | IGNBRK | BRKINT | ISTRIP);
    marking_ = ::tcsetattr(fd, TCSANOW, &tio) == 0;
#endif
    marks_.Reset();
}

void TSerialLine::Close() {
    drainCheck_.stop();
    if (!port_.isOpen() || closing_) return;
    closing_ = true;
    port_.close();
    port_.clearError();
    closing_ = false;
}

bool TSerialLine::Send(const QByteArray& frame) {
    if (!port_.isOpen()) return false;
    return port_.write(frame) == frame.size();
}

bool TSerialLine::Clear() {
    marks_.Reset();
    if (!port_.isOpen()) return false;
    return port_.clear(QSerialPort::AllDirections);
}

void TSerialLine::readArrived() {
    const QByteArray raw = port_.readAll();
    if (!marking_) {
        if (!raw.isEmpty()) Q_EMIT bytesArrived(raw);
        return;
    }
    for (const TLineMarks::Piece& piece : marks_.Decode(raw)) {
        if (!piece.data.isEmpty()) Q_EMIT bytesArrived(piece.data);
        if (piece.lineError) Q_EMIT lineError(tr("A break or a damaged byte on the line"));
    }
}

int TSerialLine::queuedInSystem() const {
#ifdef Q_OS_UNIX
    int queued = 0;
    if (port_.isOpen() && ::ioctl(int(port_.handle()), TIOCOUTQ, &queued) == 0) return queued;
#endif
    return 0;
}

void TSerialLine::checkDrained() {
    if (!port_.isOpen() || port_.bytesToWrite() > 0) return;
    const int queued = queuedInSystem();
    if (queued <= 0) {
        Q_EMIT drained();
        return;
    }
    // look again when the driver's queue should have gone out on the wire
    const double ms = queued * wire::BitsPerByte * 1000.0 / baudRate_;
    drainCheck_.start(std::max(1, int(std::ceil(ms))));
}

void TSerialLine::portError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return;
    if (!port_.isOpen() || closing_) return;
    // a device that went away keeps reporting; close it once and say so once
    const QString reason = port_.errorString();
    Close();
    Q_EMIT lineError(reason);
}
