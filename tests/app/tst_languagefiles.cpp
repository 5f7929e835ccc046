#include "shellfixture.h"

#include "app/frmabout.h"
#include "i18n/inifile.h"
#include "i18n/language.h"
#include "i18n/setlanguage.h"
#include "i18n/translate.h"
#include "link/readradio.h"
#include "link/setport.h"
#include "link/writeradio.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Notes each key the translation step reads, with the text the window shows by design.
class KeyCollector : public TTextSource {
public:
    QString Text(const QString& section, const QString& key, const QString& current) override {
        keys.insert(section + u'/' + key, current);
        return current;
    }
    QMap<QString, QString> keys;
};

QString shipped(const char* name) {
    return QStringLiteral(K904_RESOURCES "/") + QLatin1String(name);
}

// Every key of every window built so far, with its design text.
QMap<QString, QString> windowKeys() {
    ShellFixture f;
    KeyCollector collector;
    TranslateForm(f.frame.get(), collector, true);
    TfSetLanguage language(f.all(), {}, {});
    TranslateForm(&language, collector, true);
    TfFrmAbout about(f.all(), QString());
    TranslateForm(&about, collector, true);
    for (const auto picker : {TfSetPort::Picker::ComButtons, TfSetPort::Picker::DeviceList}) {
        TfSetPort port(f.all(), {}, QString(), nullptr, picker);
        TranslateForm(&port, collector, true);
    }
    TfReadRadio read(f.db->Core, f.db->Messages, QString());
    TranslateForm(&read, collector, true);
    TfWriteRadio write(f.db->Core, f.db->Messages, QString());
    TranslateForm(&write, collector, true);
    return collector.keys;
}

QStringList fileKeys(const TIniFile& file, const QString& section) {
    QStringList keys;
    for (const QString& key : file.Keys(section))
        keys << section + u'/' + key;
    return keys;
}

} // namespace

class LanguageFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWindowKeyIsInBothFiles_data();
    void everyWindowKeyIsInBothFiles();
    void englishFileRepeatsTheDesignTexts();
    void bothFilesHoldTheSameKeys();
    void everyMessageIsTranslated();
    void shippedConfigurationStartsInEnglish();
};

void LanguageFilesTest::everyWindowKeyIsInBothFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << shipped("English.Ini");
    QTest::newRow("Chinese") << shipped("Chinese.Ini");
}

void LanguageFilesTest::everyWindowKeyIsInBothFiles() {
    QFETCH(QString, file);
    const TIniFile language(file);
    const QMap<QString, QString> keys = windowKeys();
    QVERIFY(keys.contains(QStringLiteral("fMainFrm/nChInfo.Hint")));
    QVERIFY(keys.contains(QStringLiteral("fSetPort/gvPorts.4")));
    QVERIFY(keys.contains(QStringLiteral("fWriteRadio/fWriteRadio.Caption")));
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        // an empty design text (most menu items have no hint) leaves nothing to translate
        if (it.value().isEmpty()) continue;
        const QString section = it.key().section(u'/', 0, 0);
        QVERIFY2(language.HasKey(section, it.key().section(u'/', 1)), qPrintable(it.key()));
    }
}

void LanguageFilesTest::englishFileRepeatsTheDesignTexts() {
    // switching back to English restores what the windows show by design; the about box
    // alone has placeholders by design
    const TIniFile english(shipped("English.Ini"));
    const QMap<QString, QString> keys = windowKeys();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        const QString section = it.key().section(u'/', 0, 0);
        if (section == QLatin1String("fFrmAbout")) continue;
        QCOMPARE(english.ReadString(section, it.key().section(u'/', 1), it.value()), it.value());
    }
}

void LanguageFilesTest::bothFilesHoldTheSameKeys() {
    const TIniFile english(shipped("English.Ini"));
    const TIniFile chinese(shipped("Chinese.Ini"));
    for (const char* section : {"Language", "fMainFrm", "fSetLanguage", "fFrmAbout", "fSetPort",
                                "fReadRadio", "fWriteRadio"}) {
        QStringList a = fileKeys(english, QLatin1String(section));
        QStringList b = fileKeys(chinese, QLatin1String(section));
        a.sort();
        b.sort();
        QCOMPARE(b, a);
    }
}

void LanguageFilesTest::everyMessageIsTranslated() {
    const TIniFile english(shipped("English.Ini"));
    const TIniFile chinese(shipped("Chinese.Ini"));
    const TLanguage defaults;
    const QString section = QStringLiteral("Language");
    for (const TLanguage::Entry& entry : TLanguage::Entries) {
        const QString key = QLatin1String(entry.key);
        QCOMPARE(english.ReadString(section, key, {}), defaults.*entry.field);
        const QString text = chinese.ReadString(section, key, {});
        QVERIFY2(!text.isEmpty() && text != defaults.*entry.field, entry.key);
    }
    QCOMPARE(chinese.ReadString(section, QStringLiteral("Locale"), {}), QStringLiteral("zh_CN"));
}

void LanguageFilesTest::shippedConfigurationStartsInEnglish() {
    ShellFixture f;
    QCOMPARE(f.all().LanguageName, QStringLiteral("English"));
    QCOMPARE(f.all().LanguageIndex, 0);
    QStringList names, files;
    f.db->SysInfo.LanguageLists(QStringLiteral("English"), names, files);
    QCOMPARE(files, (QStringList{"English", "Chinese"}));
    QCOMPARE(names, (QStringList{"English", "Chinese"}));
    names.clear();
    files.clear();
    f.db->SysInfo.LanguageLists(QStringLiteral("Chinese"), names, files);
    QCOMPARE(names, (QStringList{QString::fromUtf8("英文"), QString::fromUtf8("中文")}));
}

QTEST_MAIN(LanguageFilesTest)
#include "tst_languagefiles.moc"
