#include "portlist.h"

#include "portname.h"

#include <QCollator>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

QList<TPresentPort> ListPresentPortDetails() {
    QList<TPresentPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        TPresentPort port;
        port.name = info.portName();
        port.location = info.systemLocation();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
        ports << port;
    }
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(ports.begin(), ports.end(), [&](const TPresentPort& a, const TPresentPort& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return ports;
}

QStringList ListPresentPorts() {
    QStringList names;
    for (const TPresentPort& port : ListPresentPortDetails())
        names << port.name;
    return names;
}

bool PortDeviceExists(const QString& portName) {
    if (portName.isEmpty()) return false;
#ifdef Q_OS_WIN
    return ListPresentPorts().contains(portName, Qt::CaseInsensitive);
#else
    return QFileInfo::exists(PortSystemLocation(portName));
#endif
}

QString UsbIdText(const TPresentPort& port) {
    if (!port.vendorId || !port.productId) return {};
    return QStringLiteral("USB %1:%2")
        .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(*port.productId, 4, 16, QLatin1Char('0'))
        .toUpper();
}
