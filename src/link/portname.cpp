#include "portname.h"

std::optional<int> ComPortNumber(const QString& portName) {
    if (!portName.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) return std::nullopt;
    const QString digits = portName.mid(3);
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9') return std::nullopt;
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

QString PortSystemLocation(const QString& portName) {
#ifdef Q_OS_WIN
    // QSerialPort adds the \\.\ prefix that ports 10 and above need
    if (const auto n = ComPortNumber(portName)) return QStringLiteral("COM%1").arg(*n);
    return portName;
#else
    if (portName.startsWith(u'/')) return portName;
    if (const auto n = ComPortNumber(portName); n && *n >= 1)
        return QStringLiteral("/dev/ttyS%1").arg(*n - 1);
    return QStringLiteral("/dev/") + portName;
#endif
}
