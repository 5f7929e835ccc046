#include "i18n/setlanguage.h"

#include <QtTest>
#include <QtWidgets>

class SetLanguageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void listsTheLanguagesAndSelectsTheCurrentOne();
    void okWithAnotherLanguage();
    void okWithTheSameLanguageChangesNothing();
    void cancelChangesNothing();
    void translatedOnlyAboveIndexZero_data();
    void translatedOnlyAboveIndexZero();
    void languageWithoutDisplayNameShowsItsFileName();
    void indexBeyondTheListSelectsNothing();

private:
    QComboBox* selector(TfSetLanguage& d) { return d.findChild<QComboBox*>("cbLanguage"); }
    QPushButton* button(TfSetLanguage& d, const char* name) {
        return d.findChild<QPushButton*>(QLatin1String(name));
    }

    QTemporaryDir dir;
    TALL all;
    const QStringList displayNames{QStringLiteral("English"), QString::fromUtf8("中文")};
    const QStringList languages{QStringLiteral("English"), QStringLiteral("Chinese")};
};

void SetLanguageTest::init() {
    all = TALL();
    all.ProgramDir = dir.path() + u'/';
    all.LanguageName = QStringLiteral("English");
    all.LanguageIndex = 0;
    QFile f(dir.filePath(QStringLiteral("Chinese.Ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QString::fromUtf8("[fSetLanguage]\nfSetLanguage.Caption=语言文件设置\n"
                              "btnOk.Caption=确定(&O)\ncbLanguage.0=not a word\n")
                .toUtf8());
}

void SetLanguageTest::listsTheLanguagesAndSelectsTheCurrentOne() {
    all.LanguageIndex = 1;
    all.LanguageName = QStringLiteral("Chinese");
    TfSetLanguage dialog(all, displayNames, languages);
    dialog.show();
    QCOMPARE(selector(dialog)->count(), 2);
    QCOMPARE(selector(dialog)->itemText(0), QStringLiteral("English"));
    QCOMPARE(selector(dialog)->itemText(1), QString::fromUtf8("中文"));
    QCOMPARE(selector(dialog)->currentIndex(), 1);
}

void SetLanguageTest::okWithAnotherLanguage() {
    TfSetLanguage dialog(all, displayNames, languages);
    dialog.show();
    selector(dialog)->setCurrentIndex(1);
    QTest::mouseClick(button(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(dialog.LanguageChanged());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(all.LanguageName, QStringLiteral("Chinese"));
    QCOMPARE(all.LanguageIndex, 1);
}

void SetLanguageTest::okWithTheSameLanguageChangesNothing() {
    TfSetLanguage dialog(all, displayNames, languages);
    dialog.show();
    QTest::mouseClick(button(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(!dialog.LanguageChanged());
    QCOMPARE(all.LanguageName, QStringLiteral("English"));
    QCOMPARE(all.LanguageIndex, 0);
}

void SetLanguageTest::cancelChangesNothing() {
    TfSetLanguage dialog(all, displayNames, languages);
    dialog.show();
    selector(dialog)->setCurrentIndex(1);
    QTest::mouseClick(button(dialog, "btnCancel"), Qt::LeftButton);
    QVERIFY(!dialog.LanguageChanged());
    QCOMPARE(all.LanguageIndex, 0);
}

void SetLanguageTest::translatedOnlyAboveIndexZero_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("ok");
    QTest::newRow("index 0 keeps the design texts") << 0 << "Language File Setup"
                                                    << "&Ok";
    QTest::newRow("index 1 reads the language file")
        << 1 << QString::fromUtf8("语言文件设置") << QString::fromUtf8("确定(&O)");
}

void SetLanguageTest::translatedOnlyAboveIndexZero() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, ok);
    // the file of the current language is Chinese.Ini in both rows
    all.LanguageName = QStringLiteral("Chinese");
    all.LanguageIndex = index;
    TfSetLanguage dialog(all, displayNames, languages);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(button(dialog, "btnOk")->text(), ok);
    // the selector's entries are names, never translated
    QCOMPARE(selector(dialog)->itemText(0), QStringLiteral("English"));
}

void SetLanguageTest::languageWithoutDisplayNameShowsItsFileName() {
    TfSetLanguage dialog(
        all, {QStringLiteral("English")},
        {QStringLiteral("English"), QStringLiteral("Chinese"), QStringLiteral("German")});
    dialog.show();
    QCOMPARE(selector(dialog)->count(), 3);
    QCOMPARE(selector(dialog)->itemText(2), QStringLiteral("German"));
    selector(dialog)->setCurrentIndex(2);
    QTest::mouseClick(button(dialog, "btnOk"), Qt::LeftButton);
    QCOMPARE(all.LanguageName, QStringLiteral("German"));
    QCOMPARE(all.LanguageIndex, 2);
}

void SetLanguageTest::indexBeyondTheListSelectsNothing() {
    all.LanguageIndex = 7;
    all.LanguageName.clear();
    TfSetLanguage dialog(all, displayNames, languages);
    dialog.show();
    QCOMPARE(selector(dialog)->currentIndex(), -1);
    QTest::mouseClick(button(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(!dialog.LanguageChanged());
    QCOMPARE(all.LanguageIndex, 7);
}

QTEST_MAIN(SetLanguageTest)
#include "tst_setlanguage.moc"
