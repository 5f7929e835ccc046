#include "radiofaults.h"
#include "radioresponder.h"

#include "link/linemarks.h"
#include "link/porterror.h"
#include "link/portlist.h"
#include "link/portname.h"
#include "link/protocol.h"

#include <QtTest>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
} // namespace

class LinkPartsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portLocation_data();
    void portLocation();
    void deviceThereWithoutBeingListed();
    void linkKey_data();
    void linkKey();
    void frames();
    void lineMarks_data();
    void lineMarks();
    void permissionHint();
    void radioFaults_data();
    void radioFaults();
    void radioOpening_data();
    void radioOpening();
};

void LinkPartsTest::portLocation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number"); // -1: not a COM name
    QTest::addColumn<QString>("location");
    QTest::newRow("COM1") << "COM1" << 1 << "/dev/ttyS0";
    QTest::newRow("Com4 in mixed case") << "Com4" << 4 << "/dev/ttyS3";
    QTest::newRow("COM21, above the buttons") << "COM21" << 21 << "/dev/ttyS20";
    QTest::newRow("USB adapter") << "ttyUSB0" << -1 << "/dev/ttyUSB0";
    QTest::newRow("ACM device") << "ttyACM1" << -1 << "/dev/ttyACM1";
    QTest::newRow("pseudo-terminal path") << "/dev/pts/7" << -1 << "/dev/pts/7";
    QTest::newRow("COM without number") << "COM" << -1 << "/dev/COM";
    QTest::newRow("COM and letters") << "COMX1" << -1 << "/dev/COMX1";
}

void LinkPartsTest::portLocation() {
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, location);
    QCOMPARE(ComPortNumber(name).value_or(-1), number);
#ifndef Q_OS_WIN
    QCOMPARE(PortSystemLocation(name), location);
#endif
}

void LinkPartsTest::deviceThereWithoutBeingListed() {
#ifdef Q_OS_WIN
    QSKIP("Windows ports are all listed");
#else
    // a pseudo-terminal stands for any device file no port list shows
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("pts7"));
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(PortDeviceExists(device));
    QVERIFY(!PortDeviceExists(dir.filePath(QStringLiteral("pts8"))));
    QVERIFY(!PortDeviceExists(QString()));
#endif
}

void LinkPartsTest::linkKey_data() {
    QTest::addColumn<QString>("port");
    QTest::addColumn<quint32>("random");
    QTest::addColumn<int>("key");
    QTest::newRow("COM2") << "COM2" << 0u << 0x62;
    QTest::newRow("com9") << "com9" << 3u << 0x69;
    QTest::newRow("COM10 draws") << "COM10" << 0u << 0x65;
    QTest::newRow("COM10 draws again") << "COM10" << 9u << 0x69;
    QTest::newRow("ttyUSB0 draws") << "ttyUSB0" << 7u << 0x67;
}

void LinkPartsTest::linkKey() {
    QFETCH(QString, port);
    QFETCH(quint32, random);
    QFETCH(int, key);
    QCOMPARE(int(wire::ChooseLinkKey(port, [&] { return random; })), key);
}

void LinkPartsTest::frames() {
    QCOMPARE(wire::SwapNibbles(0x62), quint8(0x26));
    QCOMPARE(wire::OpeningFrame(0x63), hex("50 52 4F 47 52 41 4D 63"));
    QCOMPARE(wire::ReadRequest(0x1A8), hex("52 01 A8 08"));
    const quint8 data[8] = {1, 2, 3, 4, 5, 6, 7, 0xFF};
    QCOMPARE(wire::WriteFrame(0x198, data), hex("57 01 98 08 01 02 03 04 05 06 07 FF"));
    QCOMPARE(wire::HexLogLine(hex("06 0a ff")), QStringLiteral("06 0A FF "));
}

void LinkPartsTest::lineMarks_data() {
    QTest::addColumn<QList<QByteArray>>("arrivals");
    QTest::addColumn<QStringList>("pieces"); // hex of clean bytes, "!" for a line error
    QTest::newRow("plain") << QList<QByteArray>{hex("06 52 01")} << QStringList{"065201"};
    QTest::newRow("doubled FF is one FF")
        << QList<QByteArray>{hex("41 FF FF 42")} << QStringList{"41ff42"};
    QTest::newRow("break") << QList<QByteArray>{hex("41 FF 00 00 42")}
                           << QStringList{"41", "!", "42"};
    QTest::newRow("damaged byte") << QList<QByteArray>{hex("FF 00 37 06")}
                                  << QStringList{"!", "06"};
    QTest::newRow("FF split across arrivals")
        << QList<QByteArray>{hex("41 FF"), hex("FF 42")} << QStringList{"41", "ff42"};
    QTest::newRow("break split across arrivals")
        << QList<QByteArray>{hex("FF"), hex("00"), hex("00 06")} << QStringList{"!", "06"};
    QTest::newRow("a lone FF before other data stays")
        << QList<QByteArray>{hex("FF 41")} << QStringList{"ff41"};
}

void LinkPartsTest::lineMarks() {
    QFETCH(QList<QByteArray>, arrivals);
    QFETCH(QStringList, pieces);
    TLineMarks marks;
    QStringList got;
    for (const QByteArray& a : arrivals)
        for (const TLineMarks::Piece& p : marks.Decode(a)) {
            if (!p.data.isEmpty()) got << QString::fromLatin1(p.data.toHex());
            if (p.lineError) got << QStringLiteral("!");
        }
    QCOMPARE(got, pieces);
}

void LinkPartsTest::permissionHint() {
    const QString denied =
        PortOpenErrorText(QSerialPort::PermissionError, QStringLiteral("Permission denied"),
                          QStringLiteral("/dev/ttyUSB0"));
    QVERIFY(denied.startsWith(QStringLiteral("Permission denied\n")));
#ifdef Q_OS_LINUX
    QVERIFY2(denied.contains(QStringLiteral("dialout")), qPrintable(denied));
#endif
    QCOMPARE(PortOpenErrorText(QSerialPort::DeviceNotFoundError,
                               QStringLiteral("No such file or directory"),
                               QStringLiteral("/dev/ttyUSB9")),
             QStringLiteral("No such file or directory"));
}

void LinkPartsTest::radioFaults_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("wrong-key") << "wrong-key" << true;
    QTest::newRow("model") << "model=t47c" << true;
    QTest::newRow("model too long") << "model=T47CX" << false;
    QTest::newRow("stall") << "stall-after=12" << true;
    QTest::newRow("stall without count") << "stall-after=" << false;
    QTest::newRow("negative count") << "break-after=-1" << false;
    QTest::newRow("unknown") << "explode" << false;
}

void LinkPartsTest::radioFaults() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    TRadioFaults faults;
    QString error;
    QCOMPARE(AddRadioFault(faults, text, error), ok);
    QCOMPARE(error.isEmpty(), ok);
    QCOMPARE(faults.any(), ok);
}

void LinkPartsTest::radioOpening_data() {
    QTest::addColumn<QByteArray>("heard");
    QTest::addColumn<QByteArray>("answer");
    const QByteArray ident = hex("50 54 34 37 43 F2 36 FF FF FF FF FF FF FF FF FF");
    QTest::newRow("opening and request") << QByteArray("PROGRAM\x63\x02") << hex("06") + ident;
    QTest::newRow("noise before the opening")
        << QByteArray("xPRPROGRAM\x63\x02") << hex("06") + ident;
    QTest::newRow("request before the opening") << QByteArray("\x02PROGRAM\x63") << hex("06");
    QTest::newRow("read request after the handshake")
        << QByteArray("PROGRAM\x63\x02\x06R\x00\x10\x08", 14)
        << hex("06") + ident + hex("06 57 00 10 08 11 11 11 11 11 11 11 11");
}

void LinkPartsTest::radioOpening() {
    QFETCH(QByteArray, heard);
    QFETCH(QByteArray, answer);
    Image image;
    image.fill(0x11);
    image[addr::BandCode] = 0xF2;
    TRadioResponder radio(image, {});
    QByteArray said;
    for (const char b : heard)
        said += radio.Receive(quint8(b)).reply;
    QCOMPARE(said.toHex(' '), answer.toHex(' '));
}

QTEST_GUILESS_MAIN(LinkPartsTest)
#include "tst_linkparts.moc"
