#include "shellfixture.h"

#include "app/commands.h"
#include "app/statuspanels.h"
#include "model/addresses.h"
#include "model/datafile.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Everything of the document a failed Open must leave as it was.
struct Document {
    Image image;
    SpareBlock spare;
    QString model, band, file, caption;
    bool changed;
    Document(ShellFixture& f)
        : image(f.all().image), spare(f.all().spare), model(f.all().ModelName),
          band(f.all().BandText), file(f.frame->Files().FileName()),
          caption(f.frame->windowTitle()), changed(f.all().Changed) {}
    bool operator==(const Document&) const = default;
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveNamesTheDocument();
    void saveAsCancelledLeavesNoFileName();
    void failedSaveKeepsTheEditsUnsaved();
    void openTakesModelBandAndRebuildsTheViews();
    void failedOpenChangesNothing_data();
    void failedOpenChangesNothing();
    void unsavedEditsAreOfferedForSaving_data();
    void unsavedEditsAreOfferedForSaving();
};

void FileCommandsTest::saveNamesTheDocument() {
    ShellFixture f;
    f.all().Changed = true;
    const QString typed = f.dir.filePath(QStringLiteral("repeater"));
    f.desktop.saveNames = {typed};
    f.frame->Dispatch(cmd::Save);
    const QString path = typed + QStringLiteral(".dat");
    QCOMPARE(f.desktop.lastFilter, QStringLiteral("Data File(*.dat)"));
    QCOMPARE(readAll(path).size(), datafile::FileSize);
    QCOMPARE(f.frame->Files().FileName(), path);
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904 [%1]").arg(path));
    QVERIFY(!f.all().Changed);

    // a second Save writes the same file without asking
    f.log.clear();
    f.all().image[addr::SquelchLevel] = 3;
    f.frame->Dispatch(cmd::Save);
    QVERIFY(!f.log.contains(QStringLiteral("save-dialog")));
    QCOMPARE(quint8(readAll(path)[datafile::HeaderSize + addr::SquelchLevel]), quint8(3));

    QCOMPARE(TFileCommands::WithDataExtension(QStringLiteral("/x/radio.backup")),
             QStringLiteral("/x/radio.backup"));
    QCOMPARE(TFileCommands::WithDataExtension(QStringLiteral("/x/radio.")),
             QStringLiteral("/x/radio.dat"));
}

void FileCommandsTest::saveAsCancelledLeavesNoFileName() {
    ShellFixture f;
    const QString path = f.dir.filePath(QStringLiteral("first.dat"));
    f.desktop.saveNames = {path};
    f.frame->Dispatch(cmd::Save);
    QCOMPARE(f.frame->Files().FileName(), path);
    f.all().Changed = true;

    f.desktop.saveNames = {QString()};
    f.frame->Dispatch(cmd::SaveAs);
    QCOMPARE(f.frame->Files().FileName(), QString());
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904"));
    QVERIFY(f.all().Changed);
}

void FileCommandsTest::failedSaveKeepsTheEditsUnsaved() {
    ShellFixture f;
    f.all().Changed = true;
    const QString path = f.dir.filePath(QStringLiteral("missing/radio.dat"));
    f.desktop.saveNames = {path};
    f.frame->Dispatch(cmd::Save);
    QVERIFY(f.all().Changed);
    // the name of a file that was never written does not become the document's
    QCOMPARE(f.frame->Files().FileName(), QString());
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904"));
    QCOMPARE(f.messages.texts.size(), 1);
    QVERIFY2(f.messages.texts[0].startsWith(QDir::toNativeSeparators(path) + u'\n'),
             qPrintable(f.messages.texts[0]));
    QVERIFY(f.messages.texts[0].size() > path.size() + 1); // the system's reason follows
    QCOMPARE(f.messages.titles[0], QStringLiteral("Confirmation"));
}

void FileCommandsTest::openTakesModelBandAndRebuildsTheViews() {
    ShellFixture f;
    // a VHF image saved by this program, then a fresh start
    f.frame->ChangeModel(QStringLiteral("K-904(VHF)"), QStringLiteral("134 - 174MHz"));
    f.all().image[addr::channel(1)] = 0x25;
    const QString path = f.dir.filePath(QStringLiteral("vhf.dat"));
    f.desktop.saveNames = {path};
    f.frame->Dispatch(cmd::Save);
    f.Start();
    QCOMPARE(f.all().ModelName, QStringLiteral("K-904(UHF)"));

    f.desktop.openNames = {path};
    f.frame->Dispatch(cmd::Open);
    QCOMPARE(f.desktop.lastFilter, QStringLiteral("Data File(*.dat)"));
    QCOMPARE(f.all().ModelName, QStringLiteral("K-904(VHF)"));
    QCOMPARE(f.all().BandText, QStringLiteral("134 - 174MHz"));
    QCOMPARE(f.all().image[addr::channel(1)], quint8(0x25));
    QCOMPARE(f.frame->Files().FileName(), path);
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904 [%1]").arg(path));
    QCOMPARE(f.frame->StatusPanels()->PanelText(4), QStringLiteral("K-904(VHF)"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(5), QStringLiteral("134 - 174MHz"));
    QVERIFY(f.log.contains(QStringLiteral("create:10")));
    QVERIFY(!f.all().Changed);
    QVERIFY(f.messages.texts.isEmpty());
}

void FileCommandsTest::failedOpenChangesNothing_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no such file") << "missing"
                                  << "No such file or directory";
    QTest::newRow("shorter than a data file") << "short"
                                              << "Not a data file";
    QTest::newRow("model the program does not know") << "model"
                                                     << "Model Type Wrong.";
    QTest::newRow("band digits that are not digits") << "band"
                                                     << "Not a data file";
}

void FileCommandsTest::failedOpenChangesNothing() {
    QFETCH(QString, damage);
    QFETCH(QString, shown);
    ShellFixture f;
    // the document belongs to a file and has unsaved edits
    const QString good = f.dir.filePath(QStringLiteral("good.dat"));
    f.desktop.saveNames = {good};
    f.frame->Dispatch(cmd::Save);
    f.all().image[addr::SquelchLevel] = 7;
    f.all().Changed = true;

    QByteArray bytes = readAll(good);
    const QString bad = f.dir.filePath(QStringLiteral("bad.dat"));
    if (damage == QLatin1String("short")) bytes.truncate(100);
    if (damage == QLatin1String("model")) bytes.replace(1, 4, "ZZZZ");
    if (damage == QLatin1String("band")) bytes[5] = char(0xAB);
    if (damage != QLatin1String("missing")) QVERIFY(writeAll(bad, bytes));

    const Document before(f);
    f.messages.answers = {msgbox::No}; // do not save the edits first
    f.desktop.openNames = {bad};
    f.frame->Dispatch(cmd::Open);

    QVERIFY(Document(f) == before);
    QCOMPARE(f.frame->Files().FileName(), good);
    QCOMPARE(f.messages.texts.size(), 2);
    QCOMPARE(f.messages.texts[0], QStringLiteral("Do you wish to save the changes?"));
    QVERIFY2(f.messages.texts[1].contains(shown), qPrintable(f.messages.texts[1]));
    QVERIFY(f.messages.texts[1].startsWith(QDir::toNativeSeparators(bad)));
}

void FileCommandsTest::unsavedEditsAreOfferedForSaving_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("New, nothing to save") << 1 << false << 0 << QStringList{};
    QTest::newRow("New, edits kept: Yes") << 1 << true << msgbox::Yes << QStringList{"save-dialog"};
    QTest::newRow("New, edits dropped: No") << 1 << true << msgbox::No << QStringList{};
    QTest::newRow("Open, nothing to save") << 2 << false << 0 << QStringList{"open-dialog"};
    QTest::newRow("Open, edits kept: Yes")
        << 2 << true << msgbox::Yes << QStringList{"save-dialog", "open-dialog"};
    QTest::newRow("Open, edits dropped: No")
        << 2 << true << msgbox::No << QStringList{"open-dialog"};
}

void FileCommandsTest::unsavedEditsAreOfferedForSaving() {
    QFETCH(int, tag);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QStringList, dialogs);
    ShellFixture f;
    f.all().Changed = changed;
    f.all().image[addr::SquelchLevel] = 7;
    f.desktop.saveNames = {f.dir.filePath(QStringLiteral("kept.dat"))};
    if (answer) f.messages.answers = {answer};
    f.frame->Dispatch(tag);

    QStringList seen = f.log.filter(QStringLiteral("-dialog"));
    QCOMPARE(seen, dialogs);
    QCOMPARE(f.messages.texts,
             changed ? QStringList{"Do you wish to save the changes?"} : QStringList{});
    QCOMPARE(QFileInfo::exists(f.dir.filePath(QStringLiteral("kept.dat"))), answer == msgbox::Yes);
    if (tag == cmd::New) {
        // a new image: the edit is gone, no file, nothing to save
        QCOMPARE(f.all().image[addr::SquelchLevel], quint8(5));
        QCOMPARE(f.frame->Files().FileName(), QString());
        QVERIFY(!f.all().Changed);
    }
}

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
