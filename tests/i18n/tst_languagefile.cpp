#include "i18n/languagefile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

} // namespace

class LanguageFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileGivesEnglish();
    void keysReplaceTextsAndMissingKeysFallBackToEnglish();
    void emptyValueGivesEmptyText();
    void fileNameMatchesWithoutRegardToCase();
    void locale();

private:
    QTemporaryDir dir;
};

void LanguageFileTest::missingFileGivesEnglish() {
    TLanguage messages;
    messages.ExitProgram = QStringLiteral("left over");
    LoadMessages(messages, dir.filePath(QStringLiteral("Klingon.Ini")));
    const TLanguage english;
    for (const TLanguage::Entry& entry : TLanguage::Entries)
        QCOMPARE(messages.*entry.field, english.*entry.field);
    QCOMPARE(messages.Info, QStringLiteral(" Information"));
}

void LanguageFileTest::keysReplaceTextsAndMissingKeysFallBackToEnglish() {
    const QString first = writeFile(dir, QStringLiteral("First.Ini"),
                                    "[Language]\nConfirmation=\xe7\xa1\xae\xe8\xae\xa4\n"
                                    "exitprogram=Quit?\n[fMainFrm]\nReadOk=not a message\n");
    const QString second =
        writeFile(dir, QStringLiteral("Second.Ini"), "[Language]\nConfirmation=Please confirm\n");
    TLanguage messages;
    LoadMessages(messages, first);
    QCOMPARE(messages.Confirmation, QString::fromUtf8("确认"));
    QCOMPARE(messages.ExitProgram, QStringLiteral("Quit?"));
    QCOMPARE(messages.ReadOk, QStringLiteral("Reading Completed."));

    // a second language without the key does not keep the first one's text
    LoadMessages(messages, second);
    QCOMPARE(messages.Confirmation, QStringLiteral("Please confirm"));
    QCOMPARE(messages.ExitProgram, QStringLiteral("Do you wish to exit program?"));
}

void LanguageFileTest::emptyValueGivesEmptyText() {
    const QString path = writeFile(dir, QStringLiteral("Empty.Ini"), "[Language]\nCaution=\n");
    TLanguage messages;
    LoadMessages(messages, path);
    QCOMPARE(messages.Caution, QString());
    QCOMPARE(messages.OutRange, QStringLiteral("Frequecy is Out of range."));
}

void LanguageFileTest::fileNameMatchesWithoutRegardToCase() {
    const QString programDir = dir.path() + u'/';
    writeFile(dir, QStringLiteral("english.ini"), "[Language]\n");
    QCOMPARE(LanguageFilePath(programDir, QStringLiteral("English")),
             programDir + QStringLiteral("english.ini"));
    // an absent language names the file it would have
    QCOMPARE(LanguageFilePath(programDir, QStringLiteral("German")),
             programDir + QStringLiteral("German.Ini"));
    QCOMPARE(LanguageFilePath(programDir, QString()), programDir + QStringLiteral(".Ini"));
}

void LanguageFileTest::locale() {
    const QString path =
        writeFile(dir, QStringLiteral("Chinese.Ini"), "[Language]\nLocale=zh_CN\n");
    QCOMPARE(LanguageLocale(path), QStringLiteral("zh_CN"));
    QCOMPARE(LanguageLocale(dir.filePath(QStringLiteral("None.Ini"))), QString());
}

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "tst_languagefile.moc"
