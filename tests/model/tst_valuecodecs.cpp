#include "model/valuecodecs.h"

#include <QtTest>

class ValueCodecsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setBit_data();
    void setBit();
    void printableChar_data();
    void printableChar();
    void dateTimeToBytes_keepsTail();
    void dateTimeToBytes_refusesNonNumbers();
    void bytesToDateTime_data();
    void bytesToDateTime();
    void hexToInt_data();
    void hexToInt();
    void hexPairToByte();
    void snapFrequency_data();
    void snapFrequency();
    void bytesToText_keepsZeros();
    void parseBandText_data();
    void parseBandText();
    void formatFrequency_ignoresLocale();
};

void ValueCodecsTest::setBit_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("after");
    QTest::newRow("set bit 0") << 0x00 << 0 << true << 0x01;
    QTest::newRow("set bit 7") << 0x01 << 7 << true << 0x81;
    QTest::newRow("clear bit 3") << 0xFF << 3 << false << 0xF7;
    QTest::newRow("bit 8 changes nothing") << 0x5A << 8 << true << 0x5A;
    QTest::newRow("negative bit changes nothing") << 0x5A << -1 << false << 0x5A;
}

void ValueCodecsTest::setBit() {
    QFETCH(int, before);
    QFETCH(int, bit);
    QFETCH(bool, on);
    QFETCH(int, after);
    quint8 value = quint8(before);
    SetBit(value, bit, on);
    QCOMPARE(int(value), after);
    if (bit >= 0 && bit <= 7) {
        QCOMPARE(BitIsSet(value, bit), on);
        QCOMPARE(BitIsClear(value, bit), !on);
    }
}

void ValueCodecsTest::printableChar_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("text");
    QTest::newRow("capital") << 0x41 << "A";
    QTest::newRow("small z") << 0x7A << "z";
    QTest::newRow("digit") << 0x39 << "9";
    QTest::newRow("space") << 0x20 << " ";
    QTest::newRow("dash") << 0x2D << " ";
    QTest::newRow("FF") << 0xFF << " ";
    QTest::newRow("zero byte") << 0x00 << " ";
}

void ValueCodecsTest::printableChar() {
    QFETCH(int, byte);
    QFETCH(QString, text);
    QCOMPARE(PrintableChar(quint8(byte)), text);
}

void ValueCodecsTest::dateTimeToBytes_keepsTail() {
    std::array<quint8, 16> field;
    field.fill(0xAA);
    QVERIFY(DateTimeToBytes(QStringLiteral("2024-03-05 14:07:09"), field));
    const std::array<quint8, 16> expected{0xE8, 0x07, 0x03, 0x05, 0x0E, 0x07, 0x09, 0xAA,
                                          0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    QCOMPARE(field, expected);
}

void ValueCodecsTest::dateTimeToBytes_refusesNonNumbers() {
    std::array<quint8, 16> field;
    field.fill(0x11);
    QVERIFY(!DateTimeToBytes(QStringLiteral("20x4-03-05 14:07:09"), field));
    QVERIFY(!DateTimeToBytes(QStringLiteral("2024-03-05"), field));
    std::array<quint8, 16> untouched;
    untouched.fill(0x11);
    QCOMPARE(field, untouched);
}

void ValueCodecsTest::bytesToDateTime_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("worked example")
        << QByteArray("\xE8\x07\x03\x05\x0E\x07\x09\x00\x01\x02\x03\x04\x05\x06\x07\x08", 16)
        << "2024-03-05 14:07:09";
    QTest::newRow("year 1") << QByteArray("\x01\x00\x01\x01\x00\x00\x00", 7).append(9, '\xFF')
                            << "1-01-01 00:00:00";
    QTest::newRow("all FF is no time") << QByteArray(16, '\xFF') << "";
    QTest::newRow("first seven FF only")
        << QByteArray(7, '\xFF').append(9, '\x00') << "65535-255-255 255:255:255";
}

void ValueCodecsTest::bytesToDateTime() {
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    const auto bytes =
        std::span(reinterpret_cast<const quint8*>(field.constData()), size_t(field.size()));
    QCOMPARE(BytesToDateTime(bytes), text);
}

void ValueCodecsTest::hexToInt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("07E8") << "07E8" << 2024u;
    QTest::newRow("40") << "40" << 64u;
    QTest::newRow("small letters") << "ff" << 255u;
    QTest::newRow("stops at G") << "1G" << 1u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("no digits") << "xyz" << 0u;
}

void ValueCodecsTest::hexToInt() {
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(HexToInt(text), value);
}

void ValueCodecsTest::hexPairToByte() {
    QCOMPARE(int(HexPairToByte(QStringLiteral("E8"))), 0xE8);
    QCOMPARE(int(HexPairToByte(QStringLiteral("0d"))), 0x0D);
}

void ValueCodecsTest::snapFrequency_data() {
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::newRow("on 6.25 raster only") << 446.00625 << 446.00625;
    QTest::newRow("on 5 raster only") << 446.005 << 446.005;
    QTest::newRow("down to 6.25 point") << 446.007 << 446.00625;
    QTest::newRow("equal remainders") << 446.0049 << 446.0;
    QTest::newRow("down to 5 point") << 446.012 << 446.01;
    QTest::newRow("10 Hz below a point") << 446.00499 << 446.0;
    QTest::newRow("within 5 Hz stays as given") << 446.004996 << 446.004996;
}

void ValueCodecsTest::snapFrequency() {
    QFETCH(double, in);
    QFETCH(double, out);
    QCOMPARE(SnapFrequency(in), out);
}

void ValueCodecsTest::bytesToText_keepsZeros() {
    const std::array<quint8, 4> bytes{'T', 0x00, 0x47, 0xE9};
    const QString text = BytesToText(bytes);
    QCOMPARE(text.size(), 4);
    QCOMPARE(text[1].unicode(), u'\0');
    QCOMPARE(text[3].unicode(), char16_t(0xE9));
}

void ValueCodecsTest::parseBandText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::newRow("400-520") << "400 - 520MHz" << true << 400.0 << 520.0;
    QTest::newRow("134-174") << "134 - 174MHz" << true << 134.0 << 174.0;
    QTest::newRow("no dash") << "400 520MHz" << false << 0.0 << 0.0;
    QTest::newRow("no unit") << "400 - 520" << false << 0.0 << 0.0;
    QTest::newRow("not numbers") << "abc - defMHz" << false << 0.0 << 0.0;
}

void ValueCodecsTest::parseBandText() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, lower);
    QFETCH(double, upper);
    const auto limits = ParseBandText(text);
    QCOMPARE(limits.has_value(), ok);
    if (ok) {
        QCOMPARE(limits->lower, lower);
        QCOMPARE(limits->upper, upper);
    }
}

void ValueCodecsTest::formatFrequency_ignoresLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(FormatFrequency(446.00625), QStringLiteral("446.00625"));
    QCOMPARE(ParseBandText(QStringLiteral("134 - 174MHz"))->upper, 174.0);
    QLocale::setDefault(QLocale::c());
}

QTEST_APPLESS_MAIN(ValueCodecsTest)
#include "tst_valuecodecs.moc"
