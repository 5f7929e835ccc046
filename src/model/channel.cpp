#include "channel.h"

#include "valuecodecs.h"

#include <cmath>

namespace {

QString hexByte(quint8 b) {
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

bool hasHexLetter(const QString& text) {
    for (QChar c : text)
        if (c >= u'A' && c <= u'F') return true;
    return false;
}

// Reads a frequency field; -1 when any nibble is not a decimal digit.
double decodeFrequency(std::span<const quint8> field) {
    const QString digits =
        hexByte(field[3]) + hexByte(field[2]) + hexByte(field[1]) + hexByte(field[0]);
    if (hasHexLetter(digits)) return -1.0;
    return digits.toLongLong() / 100000.0;
}

const char* const kCtcssTones[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

const char* const kDcsCodes[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054",
    "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132",
    "134", "145", "146", "152", "155", "156", "162", "165", "172", "174", "205", "212",
    "223", "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263",
    "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346",
    "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445",
    "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

} // namespace

bool DecodeChannel(std::span<const quint8> record, TChannel& channel) {
    channel.RxFreq = decodeFrequency(record.subspan(chrec::RxFreq, chrec::FreqSize));
    if (channel.RxFreq < 0) return false;
    channel.TxFreq = decodeFrequency(record.subspan(chrec::TxFreq, chrec::FreqSize));
    channel.RxTone = ToneToText(record[chrec::RxTone], record[chrec::RxTone + 1]);
    channel.TxTone = ToneToText(record[chrec::TxTone], record[chrec::TxTone + 1]);
    const quint8 flags = record[chrec::Flags];
    channel.HighPower = BitIsSet(flags, chrec::HighPowerBit);
    channel.Epilogue = BitIsSet(flags, chrec::EpilogueBit);
    channel.BusyLockOff = BitIsSet(flags, chrec::BusyLockOffBit);
    channel.Narrow = BitIsSet(flags, chrec::NarrowBit);
    channel.ScanAddOff = BitIsSet(flags, chrec::ScanAddOffBit);
    channel.CompanderOff = BitIsSet(flags, chrec::CompanderOffBit);
    channel.ScramblerOff = BitIsSet(flags, chrec::ScramblerOffBit);
    channel.PttIdOff = BitIsSet(flags, chrec::PttIdOffBit);
    return true;
}

QString ToneToText(quint8 first, quint8 second) {
    if (first == 0xFF && second == 0xFF) return {};
    const QString hex = hexByte(second) + hexByte(first);
    // DCS digits are shown as stored, octal or not
    if (hex[0] == u'8') return u'D' + hex.mid(1) + u'N';
    if (hex[0] == u'C') return u'D' + hex.mid(1) + u'I';
    if (hasHexLetter(hex)) return {};
    return QString::number(hex.toInt() / 10.0, 'f', 1);
}

std::optional<std::array<quint8, 4>> FreqToBcd(const QString& text) {
    QString value = text;
    const qsizetype unit = value.indexOf(QStringLiteral("MHz"));
    if (unit >= 0) value.truncate(unit);
    if (value.isEmpty()) return std::array<quint8, 4>{0xFF, 0xFF, 0xFF, 0xFF};
    bool ok = false;
    const double mhz = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(mhz)) return std::nullopt;
    const long long units = std::llround(mhz * 100000.0);
    // eight decimal digits of 10 Hz: 999.99999 MHz is the largest frequency the field holds
    if (units < 0 || units > 99999999) return std::nullopt;
    const QString d = QStringLiteral("%1").arg(units, 8, 10, QLatin1Char('0'));
    return std::array<quint8, 4>{HexPairToByte(d.mid(6, 2)), HexPairToByte(d.mid(4, 2)),
                                 HexPairToByte(d.mid(2, 2)), HexPairToByte(d.mid(0, 2))};
}

std::array<quint8, 2> ToneToBytes(const QString& text) {
    std::array<quint8, 2> bytes{0xFF, 0xFF};
    QString value = text;
    const qsizetype unit = value.indexOf(QStringLiteral("Hz"));
    if (unit >= 0) value.truncate(unit);
    if (value.isEmpty()) return bytes;
    if (value[0] == u'D') {
        if (value.size() < 5) return bytes;
        const QChar polarity = value[4].toUpper();
        const QChar nibble = polarity == u'N' ? u'8' : polarity == u'I' ? u'C' : u'F';
        if (nibble == u'F') return bytes;
        bytes[0] = HexPairToByte(value.mid(2, 2));
        bytes[1] = HexPairToByte(QString(nibble) + value[1]);
        return bytes;
    }
    bool ok = false;
    const double hz = value.trimmed().toDouble(&ok);
    if (!ok) return bytes;
    const long long tenths = std::llround(hz * 10.0);
    if (tenths < 0 || tenths > 9999) return bytes;
    const QString d = QStringLiteral("%1").arg(tenths, 4, 10, QLatin1Char('0'));
    bytes[0] = HexPairToByte(d.mid(2, 2));
    bytes[1] = HexPairToByte(d.mid(0, 2));
    return bytes;
}

QString NormaliseToneText(const QString& text) {
    if (text.isEmpty()) return text;
    if (text[0] >= u'0' && text[0] <= u'9') {
        bool ok = false;
        const double hz = text.toDouble(&ok);
        if (!ok) return QStringLiteral("290.0");
        return QString::number(qBound(30.0, hz, 290.0), 'f', 1);
    }
    const auto isOctal = [](QChar c) { return c >= u'0' && c <= u'7'; };
    if (text.size() == 5 && text[0] == u'D' && QStringLiteral("NIni").contains(text[4]) &&
        isOctal(text[1]) && isOctal(text[2]) && isOctal(text[3]))
        return text;
    return QStringLiteral("D777N");
}

bool EncodeChannelField(Image& image, int channelNumber, int fieldCode, const QString& text) {
    if (channelNumber < 1 || channelNumber > addr::MaxChannels) return false;
    const int base = addr::channel(channelNumber);
    const auto put = [&](int offset, std::span<const quint8> bytes) {
        std::copy(bytes.begin(), bytes.end(), image.begin() + base + offset);
    };
    const auto fill = [&](int from, int to) {
        FillFF(std::span(image).subspan(base + from, to - from + 1));
    };
    switch (fieldCode) {
    case FieldRxFreq:
    case FieldTxFreq: {
        const auto bcd = FreqToBcd(text);
        if (!bcd) return false;
        const int offset = fieldCode == FieldRxFreq ? chrec::RxFreq : chrec::TxFreq;
        put(offset, *bcd);
        if ((*bcd)[0] == 0xFF) {
            // no RX frequency empties the whole channel; no TX frequency drops the TX tone
            if (fieldCode == FieldRxFreq)
                fill(chrec::TxFreq, addr::ChannelRecordSize - 1);
            else
                fill(chrec::TxTone, chrec::TxTone + 1);
        }
        return true;
    }
    case FieldRxTone:
        put(chrec::RxTone, ToneToBytes(text));
        return true;
    case FieldTxTone:
        put(chrec::TxTone, ToneToBytes(text));
        return true;
    default:
        break;
    }
    static constexpr int kBitOfField[] = {-1,
                                          -1,
                                          -1,
                                          -1,
                                          chrec::BusyLockOffBit,
                                          -1,
                                          chrec::NarrowBit,
                                          chrec::HighPowerBit,
                                          chrec::ScanAddOffBit,
                                          chrec::CompanderOffBit,
                                          chrec::ScramblerOffBit,
                                          chrec::PttIdOffBit,
                                          chrec::EpilogueBit};
    if (fieldCode < 0 || fieldCode > FieldEpilogue || kBitOfField[fieldCode] < 0) return true;
    SetBit(image[base + chrec::Flags], kBitOfField[fieldCode], text == QStringLiteral("1"));
    return true;
}

const QStringList& ToneChoiceList() {
    static const QStringList list = [] {
        QStringList l{QStringLiteral("None")};
        for (const char* tone : kCtcssTones)
            l << QString::fromLatin1(tone);
        for (const char* code : kDcsCodes)
            l << QStringLiteral("D%1N").arg(QLatin1String(code));
        for (const char* code : kDcsCodes)
            l << QStringLiteral("D%1I").arg(QLatin1String(code));
        return l;
    }();
    return list;
}
