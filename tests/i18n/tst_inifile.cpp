#include "i18n/inifile.h"

#include <QTemporaryDir>
#include <QtTest>

class IniFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
    void write_data();
    void write();
    void legacyFileIsRewrittenAsUtf8();
    void saveAndLoadThroughAFile();
    void failedSaveLeavesNothingBehind();
};

void IniFileTest::read_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("names ignore case") << QByteArray("[SysInfo]\nCom=COM3\n") << "SYSINFO"
                                       << "com"
                                       << "COM3";
    QTest::newRow("first occurrence wins") << QByteArray("[S]\nA=1\nA=2\n") << "S"
                                           << "A"
                                           << "1";
    QTest::newRow("first section holding the key wins")
        << QByteArray("[S]\nB=0\n[T]\nA=9\n[s]\nA=2\n[S]\nA=3\n") << "S"
        << "A"
        << "2";
    QTest::newRow("missing key gives the default") << QByteArray("[S]\nA=1\n") << "S"
                                                   << "B"
                                                   << "default";
    QTest::newRow("missing section gives the default") << QByteArray("[T]\nA=1\n") << "S"
                                                       << "A"
                                                       << "default";
    QTest::newRow("missing file gives the default") << QByteArray() << "S"
                                                    << "A"
                                                    << "default";
    QTest::newRow("empty value stays empty") << QByteArray("[S]\nA=\n") << "S"
                                             << "A"
                                             << "";
    QTest::newRow("blanks around name and value") << QByteArray("[ S ]\n  A  =  x y  \n") << "S"
                                                  << "A"
                                                  << "x y";
    QTest::newRow("quotes keep the blanks") << QByteArray("[S]\nInfo=\" Information\"\n") << "S"
                                            << "Info"
                                            << " Information";
    QTest::newRow("equals sign inside the value") << QByteArray("[S]\nA=b=c\n") << "S"
                                                  << "A"
                                                  << "b=c";
    QTest::newRow("comments are not keys") << QByteArray("[S]\n;A=1\n#A=2\nA=3\n") << "S"
                                           << "A"
                                           << "3";
    QTest::newRow("key before any section") << QByteArray("A=1\n[S]\n") << "S"
                                            << "A"
                                            << "default";
    QTest::newRow("utf-8 text") << QByteArray("[S]\nA=\xe4\xb8\xad\xe6\x96\x87\n") << "S"
                                << "A" << QString::fromUtf8("中文");
    QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBF[S]\nA=1\n") << "S"
                                                << "A"
                                                << "1";
    QTest::newRow("legacy GBK text")
        << QByteArray("[SysInfo]\nChinese=\xd3\xa2\xce\xc4|\xd6\xd0\xce\xc4\n") << "SysInfo"
        << "Chinese" << QString::fromUtf8("英文|中文");
    QTest::newRow("windows line ends") << QByteArray("[S]\r\nA=1\r\n") << "S"
                                       << "A"
                                       << "1";
}

void IniFileTest::read() {
    QFETCH(QByteArray, text);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TIniFile file;
    file.Parse(text);
    QCOMPARE(file.ReadString(section, key, QStringLiteral("default")), expected);
}

void IniFileTest::write_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray config("; settings\n[SysInfo]\nCom=COM1\n; the help file\nHelp=K904\n\n"
                            "[Other]\nX=1\n");
    QTest::newRow("changes only its own line")
        << config << "sysinfo"
        << "COM"
        << "COM3"
        << QByteArray("; settings\n[SysInfo]\nCom=COM3\n; the help file\nHelp=K904\n\n"
                      "[Other]\nX=1\n");
    QTest::newRow("new key at the end of its section")
        << config << "SysInfo"
        << "PicID"
        << "0"
        << QByteArray("; settings\n[SysInfo]\nCom=COM1\n; the help file\nHelp=K904\nPicID=0\n\n"
                      "[Other]\nX=1\n");
    QTest::newRow("new section at the end")
        << config << "Language"
        << "All"
        << "All"
        << QByteArray("; settings\n[SysInfo]\nCom=COM1\n; the help file\nHelp=K904\n\n"
                      "[Other]\nX=1\n\n[Language]\nAll=All\n");
    QTest::newRow("empty file") << QByteArray() << "SysInfo"
                                << "Com"
                                << "COM1" << QByteArray("[SysInfo]\nCom=COM1\n");
    QTest::newRow("only the first of two keys") << QByteArray("[S]\nA=1\nA=2\n") << "S"
                                                << "A"
                                                << "3" << QByteArray("[S]\nA=3\nA=2\n");
    QTest::newRow("indentation kept") << QByteArray("[S]\n  A = 1\n") << "S"
                                      << "a"
                                      << "2" << QByteArray("[S]\n  A=2\n");
    QTest::newRow("windows line ends kept") << QByteArray("[S]\r\nA=1\r\n") << "S"
                                            << "B"
                                            << "2" << QByteArray("[S]\r\nA=1\r\nB=2\r\n");
    QTest::newRow("leading blank quoted")
        << QByteArray("[S]\n") << "S"
        << "Info"
        << " Information" << QByteArray("[S]\nInfo=\" Information\"\n");
    QTest::newRow("line break cannot split the line") << QByteArray("[S]\n") << "S"
                                                      << "A"
                                                      << "x\ny" << QByteArray("[S]\nA=x y\n");
}

void IniFileTest::write() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    TIniFile file;
    file.Parse(before);
    file.WriteString(section, key, value);
    QCOMPARE(file.ToBytes(), after);
    // what was written reads back, through a second parse as well
    TIniFile again;
    again.Parse(file.ToBytes());
    QCOMPARE(again.ReadString(section, key, {}), QString(value).replace(u'\n', u' '));
}

void IniFileTest::legacyFileIsRewrittenAsUtf8() {
    TIniFile file;
    file.Parse("[SysInfo]\nChinese=\xd3\xa2\xce\xc4|\xd6\xd0\xce\xc4\nCom=COM1\n");
    file.WriteString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QStringLiteral("COM2"));
    QCOMPARE(file.ToBytes(),
             QString::fromUtf8("[SysInfo]\nChinese=英文|中文\nCom=COM2\n").toUtf8());
}

void IniFileTest::saveAndLoadThroughAFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SysInfo.Ini"));
    TIniFile file(path); // absent: starts empty
    file.WriteString(QStringLiteral("SysInfo"), QStringLiteral("Chinese"),
                     QString::fromUtf8("英文|中文"));
    QVERIFY(file.Save(path));
    const TIniFile loaded(path);
    QCOMPARE(loaded.ReadString(QStringLiteral("sysinfo"), QStringLiteral("chinese"), {}),
             QString::fromUtf8("英文|中文"));
    QCOMPARE(loaded.Keys(QStringLiteral("SYSINFO")), QStringList{QStringLiteral("Chinese")});
}

void IniFileTest::failedSaveLeavesNothingBehind() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/SysInfo.Ini"));
    TIniFile file;
    file.WriteString(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    QVERIFY(!file.Save(path));
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
