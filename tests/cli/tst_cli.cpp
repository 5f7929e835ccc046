#include "model/datafile.h"
#include "model/imagedefaults.h"
#include "model/valuecodecs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include "linkfixtures.h"
#include "simradio.h"
#endif

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(K904_BIN_DIR "/k904-cli"), args);
    if (!p.waitForFinished(30000)) return {};
    return {p.exitCode(), p.readAllStandardOutput(),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QByteArray hexBytes(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A VHF 134-174 data file whose channels show each form a record can take.
QByteArray channelFormsFile() {
    TCore core;
    core.StartUp(QString());
    core.ApplyModel(QStringLiteral("T47C"), 0xF0, true);
    const QDateTime at(QDate(2025, 1, 2), QTime(3, 4, 5));
    BuildNewImage(core, at);
    const auto put = [&](int n, const char* record) {
        const QByteArray b = hexBytes(record);
        std::copy(b.begin(), b.end(), core.All.image.begin() + addr::channel(n));
    };
    put(1, "25 06 60 44 25 06 60 44 70 06 23 80 E7 FF FF FF"); // the worked record
    put(2, "00 00 50 14 FF FF FF FF 54 C7 FF FF FF FF FF FF"); // no TX, D754I, all flags FF
    put(3, "00 00 5A 14 00 00 50 14 70 06 70 06 00 FF FF FF"); // non-BCD RX: not in use
    put(5,
        "00 50 62 14 00 00 B0 14 2A 87 3A 12 00 FF FF FF"); // non-BCD TX, DCS as stored, bad CTCSS
    const QByteArray serial("AB-12");
    std::copy(serial.begin(), serial.end(), core.All.image.begin() + addr::SerialNumber);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forms.dat"));
    WriteDataFile(core, path, at);
    return readAll(path);
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newMatchesDefaults_data();
    void newMatchesDefaults();
    void usageErrors_data();
    void usageErrors();
    void helpOnEveryVerb_data();
    void helpOnEveryVerb();
    void infoJsonDecodesChannelForms();
    void infoText();
    void infoFailures_data();
    void infoFailures();
#ifdef Q_OS_UNIX
    void readThenWriteThroughVirtualRadio();
    void readFailures_data();
    void readFailures();
    void writeFailures_data();
    void writeFailures();
#endif

private:
    QTemporaryDir dir;
};

void CliTest::newMatchesDefaults_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("bandCode");
    QTest::newRow("defaults") << QStringList() << 0xF3;
    QTest::newRow("VHF default band") << QStringList{"--model", "K-904(VHF)"} << 0xF0;
    QTest::newRow("VHF 200-260") << QStringList{"--model", "K-904(VHF)", "--band", "200 - 260MHz"}
                                 << 0xF1;
    QTest::newRow("UHF 320-400") << QStringList{"--band", "320 - 400MHz"} << 0xF2;
}

void CliTest::newMatchesDefaults() {
    QFETCH(QStringList, options);
    QFETCH(int, bandCode);
    const QString path = dir.filePath(QStringLiteral("new-%1.dat").arg(QTest::currentDataTag()));
    const Run run = cli(QStringList{"new", "-o", path} + options);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    const QByteArray file = readAll(path);
    QCOMPARE(file.size(), datafile::FileSize);

    TCore core;
    core.StartUp(QString());
    core.ApplyModel(QStringLiteral("T47C"), quint8(bandCode), true);
    const QDateTime now = QDateTime::currentDateTime();
    BuildNewImage(core, now);
    QByteArray expected =
        QByteArray(reinterpret_cast<const char*>(core.All.image.data()), addr::ImageSize);
    // the write time and the header's time of saving are the moment the file was made
    const qsizetype timeAt = datafile::HeaderSize + addr::WriteTime;
    expected.replace(addr::WriteTime, 7, file.mid(timeAt, 7));
    QCOMPARE(file.mid(datafile::HeaderSize, addr::ImageSize).toHex(' '), expected.toHex(' '));
    const auto header =
        BuildDataFileHeader(core.All.ModelCode, core.All.BandLower, core.All.BandUpper, now);
    QCOMPARE(file.left(8).toHex(' '),
             QByteArray(reinterpret_cast<const char*>(header.data()), 8).toHex(' '));
    QCOMPARE(file.right(16), QByteArray(16, '\0'));
    QVERIFY(
        !BytesToDateTime(std::span(reinterpret_cast<const quint8*>(file.constData()) + timeAt, 16))
             .isEmpty());
}

void CliTest::usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no verb") << QStringList();
    QTest::newRow("unknown verb") << QStringList{"frobnicate"};
    QTest::newRow("new without output") << QStringList{"new"};
    QTest::newRow("unknown model") << QStringList{"new", "--model", "K-905", "-o", "x.dat"};
    QTest::newRow("unknown band") << QStringList{"new", "--band", "400-520MHz", "-o", "x.dat"};
    QTest::newRow("band of the other model")
        << QStringList{"new", "--band", "134 - 174MHz", "-o", "x.dat"};
    QTest::newRow("unknown option") << QStringList{"new", "--colour", "red", "-o", "x.dat"};
    QTest::newRow("info without file") << QStringList{"info"};
    QTest::newRow("info with two files") << QStringList{"info", "a.dat", "b.dat"};
    QTest::newRow("read without port") << QStringList{"read", "-o", "x.dat"};
    QTest::newRow("read without output") << QStringList{"read", "--port", "COM1"};
    QTest::newRow("write without file") << QStringList{"write", "--port", "COM1"};
    QTest::newRow("write without port") << QStringList{"write", "x.dat"};
}

void CliTest::usageErrors() {
    QFETCH(QStringList, args);
    const Run run = cli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("x.dat")));
}

void CliTest::helpOnEveryVerb_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("tool") << QStringList{"--help"};
    QTest::newRow("new") << QStringList{"new", "--help"};
    QTest::newRow("info") << QStringList{"info", "--help"};
    QTest::newRow("read") << QStringList{"read", "--help"};
    QTest::newRow("write") << QStringList{"write", "--help"};
}

void CliTest::helpOnEveryVerb() {
    QFETCH(QStringList, args);
    const Run run = cli(args);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("Usage: k904-cli"));
}

void CliTest::infoJsonDecodesChannelForms() {
    const QString path = dir.filePath(QStringLiteral("forms.dat"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(channelFormsFile());
    f.close();
    const QByteArray before = readAll(path);

    const Run run = cli({"info", path, "--json"});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(info["model"].toString(), QStringLiteral("K-904(VHF)"));
    QCOMPARE(info["modelCode"].toString(), QStringLiteral("T47C"));
    QCOMPARE(info["band"].toString(), QStringLiteral("134 - 174MHz"));
    QCOMPARE(info["serial"].toString(), QStringLiteral("AB 12"));
    QCOMPARE(info["writeTime"].toString(), QStringLiteral("2025-01-02 03:04:05"));
    QCOMPARE(info["leaveFactoryTime"].toString(), QString());
    QVERIFY(info["settings"].isObject());
    QCOMPARE(info["settings"]["squelchLevel"].toInt(), 5);

    const QJsonArray channels = info["channels"].toArray();
    QCOMPARE(channels.size(), 3);
    const QJsonObject expected[] = {
        {{"number", 1},
         {"rx", "446.00625"},
         {"tx", "446.00625"},
         {"rxTone", "67.0"},
         {"txTone", "D023N"},
         {"power", "High"},
         {"bandwidth", "Wide"},
         {"scanAdd", true},
         {"busyLock", false},
         {"compander", false},
         {"scrambler", false},
         {"pttId", false},
         {"epilogue", true}},
        {{"number", 2},
         {"rx", "145.00000"},
         {"tx", QJsonValue()},
         {"rxTone", "D754I"},
         {"txTone", ""},
         {"power", "High"},
         {"bandwidth", "Narrow"},
         {"scanAdd", false},
         {"busyLock", false},
         {"compander", false},
         {"scrambler", false},
         {"pttId", false},
         {"epilogue", true}},
        {{"number", 5},
         {"rx", "146.25000"},
         {"tx", QJsonValue()},
         {"rxTone", "D72AN"},
         {"txTone", ""},
         {"power", "Low"},
         {"bandwidth", "Wide"},
         {"scanAdd", true},
         {"busyLock", true},
         {"compander", true},
         {"scrambler", true},
         {"pttId", true},
         {"epilogue", false}},
    };
    for (int i = 0; i < 3; ++i)
        QCOMPARE(channels[i].toObject(), expected[i]);
    QCOMPARE(readAll(path), before);
}

void CliTest::infoText() {
    const QString path = dir.filePath(QStringLiteral("text.dat"));
    QVERIFY(cli({"new", "-o", path}).exitCode == 0);
    const Run run = cli({"info", path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("K-904(UHF)"));
    QVERIFY(run.out.contains("400 - 520MHz"));
    QVERIFY(run.out.contains("Channels in use: 0"));
}

void CliTest::infoFailures_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QByteArray good = hexBytes("50 54 34 37 43 40 05 20 E8 07 05 01 0C 1E FF FF");
    good.append(addr::ImageSize + 16, '\xFF');
    QTest::newRow("unknown model") << QByteArray(good).replace(1, 4, "X99Z") << "Model Type Wrong.";
    QTest::newRow("short file") << good.left(300) << "300 bytes";
    QTest::newRow("bad band digits") << QByteArray(good).replace(5, 1, "\xA0") << "band digits";
    QTest::newRow("missing file") << QByteArray() << "No such file";
}

void CliTest::infoFailures() {
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const QString path = dir.filePath(QStringLiteral("fail-%1.dat").arg(QTest::currentDataTag()));
    if (!file.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    const Run run = cli({"info", path, "--json"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

#ifdef Q_OS_UNIX
void CliTest::readThenWriteThroughVirtualRadio() {
    const Image radioImage = RadioImage(0xF1);
    TSimRadio source(radioImage, {});
    QVERIFY(!source.Path().isEmpty());
    const QString path = dir.filePath(QStringLiteral("read.dat"));
    const Run read = cli({"read", "--port", source.Path(), "-o", path});
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(read.out, QByteArray("Reading Completed.\n"));
    QVERIFY2(read.err.contains(QStringLiteral("Reading: 100%")), qPrintable(read.err));

    // saved for the model and band the radio reported, its bytes as the program keeps them
    const QByteArray file = readAll(path);
    QCOMPARE(file.size(), datafile::FileSize);
    QCOMPARE(file.left(8).toHex(' '), QByteArray("50 54 34 37 43 20 02 60"));
    TCore expected;
    PrepareCore(expected);
    expected.All.image = radioImage;
    expected.ApplyModel(QStringLiteral("T47C"), 0xF1, true);
    NormaliseImage(expected);
    QCOMPARE(file.mid(datafile::HeaderSize, addr::ImageSize).toHex(' '),
             Bytes(expected.All.image).toHex(' '));

    TSimRadio target(RadioImage(0xF3), {});
    const Run write = cli({"write", "--port", target.Path(), path});
    QCOMPARE(write.exitCode, 0);
    QCOMPARE(write.out, QByteArray("Writing Completed.\n"));
    QTRY_VERIFY(!target.Dumped().isEmpty());
    const QByteArray dumped = target.Dumped();
    const QByteArray image = file.mid(datafile::HeaderSize, addr::ImageSize);
    // everything but the new write time, up to the leave-factory time the radio keeps
    QCOMPARE(dumped.left(addr::WriteTime).toHex(' '), image.left(addr::WriteTime).toHex(' '));
    QCOMPARE(dumped.mid(addr::WriteTime + 7, addr::WriteSize - addr::WriteTime - 7),
             image.mid(addr::WriteTime + 7, addr::WriteSize - addr::WriteTime - 7));
    QCOMPARE(dumped.mid(addr::WriteSize), Bytes(RadioImage(0xF3), addr::WriteSize, 16));
    QCOMPARE(readAll(path), file);
}

void CliTest::readFailures_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown model") << QStringList{"--fault", "model=X99Z"} << "Model Type Wrong.";
    QTest::newRow("wrong key") << QStringList{"--fault", "wrong-key"}
                               << "Please check all connections and communication port settings.";
    QTest::newRow("stall") << QStringList{"--fault", "stall-after=3"}
                           << "Please check all connections and communication port settings.";
    QTest::newRow("no such port") << QStringList() << "Cannot Open Communication Port.\n";
}

void CliTest::readFailures() {
    QFETCH(QStringList, faults);
    QFETCH(QString, message);
    TSimRadio sim(RadioImage(0xF3), faults);
    const QString port = faults.isEmpty() ? QStringLiteral("/dev/k904-no-such-port") : sim.Path();
    const QString path =
        dir.filePath(QStringLiteral("read-fail-%1.dat").arg(QTest::currentDataTag()));
    const Run run = cli({"read", "--port", port, "-o", path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void CliTest::writeFailures_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("message");
    QTest::newRow("model in small letters")
        << QStringList{"--fault", "model=t47c"} << "Model Type Wrong.";
    QTest::newRow("line break") << QStringList{"--fault", "break-after=2"}
                                << "Please check all connections and communication port settings.";
    QTest::newRow("no such port") << QStringList() << "Cannot Open Communication Port.\n";
}

void CliTest::writeFailures() {
    QFETCH(QStringList, faults);
    QFETCH(QString, message);
    const QString path = dir.filePath(QStringLiteral("write-source.dat"));
    QVERIFY(cli({"new", "-o", path}).exitCode == 0);
    const QByteArray before = readAll(path);
    TSimRadio sim(RadioImage(0xF3), faults);
    const QString port = faults.isEmpty() ? QStringLiteral("/dev/k904-no-such-port") : sim.Path();
    const Run run = cli({"write", "--port", port, path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(readAll(path), before);
}
#endif

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
