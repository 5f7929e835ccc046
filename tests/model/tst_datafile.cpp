#include "bytes.h"
#include "model/datafile.h"
#include "model/imagedefaults.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kSavedAt(QDate(2024, 5, 1), QTime(12, 30, 45));

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// What a failed open must leave alone.
struct Snapshot {
    Image image;
    SpareBlock spare;
    std::array<quint8, 8> password;
    QString model, code, band;
    double lower, upper;
    bool changed;
    explicit Snapshot(const TALL& a)
        : image(a.image), spare(a.spare), password(a.Password), model(a.ModelName),
          code(a.ModelCode), band(a.BandText), lower(a.BandLower), upper(a.BandUpper),
          changed(a.Changed) {}
    bool operator==(const Snapshot&) const = default;
};

} // namespace

class DataFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void header_data();
    void header();
    void newImage_defaults();
    void newImage_keepsSpareAndPassword();
    void normalise_data();
    void normalise();
    void saveThenOpen_roundTrip();
    void open_takesModelBandAndPassword();
    void open_failureChangesNothing_data();
    void open_failureChangesNothing();
    void save_failureKeepsChangedFlag();
    void save_replacesLongerFile();

private:
    std::unique_ptr<TCore> core;
    QTemporaryDir dir;
};

void DataFileTest::init() {
    core = std::make_unique<TCore>();
    core->StartUp(QStringLiteral("/opt/k904/"));
    core->ApplyFirstModel();
}

void DataFileTest::header_data() {
    QTest::addColumn<int>("bandCode");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("400-520 worked example")
        << 0xF3 << hexBytes("50 54 34 37 43 40 05 20 E8 07 05 01 0C 1E FF FF");
    QTest::newRow("134-174") << 0xF0 << hexBytes("50 54 34 37 43 13 41 74 E8 07 05 01 0C 1E FF FF");
    QTest::newRow("320-400") << 0xF2 << hexBytes("50 54 34 37 43 32 04 00 E8 07 05 01 0C 1E FF FF");
    QTest::newRow("200-260") << 0xF1 << hexBytes("50 54 34 37 43 20 02 60 E8 07 05 01 0C 1E FF FF");
}

void DataFileTest::header() {
    QFETCH(int, bandCode);
    QFETCH(QByteArray, header);
    core->ApplyModel(QStringLiteral("T47C"), quint8(bandCode), true);
    const auto built = BuildDataFileHeader(core->All.ModelCode, core->All.BandLower,
                                           core->All.BandUpper, kSavedAt);
    QCOMPARE(toBytes(built), header);
}

void DataFileTest::newImage_defaults() {
    BuildNewImage(*core, QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    QByteArray expected(addr::ImageSize, '\xFF');
    const auto put = [&](int address, const char* hex) {
        expected.replace(address, hexBytes(hex).size(), hexBytes(hex));
    };
    put(addr::SquelchLevel, "05 0C 09 01");
    put(addr::ScanSpeed, "00 0C 02 04 03");
    put(addr::FmScanLower, "C0 0D E0 10");
    put(addr::DtmfSpeed, "02 00 00 F0 06 00 00");
    put(addr::DtmfBotCode, "12 34 56");
    put(addr::ModelMarker, "50 54 34 37 43 F3 00 00");
    put(addr::WriteTime, "E8 07 03 05 0E 07 09");
    QCOMPARE(toBytes(core->All.image), expected);
}

void DataFileTest::newImage_keepsSpareAndPassword() {
    core->All.spare.fill(0x5A);
    core->All.Password.fill('7');
    core->All.NewPasswordInUse = true;
    BuildNewImage(*core, kSavedAt);
    QCOMPARE(core->All.spare[0], quint8(0x5A));
    QCOMPARE(core->All.Password[7], quint8('7'));
    QVERIFY(!core->All.NewPasswordInUse);
}

void DataFileTest::normalise_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("squelch 0x0A reset") << addr::SquelchLevel << hexBytes("0A") << hexBytes("05");
    QTest::newRow("squelch 0x09 stays") << addr::SquelchLevel << hexBytes("09") << hexBytes("09");
    QTest::newRow("time-out 31 reset") << addr::TxTimeOut << hexBytes("1F") << hexBytes("0C");
    QTest::newRow("dropout 27 stays") << addr::ScanDropoutDelay << hexBytes("1B") << hexBytes("1B");
    QTest::newRow("tx inhibit whole byte") << addr::TxInhibit << hexBytes("04") << hexBytes("03");
    QTest::newRow("fm 88-108 stays")
        << addr::FmScanLower << hexBytes("C0 0D E0 10") << hexBytes("C0 0D E0 10");
    QTest::newRow("fm 70-114 stays")
        << addr::FmScanLower << hexBytes("F0 0A D0 11") << hexBytes("F0 0A D0 11");
    QTest::newRow("fm out of range reset")
        << addr::FmScanLower << hexBytes("10 00 20 00") << hexBytes("C0 0D E0 10");
    QTest::newRow("fm upper equal lower reset")
        << addr::FmScanLower << hexBytes("C0 0D C0 0D") << hexBytes("C0 0D E0 10");
    QTest::newRow("fm upper below lower reset")
        << addr::FmScanLower << hexBytes("E0 10 C0 0D") << hexBytes("C0 0D E0 10");
    QTest::newRow("signalling 0x27 low nibble cleared")
        << addr::DtmfSignalling << hexBytes("27") << hexBytes("20");
    QTest::newRow("signalling 0x22 stays")
        << addr::DtmfSignalling << hexBytes("22") << hexBytes("22");
    QTest::newRow("stun length 11 reset")
        << addr::DtmfStunLength << hexBytes("0B") << hexBytes("00");
    QTest::newRow("13E and 13F forced FF")
        << addr::Reserved13E << hexBytes("00 12") << hexBytes("FF FF");
    QTest::newRow("band code follows band") << addr::BandCode << hexBytes("00") << hexBytes("F3");
}

void DataFileTest::normalise() {
    QFETCH(int, address);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    BuildNewImage(*core, kSavedAt);
    std::copy(before.begin(), before.end(), core->All.image.begin() + address);
    Image expected = core->All.image;
    std::copy(after.begin(), after.end(), expected.begin() + address);
    NormaliseImage(*core);
    QCOMPARE(toBytes(core->All.image), toBytes(expected));
}

void DataFileTest::saveThenOpen_roundTrip() {
    BuildNewImage(*core, kSavedAt);
    // bytes nobody interprets come back as they went
    for (int a = 0; a < addr::BlockSize; ++a)
        core->All.image[a] = quint8(a);
    core->All.image[0x150] = 0x42;
    core->All.spare.fill(0x33);
    core->All.Changed = true;
    const QString path = dir.filePath(QStringLiteral("round.dat"));
    QVERIFY(WriteDataFile(*core, path, kSavedAt).ok());
    QVERIFY(!core->All.Changed);

    const QByteArray file = readAll(path);
    QCOMPARE(file.size(), datafile::FileSize);
    QCOMPARE(file.right(16), QByteArray(16, '\x33'));
    QCOMPARE(file.mid(datafile::HeaderSize, addr::ImageSize), toBytes(core->All.image));

    const Image saved = core->All.image;
    TCore other;
    other.StartUp(QString());
    other.ApplyFirstModel();
    other.All.Changed = true;
    QVERIFY(OpenDataFile(other, path).ok());
    QCOMPARE(toBytes(other.All.image), toBytes(saved));
    QCOMPARE(toBytes(other.All.spare), QByteArray(16, '\x33'));
    QVERIFY(!other.All.Changed);
}

void DataFileTest::open_takesModelBandAndPassword() {
    // a VHF 200-260 image whose settings need repair
    core->ApplyModel(QStringLiteral("T47C"), 0xF1, true);
    BuildNewImage(*core, kSavedAt);
    core->All.image[addr::SquelchLevel] = 0x0A;
    const QString path = dir.filePath(QStringLiteral("vhf.dat"));
    QVERIFY(WriteDataFile(*core, path, kSavedAt).ok());

    TCore other;
    other.StartUp(QString());
    other.ApplyFirstModel();
    QVERIFY(OpenDataFile(other, path).ok());
    QCOMPARE(other.All.ModelName, QStringLiteral("K-904(VHF)"));
    QCOMPARE(other.All.BandText, QStringLiteral("200 - 260MHz"));
    QCOMPARE(other.All.BandLower, 200.0);
    QCOMPARE(other.All.BandUpper, 260.0);
    QCOMPARE(other.All.image[addr::SquelchLevel], quint8(5));
    QCOMPARE(toBytes(other.All.Password),
             hexBytes("50 54 34 37 43 20 02 60")); // "PT47C" + band digits
}

void DataFileTest::open_failureChangesNothing_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::addColumn<int>("kind");
    const QByteArray good = hexBytes("50 54 34 37 43 40 05 20 E8 07 05 01 0C 1E FF FF")
                                .append(addr::ImageSize + 16, '\x00');
    QTest::newRow("missing file") << QByteArray() << int(DataFileResult::SystemError);
    QTest::newRow("shorter than header") << good.left(10) << int(DataFileResult::TooShort);
    QTest::newRow("one byte short")
        << good.left(datafile::FileSize - 1) << int(DataFileResult::TooShort);
    QTest::newRow("unknown model")
        << QByteArray(good).replace(1, 4, "T47D") << int(DataFileResult::UnknownModel);
    QTest::newRow("small-letter model")
        << QByteArray(good).replace(1, 4, "t47c") << int(DataFileResult::UnknownModel);
    QTest::newRow("band digits not decimal") << QByteArray(good).replace(5, 3, hexBytes("4A 05 20"))
                                             << int(DataFileResult::BadBandDigits);
}

void DataFileTest::open_failureChangesNothing() {
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    BuildNewImage(*core, kSavedAt);
    core->All.image[0x150] = 0x77;
    core->All.spare.fill(0x44);
    core->All.Password.fill('x');
    core->All.Changed = true;
    const Snapshot before(core->All);

    const QString path = dir.filePath(QStringLiteral("bad-%1.dat").arg(QTest::currentDataTag()));
    if (!file.isEmpty()) writeAll(path, file);
    const DataFileResult result = OpenDataFile(*core, path);
    QCOMPARE(int(result.kind), kind);
    QVERIFY(!DescribeDataFileResult(result, QStringLiteral("Model Type Wrong.")).isEmpty());
    QVERIFY(Snapshot(core->All) == before);
}

void DataFileTest::save_failureKeepsChangedFlag() {
    core->All.Changed = true;
    const DataFileResult result = WriteDataFile(*core, dir.path(), kSavedAt); // a folder
    QCOMPARE(result.kind, DataFileResult::SystemError);
    QVERIFY(!result.detail.isEmpty());
    QVERIFY(core->All.Changed);
}

void DataFileTest::save_replacesLongerFile() {
    const QString path = dir.filePath(QStringLiteral("long.dat"));
    writeAll(path, QByteArray(2000, 'z'));
    BuildNewImage(*core, kSavedAt);
    QVERIFY(WriteDataFile(*core, path, kSavedAt).ok());
    QCOMPARE(readAll(path).size(), datafile::FileSize);
}

QTEST_APPLESS_MAIN(DataFileTest)
#include "tst_datafile.moc"
