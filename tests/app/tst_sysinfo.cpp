#include "app/helpfile.h"
#include "app/portchoice.h"
#include "app/sysinfo.h"
#include "i18n/inifile.h"

#include <QtTest>

namespace {

const QString kSection = QStringLiteral("SysInfo");

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class SysInfoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void load_data();
    void load();
    void saveWritesThreeKeysAndKeepsTheRest();
    void picIdThatIsNotANumber();
    void languageLists_data();
    void languageLists();
    void unwritableProgramDirectoryUsesTheUserCopy();
    void userCopyIsReadFirst();
    void startPort_data();
    void startPort();
    void helpFile_data();
    void helpFile();

private:
    QString programDir() const { return program->path() + u'/'; }
    QString programFile() const { return programDir() + QStringLiteral("SysInfo.Ini"); }
    std::unique_ptr<QTemporaryDir> program, user;
};

void SysInfoTest::init() {
    program = std::make_unique<QTemporaryDir>();
    user = std::make_unique<QTemporaryDir>();
}

void SysInfoTest::load_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("help");
    QTest::addColumn<int>("picture");
    QTest::newRow("no file: the defaults, in English") << QByteArray() << "Com1" << 0 << "English"
                                                       << "K904" << 1;
    QTest::newRow("index 1 of Chinese|English")
        << QByteArray("[SysInfo]\nDefaultLanguage=1\nLanguage=Chinese|English\n") << "Com1" << 1
        << "English"
        << "K904" << 1;
    QTest::newRow("index past the list: no language")
        << QByteArray("[SysInfo]\nDefaultLanguage=7\nLanguage=English|Chinese\n") << "Com1" << 7
        << ""
        << "K904" << 1;
    QTest::newRow("negative index: no language")
        << QByteArray("[SysInfo]\nDefaultLanguage=-1\n") << "Com1" << -1 << ""
        << "K904" << 1;
    QTest::newRow("index that is not a number")
        << QByteArray("[SysInfo]\nDefaultLanguage=x\n") << "Com1" << 0 << "English"
        << "K904" << 1;
    QTest::newRow("port as written, any case")
        << QByteArray("[sysinfo]\ncom=com3\nPicID=4\n") << "com3" << 0 << "English"
        << "K904" << 5;
    QTest::newRow("empty values stay empty")
        << QByteArray("[SysInfo]\nCom=\nHelp=\nLanguage=\n") << "" << 0 << ""
        << "" << 1;
}

void SysInfoTest::load() {
    QFETCH(QByteArray, file);
    QFETCH(QString, port);
    QFETCH(int, index);
    QFETCH(QString, language);
    QFETCH(QString, help);
    QFETCH(int, picture);
    if (!file.isEmpty()) QVERIFY(writeAll(programFile(), file));
    TALL all;
    TSysInfo(programDir(), user->path()).Load(all);
    QCOMPARE(all.PortName, port);
    QCOMPARE(all.LanguageIndex, index);
    QCOMPARE(all.LanguageName, language);
    QCOMPARE(all.HelpPrefix, help);
    QCOMPARE(all.PictureNumber, picture);
}

void SysInfoTest::saveWritesThreeKeysAndKeepsTheRest() {
    QVERIFY(writeAll(programFile(), "; shipped\r\n[SysInfo]\r\nCom=Com1\r\nHelp=K904\r\n"
                                    "Language=English|Chinese\r\n"));
    TALL all;
    all.PortName = QStringLiteral("COM3");
    all.LanguageIndex = 1;
    all.PictureNumber = 1;
    QVERIFY(TSysInfo(programDir(), user->path()).Save(all));
    QFile f(programFile());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("; shipped\r\n[SysInfo]\r\nCom=COM3\r\nHelp=K904\r\n"
                                     "Language=English|Chinese\r\nDefaultLanguage=1\r\n"
                                     "PicID=0\r\n"));
    QVERIFY(QDir(user->path()).isEmpty());
}

void SysInfoTest::picIdThatIsNotANumber() {
    QVERIFY(writeAll(programFile(), "[SysInfo]\nPicID=abc\n"));
    const TSysInfo sysInfo(programDir(), user->path());
    TALL all;
    sysInfo.Load(all);
    QCOMPARE(all.PictureNumber, 1);
    QVERIFY(sysInfo.Save(all));
    QCOMPARE(TIniFile(programFile()).ReadString(kSection, QStringLiteral("PicID"), {}),
             QStringLiteral("0"));
}

void SysInfoTest::languageLists_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("displayNames");
    QTest::addColumn<QStringList>("languages");
    const QByteArray shipped = QString::fromUtf8("[SysInfo]\nLanguage=English|Chinese\n"
                                                 "English=English|Chinese\nChinese=英文|中文\n")
                                   .toUtf8();
    QTest::newRow("in English") << shipped << "English" << QStringList{"English", "Chinese"}
                                << QStringList{"English", "Chinese"};
    QTest::newRow("in Chinese") << shipped << "Chinese"
                                << QStringList{QString::fromUtf8("英文"), QString::fromUtf8("中文")}
                                << QStringList{"English", "Chinese"};
    QTest::newRow("no file") << QByteArray() << "English"
                             << QStringList{"English", QString::fromUtf8("中文")}
                             << QStringList{"English", "Chinese"};
    QTest::newRow("two bars give an empty entry, a last bar none")
        << QByteArray("[SysInfo]\nLanguage=A||B|\nA=a|\n") << "A" << QStringList{"a"}
        << QStringList{"A", "", "B"};
}

void SysInfoTest::languageLists() {
    QFETCH(QByteArray, file);
    QFETCH(QString, current);
    QFETCH(QStringList, displayNames);
    QFETCH(QStringList, languages);
    if (!file.isEmpty()) QVERIFY(writeAll(programFile(), file));
    QStringList names, files;
    TSysInfo(programDir(), user->path()).LanguageLists(current, names, files);
    QCOMPARE(names, displayNames);
    QCOMPARE(files, languages);
}

void SysInfoTest::unwritableProgramDirectoryUsesTheUserCopy() {
    // a program directory that cannot take a file, even for a user allowed everything
    const QString gone = program->path() + QStringLiteral("/gone/");
    const QString userDir = user->path() + QStringLiteral("/K-904");
    const TSysInfo sysInfo(gone, userDir);
    TALL all;
    sysInfo.Load(all);
    all.PortName = QStringLiteral("COM4");
    QVERIFY(sysInfo.Save(all));
    QVERIFY(!QFileInfo::exists(gone + QStringLiteral("SysInfo.Ini")));
    QCOMPARE(TIniFile(sysInfo.UserFile()).ReadString(kSection, QStringLiteral("Com"), {}),
             QStringLiteral("COM4"));
    TALL again;
    sysInfo.Load(again);
    QCOMPARE(again.PortName, QStringLiteral("COM4"));
}

void SysInfoTest::userCopyIsReadFirst() {
    QVERIFY(writeAll(programFile(), "[SysInfo]\nCom=COM1\nDefaultLanguage=0\n"
                                    "Language=English|Chinese\n"));
    const TSysInfo sysInfo(programDir(), user->path());
    QVERIFY(writeAll(sysInfo.UserFile(), "[SysInfo]\nCom=COM2\nDefaultLanguage=1\n"));
    TALL all;
    sysInfo.Load(all);
    QCOMPARE(all.PortName, QStringLiteral("COM2"));
    // keys the copy lacks come from the program's file
    QCOMPARE(all.LanguageName, QStringLiteral("Chinese"));
    // and once there is a copy it is the one written
    all.PortName = QStringLiteral("COM5");
    QVERIFY(sysInfo.Save(all));
    QCOMPARE(TIniFile(sysInfo.UserFile()).ReadString(kSection, QStringLiteral("Com"), {}),
             QStringLiteral("COM5"));
    QCOMPARE(TIniFile(programFile()).ReadString(kSection, QStringLiteral("Com"), {}),
             QStringLiteral("COM1"));
}

void SysInfoTest::startPort_data() {
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("there"); // devices that exist without being listed
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("selected");
    QTest::newRow("no port present: configured, in capitals")
        << "com3" << QStringList{} << QStringList{} << "COM3" << -1;
    QTest::newRow("configured port present")
        << "Com2" << QStringList{"COM1", "COM2"} << QStringList{} << "COM2" << 1;
    QTest::newRow("configured port absent: the first present")
        << "COM9" << QStringList{"COM1", "COM2"} << QStringList{} << "COM1" << 0;
    QTest::newRow("device names keep their case")
        << "ttyUSB0" << QStringList{"ttyS0", "ttyUSB0"} << QStringList{} << "ttyUSB0" << 1;
    // a pseudo-terminal, such as the virtual radio's, is in no port list
    QTest::newRow("configured device there but not listed: kept")
        << "/dev/pts/7" << QStringList{"ttyS0"} << QStringList{"/dev/pts/7"} << "/dev/pts/7" << -1;
    QTest::newRow("configured device gone: the first present")
        << "/dev/pts/7" << QStringList{"ttyS0"} << QStringList{"/dev/pts/8"} << "ttyS0" << 0;
}

void SysInfoTest::startPort() {
    QFETCH(QString, configured);
    QFETCH(QStringList, present);
    QFETCH(QStringList, there);
    QFETCH(QString, port);
    QFETCH(int, selected);
    const TPortChoice choice =
        ChoosePort(configured, present, [&](const QString& name) { return there.contains(name); });
    QCOMPARE(choice.portName, port);
    QCOMPARE(choice.selected, selected);
}

void SysInfoTest::helpFile_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("opened");
    const QStringList guides{"K904_English.html", "K904_Chinese.html"};
    QTest::newRow("the guide of the language") << guides << "Chinese"
                                               << "K904_Chinese.html";
    QTest::newRow("a compiled help file first")
        << (guides + QStringList{"K904_Chinese.chm"}) << "Chinese"
        << "K904_Chinese.chm";
    QTest::newRow("no guide for the language: English") << guides << "German"
                                                        << "K904_English.html";
    QTest::newRow("no guide at all") << QStringList{} << "English"
                                     << "";
}

void SysInfoTest::helpFile() {
    QFETCH(QStringList, files);
    QFETCH(QString, language);
    QFETCH(QString, opened);
    for (const QString& name : files)
        QVERIFY(writeAll(programDir() + name, "<html></html>"));
    TALL all;
    all.ProgramDir = programDir();
    all.HelpPrefix = QStringLiteral("K904");
    all.LanguageName = language;
    QCOMPARE(QFileInfo(HelpFile(all)).fileName(), opened);
}

QTEST_GUILESS_MAIN(SysInfoTest)
#include "tst_sysinfo.moc"
