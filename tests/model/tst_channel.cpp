#include "bytes.h"
#include "model/channel.h"

#include <QtTest>

namespace {
// Channel 1 of the worked example: 446.00625 both ways, 67.0 / D023N, High, Wide,
// scan add on, busy lock, compander and scrambler off, PTT ID off, epilogue on.
const char* const kWorkedRecord = "25 06 60 44 25 06 60 44 70 06 23 80 E7 FF FF FF";

QByteArray channelBytes(const Image& image, int n) {
    return toBytes(std::span(image).subspan(addr::channel(n), addr::ChannelRecordSize));
}

Image imageWithChannel1(const char* record) {
    Image image;
    image.fill(0xFF);
    const QByteArray bytes = hexBytes(record);
    std::copy(bytes.begin(), bytes.end(), image.begin() + addr::channel(1));
    return image;
}
} // namespace

class ChannelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decode_workedRecord();
    void decode_data();
    void decode();
    void decode_unusedKeepsPreviousFields();
    void toneToText_data();
    void toneToText();
    void encode_buildsWorkedRecord();
    void encode_emptyRxEmptiesChannel();
    void encode_emptyTxDropsTxTone();
    void encode_refusesUnstorableFrequency_data();
    void encode_refusesUnstorableFrequency();
    void encode_toneTexts_data();
    void encode_toneTexts();
    void encode_flagBits_data();
    void encode_flagBits();
    void encode_dcsAsStoredRoundTrips();
    void normaliseToneText_data();
    void normaliseToneText();
    void toneChoiceList();
};

void ChannelTest::decode_workedRecord() {
    TChannel ch;
    QVERIFY(DecodeChannel(asSpan(hexBytes(kWorkedRecord)), ch));
    QCOMPARE(ch.RxFreq, 446.00625);
    QCOMPARE(ch.TxFreq, 446.00625);
    QCOMPARE(ch.RxTone, QStringLiteral("67.0"));
    QCOMPARE(ch.TxTone, QStringLiteral("D023N"));
    QVERIFY(ch.HighPower);
    QVERIFY(ch.Epilogue);
    QVERIFY(ch.BusyLockOff);
    QVERIFY(!ch.Narrow);
    QVERIFY(!ch.ScanAddOff);
    QVERIFY(ch.CompanderOff);
    QVERIFY(ch.ScramblerOff);
    QVERIFY(ch.PttIdOff);
}

void ChannelTest::decode_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<double>("rx");
    QTest::addColumn<double>("tx");
    QTest::newRow("all FF is not in use") << QByteArray(16, '\xFF') << false << -1.0 << -1.0;
    QTest::newRow("non-BCD RX nibble is not in use")
        << hexBytes("25 06 6A 44 25 06 60 44 FF FF FF FF FF FF FF FF") << false << -1.0 << -1.0;
    QTest::newRow("TX absent, channel in use")
        << hexBytes("00 00 50 13 FF FF FF FF FF FF FF FF FF FF FF FF") << true << 135.0 << -1.0;
    QTest::newRow("non-BCD TX nibble reads absent")
        << hexBytes("00 00 50 13 00 00 B0 13 FF FF FF FF FF FF FF FF") << true << 135.0 << -1.0;
    QTest::newRow("split frequencies")
        << hexBytes("00 25 01 46 75 93 01 46 FF FF FF FF FF FF FF FF") << true << 460.125
        << 460.19375;
}

void ChannelTest::decode() {
    QFETCH(QByteArray, record);
    QFETCH(bool, inUse);
    QFETCH(double, rx);
    QFETCH(double, tx);
    TChannel ch;
    QCOMPARE(DecodeChannel(asSpan(record), ch), inUse);
    QCOMPARE(ch.RxFreq, rx);
    if (inUse) QCOMPARE(ch.TxFreq, tx);
}

void ChannelTest::decode_unusedKeepsPreviousFields() {
    TChannel ch;
    QVERIFY(DecodeChannel(asSpan(hexBytes(kWorkedRecord)), ch));
    QVERIFY(!DecodeChannel(asSpan(QByteArray(16, '\xFF')), ch));
    QCOMPARE(ch.RxFreq, -1.0);
    QCOMPARE(ch.RxTone, QStringLiteral("67.0"));
}

void ChannelTest::toneToText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ctcss 67.0") << hexBytes("70 06") << "67.0";
    QTest::newRow("ctcss 254.1") << hexBytes("41 25") << "254.1";
    QTest::newRow("dcs normal") << hexBytes("23 80") << "D023N";
    QTest::newRow("dcs inverted") << hexBytes("54 C7") << "D754I";
    QTest::newRow("dcs 754 normal") << hexBytes("54 87") << "D754N";
    QTest::newRow("dcs non-octal shown as stored") << hexBytes("2A 87") << "D72AN";
    QTest::newRow("none") << hexBytes("FF FF") << "";
    QTest::newRow("non-bcd ctcss") << hexBytes("3A 12") << "";
    QTest::newRow("half FF") << hexBytes("12 FF") << "";
}

void ChannelTest::toneToText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ToneToText(quint8(bytes[0]), quint8(bytes[1])), text);
}

void ChannelTest::encode_buildsWorkedRecord() {
    Image image;
    image.fill(0xFF);
    QVERIFY(EncodeChannelField(image, 1, FieldRxFreq, QStringLiteral("446.00625")));
    QCOMPARE(channelBytes(image, 1).left(4), hexBytes("25 06 60 44"));
    QVERIFY(EncodeChannelField(image, 1, FieldTxFreq, QStringLiteral("446.00625MHz")));
    QVERIFY(EncodeChannelField(image, 1, FieldRxTone, QStringLiteral("67.0")));
    QVERIFY(EncodeChannelField(image, 1, FieldTxTone, QStringLiteral("D023N")));
    // from FF: scan add on (0), PTT ID off (1), busy lock, compander, scrambler off (1)
    QVERIFY(EncodeChannelField(image, 1, FieldScanAdd, QStringLiteral("0")));
    QVERIFY(EncodeChannelField(image, 1, FieldNarrow, QString()));
    QCOMPARE(channelBytes(image, 1), hexBytes(kWorkedRecord));
}

void ChannelTest::encode_emptyRxEmptiesChannel() {
    Image image = imageWithChannel1(kWorkedRecord);
    QVERIFY(EncodeChannelField(image, 1, FieldRxFreq, QString()));
    QCOMPARE(channelBytes(image, 1), QByteArray(16, '\xFF'));
}

void ChannelTest::encode_emptyTxDropsTxTone() {
    Image image = imageWithChannel1("25 06 60 44 25 06 60 44 70 06 23 80 E7 01 02 03");
    QVERIFY(EncodeChannelField(image, 1, FieldTxFreq, QString()));
    QCOMPARE(channelBytes(image, 1), hexBytes("25 06 60 44 FF FF FF FF 70 06 FF FF E7 01 02 03"));
}

void ChannelTest::encode_refusesUnstorableFrequency_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("1000 MHz") << "1000";
    QTest::newRow("rounds up to 1000 MHz") << "999.999996";
    QTest::newRow("negative") << "-1";
    QTest::newRow("not a number") << "abc";
}

void ChannelTest::encode_refusesUnstorableFrequency() {
    QFETCH(QString, text);
    Image image = imageWithChannel1(kWorkedRecord);
    const Image before = image;
    QVERIFY(!EncodeChannelField(image, 1, FieldRxFreq, text));
    QVERIFY(!EncodeChannelField(image, 1, FieldTxFreq, text));
    QVERIFY(image == before);
    QVERIFY(FreqToBcd(QStringLiteral("999.99999")).has_value());
}

void ChannelTest::encode_toneTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("67.0") << "67.0" << hexBytes("70 06");
    QTest::newRow("with unit") << "88.5Hz" << hexBytes("85 08");
    QTest::newRow("D023N") << "D023N" << hexBytes("23 80");
    QTest::newRow("small n") << "D023n" << hexBytes("23 80");
    QTest::newRow("D023I") << "D023I" << hexBytes("23 C0");
    QTest::newRow("small i") << "D023i" << hexBytes("23 C0");
    QTest::newRow("D754N") << "D754N" << hexBytes("54 87");
    QTest::newRow("none") << "" << hexBytes("FF FF");
}

void ChannelTest::encode_toneTexts() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    Image image = imageWithChannel1(kWorkedRecord);
    QVERIFY(EncodeChannelField(image, 1, FieldRxTone, text));
    QVERIFY(EncodeChannelField(image, 1, FieldTxTone, text));
    QCOMPARE(channelBytes(image, 1).mid(8, 4), bytes + bytes);
}

void ChannelTest::encode_flagBits_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    // the worked record's flags byte is E7
    QTest::newRow("busy lock set") << int(FieldBusyLock) << "1" << 0xE7;
    QTest::newRow("busy lock cleared by 0") << int(FieldBusyLock) << "0" << 0xE3;
    QTest::newRow("narrow set") << int(FieldNarrow) << "1" << 0xEF;
    QTest::newRow("power cleared by empty") << int(FieldPower) << "" << 0xE6;
    QTest::newRow("scan add off") << int(FieldScanAdd) << "1" << 0xF7;
    QTest::newRow("compander cleared by text 'true'") << int(FieldCompander) << "true" << 0xC7;
    QTest::newRow("scrambler cleared") << int(FieldScrambler) << "0" << 0xA7;
    QTest::newRow("ptt id on") << int(FieldPttId) << "0" << 0x67;
    QTest::newRow("epilogue off") << int(FieldEpilogue) << "0" << 0xE5;
    QTest::newRow("code 5 does nothing") << int(FieldNone) << "1" << 0xE7;
    QTest::newRow("code 13 does nothing") << 13 << "0" << 0xE7;
}

void ChannelTest::encode_flagBits() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, flags);
    Image image = imageWithChannel1(kWorkedRecord);
    EncodeChannelField(image, 1, field, text);
    const QByteArray record = channelBytes(image, 1);
    QCOMPARE(int(quint8(record[chrec::Flags])), flags);
    QCOMPARE(record.left(12), hexBytes(kWorkedRecord).left(12));
}

void ChannelTest::encode_dcsAsStoredRoundTrips() {
    Image image = imageWithChannel1("25 06 60 44 25 06 60 44 2A 87 FF FF E7 FF FF FF");
    TChannel ch;
    QVERIFY(DecodeChannel(std::span(image).subspan(addr::channel(1), 16), ch));
    QCOMPARE(ch.RxTone, QStringLiteral("D72AN"));
    QVERIFY(EncodeChannelField(image, 1, FieldRxTone, ch.RxTone));
    QCOMPARE(channelBytes(image, 1).mid(8, 2), hexBytes("2A 87"));
}

void ChannelTest::normaliseToneText_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("below range") << "25"
                                 << "30.0";
    QTest::newRow("above range") << "300"
                                 << "290.0";
    QTest::newRow("in list") << "88.5"
                             << "88.5";
    QTest::newRow("outside list, inside range") << "45"
                                                << "45.0";
    QTest::newRow("not a number") << "1..2"
                                  << "290.0";
    QTest::newRow("DCS") << "D023N"
                         << "D023N";
    QTest::newRow("DCS small polarity") << "D754i"
                                        << "D754i";
    QTest::newRow("digit 8") << "D089N"
                             << "D777N";
    QTest::newRow("small d") << "d023N"
                             << "D777N";
    QTest::newRow("four characters") << "D23N"
                                     << "D777N";
    QTest::newRow("bad polarity") << "D023X"
                                  << "D777N";
    QTest::newRow("word") << "None"
                          << "D777N";
}

void ChannelTest::normaliseToneText() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(NormaliseToneText(in), out);
}

void ChannelTest::toneChoiceList() {
    const QStringList& list = ToneChoiceList();
    QCOMPARE(list.size(), 1 + 50 + 105 + 105);
    QCOMPARE(list.first(), QStringLiteral("None"));
    QCOMPARE(list.at(1), QStringLiteral("67.0"));
    QCOMPARE(list.at(50), QStringLiteral("254.1"));
    QCOMPARE(list.at(51), QStringLiteral("D023N"));
    QCOMPARE(list.at(155), QStringLiteral("D754N"));
    QCOMPARE(list.at(156), QStringLiteral("D023I"));
    QCOMPARE(list.last(), QStringLiteral("D754I"));
    // every entry survives the tone check and the codec unchanged
    for (int i = 1; i < list.size(); ++i) {
        QCOMPARE(NormaliseToneText(list.at(i)), list.at(i));
        const auto bytes = ToneToBytes(list.at(i));
        QCOMPARE(ToneToText(bytes[0], bytes[1]), list.at(i));
    }
}

QTEST_APPLESS_MAIN(ChannelTest)
#include "tst_channel.moc"
