#include "valuecodecs.h"

#include <cmath>

bool BitIsSet(quint8 value, int bit) {
    return bit >= 0 && bit <= 7 && (value >> bit) & 1;
}

bool BitIsClear(quint8 value, int bit) {
    return !BitIsSet(value, bit);
}

void SetBit(quint8& value, int bit, bool on) {
    if (bit < 0 || bit > 7) return;
    const quint8 mask = quint8(1u << bit);
    value = on ? quint8(value | mask) : quint8(value & ~mask);
}

QString PrintableChar(quint8 value) {
    const bool printable = (value >= 'A' && value <= 'Z') || (value >= 'a' && value <= 'z') ||
                           (value >= '0' && value <= '9');
    return printable ? QString(QChar(value)) : QStringLiteral(" ");
}

namespace {
std::optional<int> decimalAt(const QString& text, int position, int length) {
    // positions are 1-based as in the date-time text "yyyy-MM-dd HH:mm:ss"
    const QString digits = text.mid(position - 1, length);
    if (digits.size() != length) return std::nullopt;
    for (QChar c : digits)
        if (!c.isDigit() || c.unicode() > '9') return std::nullopt;
    return digits.toInt();
}
} // namespace

bool DateTimeToBytes(const QString& text, std::span<quint8> field) {
    if (field.size() < 7) return false;
    const auto year = decimalAt(text, 1, 4);
    const auto month = decimalAt(text, 6, 2);
    const auto day = decimalAt(text, 9, 2);
    const auto hour = decimalAt(text, 12, 2);
    const auto minute = decimalAt(text, 15, 2);
    const auto second = decimalAt(text, 18, 2);
    if (!year || !month || !day || !hour || !minute || !second) return false;
    field[0] = quint8(*year % 256);
    field[1] = quint8((*year / 256) % 256);
    field[2] = quint8(*month);
    field[3] = quint8(*day);
    field[4] = quint8(*hour);
    field[5] = quint8(*minute);
    field[6] = quint8(*second);
    return true;
}

QString BytesToDateTime(std::span<const quint8> field) {
    bool allFF = true;
    for (quint8 b : field)
        allFF = allFF && b == 0xFF;
    if (allFF || field.size() < 7) return {};
    const auto two = [](quint8 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return QString::number(field[0] + 256 * field[1]) + u'-' + two(field[2]) + u'-' +
           two(field[3]) + u' ' + two(field[4]) + u':' + two(field[5]) + u':' + two(field[6]);
}

namespace {
int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}
} // namespace

quint32 HexToInt(const QString& text) {
    quint32 value = 0;
    for (QChar c : text) {
        const int d = hexDigit(c);
        if (d < 0) break;
        value = (value << 4) | quint32(d);
    }
    return value;
}

quint8 HexPairToByte(const QString& text) {
    const int high = text.size() > 0 ? hexDigit(text[0]) : 0;
    const int low = text.size() > 1 ? hexDigit(text[1]) : 0;
    return quint8((qMax(high, 0) << 4) | qMax(low, 0));
}

void FillFF(std::span<quint8> bytes) {
    for (quint8& b : bytes)
        b = 0xFF;
}

double SnapFrequency(double mhz) {
    // n counts 10 Hz units; std::llround rounds halves away from zero
    long long n = std::llround(mhz * 100000.0);
    const long long r5 = n % 500;
    const long long r6 = n % 625;
    if (r5 == 0 || r6 == 0) return mhz;
    n -= std::min(r5, r6);
    return double(n) / 100000.0;
}

QString BytesToText(std::span<const quint8> bytes) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (quint8 b : bytes)
        text.append(QChar(b));
    return text;
}

std::optional<BandLimits> ParseBandText(const QString& text) {
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0) return std::nullopt;
    const qsizetype unit = text.indexOf(QStringLiteral("MHz"), dash + 1);
    if (unit < 0) return std::nullopt;
    bool lowerOk = false, upperOk = false;
    const double lower = text.left(dash).trimmed().toDouble(&lowerOk);
    const double upper = text.mid(dash + 1, unit - dash - 1).trimmed().toDouble(&upperOk);
    if (!lowerOk || !upperOk) return std::nullopt;
    return BandLimits{lower, upper};
}

QString FormatFrequency(double mhz) {
    return QString::number(mhz, 'f', 5);
}
