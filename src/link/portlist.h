#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A serial port present on this computer, as the port dialog shows it.
struct TPresentPort {
    QString name;        // the port setting's form: "COM3", "ttyUSB0"
    QString location;    // the device: "COM3", "/dev/ttyUSB0"
    QString description; // what the system calls it, e.g. "USB-Serial Controller"
    QString manufacturer;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
};

// The ports present, COM ports by number, other devices by name with their numbers in
// numeric order (ttyUSB2 before ttyUSB10).
QList<TPresentPort> ListPresentPortDetails();

// The names of the ports present, in the same order.
QStringList ListPresentPorts();

// Whether the port setting names a device that is there now, listed or not: no port list
// shows a pseudo-terminal, for instance. On Windows only the listed ports count.
bool PortDeviceExists(const QString& portName);

// "USB 067B:2303" style text for a port's ids; empty when the system does not know them.
QString UsbIdText(const TPresentPort& port);
