#include "protocol.h"

#include "portname.h"

namespace wire {

QByteArray OpeningFrame(quint8 linkKey) {
    QByteArray frame("PROGRAM");
    frame.append(char(linkKey));
    return frame;
}

QByteArray ReadRequest(int address) {
    QByteArray frame;
    frame.append(char(ReadCommand));
    frame.append(char((address >> 8) & 0xFF));
    frame.append(char(address & 0xFF));
    frame.append(char(BlockBytes));
    return frame;
}

QByteArray WriteFrame(int address, const quint8* eightBytes) {
    QByteArray frame;
    frame.reserve(WriteFrameLength);
    frame.append(char(WriteCommand));
    frame.append(char((address >> 8) & 0xFF));
    frame.append(char(address & 0xFF));
    frame.append(char(BlockBytes));
    frame.append(reinterpret_cast<const char*>(eightBytes), BlockBytes);
    return frame;
}

QByteArray Single(quint8 byte) {
    return QByteArray(1, char(byte));
}

quint8 ChooseLinkKey(const QString& portName, const std::function<quint32()>& random) {
    if (const auto n = ComPortNumber(portName); n && *n >= 1 && *n <= 9) return quint8(0x60 + *n);
    return quint8(0x65 + random() % 5);
}

QString HexLogLine(const QByteArray& bytes) {
    QString line;
    line.reserve(bytes.size() * 3);
    for (const char b : bytes)
        line += QStringLiteral("%1 ").arg(quint8(b), 2, 16, QLatin1Char('0')).toUpper();
    return line;
}

} // namespace wire
