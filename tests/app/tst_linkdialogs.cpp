// The read and write windows as the main window runs them, against the virtual radio on a
// pseudo-terminal: the user presses Ok and Cancel, message boxes are answered by script.

#include "shellfixture.h"

#include "../link/linkfixtures.h"
#include "../link/simradio.h"

#include "app/commands.h"
#include "app/statuspanels.h"
#include "i18n/inifile.h"
#include "link/protocol.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kReadOk = QStringLiteral("Reading Completed.");
const QString kWriteOk = QStringLiteral("Writing Completed.");
const QString kComError =
    QStringLiteral("Please check all connections and communication port settings.");
const QString kModError = QStringLiteral("Model Type Wrong.");
const QString kPortError = QStringLiteral("Cannot Open Communication Port.");

QPushButton* button(QDialog& d, const char* name) {
    return d.findChild<QPushButton*>(QLatin1String(name));
}

QProgressBar* bar(QDialog& d) {
    return d.findChild<QProgressBar*>(QStringLiteral("pBar"));
}

// What the test saw of the window before it went away.
struct Seen {
    QString name;
    bool closedItself = false;
    int result = -1;
    bool okEnabled = false;
    int barValue = -1;
    int barMaximum = -1;
    QString log; // the read's hidden hex log
};

using Script = std::function<void(QDialog&)>;

// The main window's next dialog runs `script` as the user; a window the script leaves
// open is closed with Cancel, as the user would.
void playUser(ShellFixture& f, Seen& seen, Script script) {
    f.desktop.runDialog = [&seen, script](QDialog& d) {
        seen.name = d.objectName();
        d.show();
        script(d);
        seen.closedItself = !d.isVisible();
        seen.okEnabled = button(d, "btnOk")->isEnabled();
        seen.barValue = bar(d)->value();
        seen.barMaximum = bar(d)->maximum();
        if (auto* mr = d.findChild<QPlainTextEdit*>(QStringLiteral("mr")))
            seen.log = mr->toPlainText();
        if (d.isVisible()) QTest::mouseClick(button(d, "btnCancel"), Qt::LeftButton);
        seen.result = d.result();
        return d.result();
    };
}

// Ok can be pressed once the port is open.
bool pressOk(QDialog& d) {
    QPushButton* ok = button(d, "btnOk");
    if (!QTest::qWaitFor([ok] { return ok->isEnabled(); }, 5000)) return false;
    QTest::mouseClick(ok, Qt::LeftButton);
    return true;
}

bool closes(QDialog& d) {
    return QTest::qWaitFor([&d] { return !d.isVisible(); }, 15000);
}

bool messagesShown(ShellFixture& f, int count) {
    return QTest::qWaitFor([&f, count] { return f.messages.texts.size() >= count; }, 15000);
}

// The window has had time to close itself, and has not.
bool staysOpen(QDialog& d) {
    QTest::qWait(linktime::CloseDelay * 2);
    return d.isVisible();
}

// The fixture's document with a file name, so that a read can be seen to clear it.
QString saveDocument(ShellFixture& f) {
    const QString path = f.dir.filePath(QStringLiteral("before.dat"));
    f.desktop.saveNames = {path};
    f.frame->Files().Save();
    f.log.clear();
    return path;
}

} // namespace

class LinkDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readCompletes_data();
    void readCompletes();
    void failedReadLeavesTheDocument_data();
    void failedReadLeavesTheDocument();
    void cancelDuringTheRead();
    void writesTwiceInOneWindow();
    void failedWrite_data();
    void failedWrite();
    void portCannotBeOpened_data();
    void portCannotBeOpened();
    void dialogsTranslateThemselves_data();
    void dialogsTranslateThemselves();
};

void LinkDialogsTest::readCompletes_data() {
    QTest::addColumn<QStringList>("options");
    QTest::newRow("a radio that answers") << QStringList{};
    // the first line break starts the read over, half a second later, without a word
    QTest::newRow("one line break") << QStringList{"--fault", "break-after=5", "--once"};
}

void LinkDialogsTest::readCompletes() {
    QFETCH(QStringList, options);
    const Image radioImage = RadioImage(0xF1);
    TSimRadio sim(radioImage, options);
    QVERIFY(!sim.Path().isEmpty());
    ShellFixture f;
    f.all().PortName = sim.Path();
    saveDocument(f);
    QVERIFY(!f.all().Changed);

    Seen seen;
    bool barFullAtMessage = false;
    f.messages.whenShown = [&](const QString&) {
        auto* read = f.frame->findChild<QDialog*>(QStringLiteral("fReadRadio"));
        barFullAtMessage = read && bar(*read)->value() == bar(*read)->maximum();
    };
    playUser(f, seen, [](QDialog& d) {
        if (pressOk(d)) closes(d);
    });
    QTest::keyClick(f.frame.get(), Qt::Key_R, Qt::ControlModifier);

    QCOMPARE(seen.name, QStringLiteral("fReadRadio"));
    QCOMPARE(f.messages.texts, QStringList{kReadOk});
    QCOMPARE(f.messages.titles, QStringList{"Confirmation"});
    QVERIFY(barFullAtMessage);
    QVERIFY(seen.closedItself);
    QCOMPARE(seen.result, int(QDialog::Accepted));
    QCOMPARE(seen.barMaximum, 54);
    // the hidden log holds what the radio sent, the handshake's acknowledgement first
    QVERIFY2(seen.log.startsWith(QStringLiteral("06 ")), qPrintable(seen.log.left(40)));

    // the radio's image, as the program repairs it, with the model and band it reported
    TCore expected;
    PrepareCore(expected);
    expected.All.image = radioImage;
    expected.ApplyModel(QStringLiteral("T47C"), 0xF1, true);
    NormaliseImage(expected);
    QCOMPARE(Bytes(f.all().image).toHex(' '), Bytes(expected.All.image).toHex(' '));
    QCOMPARE(f.all().ModelName, QStringLiteral("K-904(VHF)"));
    QCOMPARE(f.all().BandText, QStringLiteral("200 - 260MHz"));
    QVERIFY(f.all().Changed);

    // the document no longer belongs to the file, and every view shows the new image
    QCOMPARE(f.frame->Files().FileName(), QString());
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(4), QStringLiteral("K-904(VHF)"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(5), QStringLiteral("200 - 260MHz"));
    QVERIFY(f.log.contains(QStringLiteral("create:10")));
}

void LinkDialogsTest::failedReadLeavesTheDocument_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("closesItself");
    QTest::newRow("wrong key") << QStringList{"--fault", "wrong-key"} << kComError << true;
    // the user reads the message and closes the window; Ok stays off
    QTest::newRow("unknown model") << QStringList{"--fault", "model=X99Z"} << kModError << false;
    QTest::newRow("silent radio") << QStringList{"--fault", "silent"} << kComError << true;
    QTest::newRow("stall after 5 blocks")
        << QStringList{"--fault", "stall-after=5"} << kComError << true;
    QTest::newRow("line break, twice")
        << QStringList{"--fault", "break-after=5"} << kComError << true;
    // the read starts over after the line fails, and then the port is gone
    QTest::newRow("device vanishes")
        << QStringList{"--fault", "vanish-after=5"} << kPortError + u'\n' << true;
}

void LinkDialogsTest::failedReadLeavesTheDocument() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QFETCH(bool, closesItself);
    TSimRadio sim(RadioImage(0xF1), options);
    QVERIFY(!sim.Path().isEmpty());
    ShellFixture f;
    f.all().PortName = sim.Path();
    const QString file = saveDocument(f);
    f.all().Changed = true; // unsaved edits a failed read must not lose
    const TDocument before = TDocument::Of(f.db->Core);

    Seen seen;
    bool stayedOpen = false;
    playUser(f, seen, [&](QDialog& d) {
        if (!pressOk(d) || !messagesShown(f, 1)) return;
        if (closesItself)
            closes(d);
        else
            stayedOpen = staysOpen(d);
    });
    f.frame->Dispatch(cmd::ReadFromRadio);

    QCOMPARE(f.messages.texts.size(), 1);
    QVERIFY2(f.messages.texts.first().startsWith(message), qPrintable(f.messages.texts.first()));
    QCOMPARE(f.messages.titles, QStringList{"Confirmation"});
    QCOMPARE(seen.closedItself, closesItself);
    QCOMPARE(stayedOpen, !closesItself);
    QVERIFY(!seen.okEnabled);
    QCOMPARE(seen.result, int(QDialog::Rejected));
    QVERIFY(TDocument::Of(f.db->Core) == before);
    QCOMPARE(f.frame->Files().FileName(), file);
    QVERIFY(!f.log.contains(QStringLiteral("create:10")));
}

void LinkDialogsTest::cancelDuringTheRead() {
    TSimRadio sim(RadioImage(0xF1), {});
    ShellFixture f;
    f.all().PortName = sim.Path();
    const QString file = saveDocument(f);
    const TDocument before = TDocument::Of(f.db->Core);

    Seen seen;
    playUser(f, seen, [](QDialog& d) {
        QPushButton* cancel = button(d, "btnCancel");
        // the user presses Cancel as the fifth block comes in
        QObject::connect(bar(d), &QProgressBar::valueChanged, &d, [cancel](int value) {
            if (value == 5) QTimer::singleShot(0, cancel, [cancel] { cancel->click(); });
        });
        if (pressOk(d)) closes(d);
    });
    f.frame->Dispatch(cmd::ReadFromRadio);
    // stopped on the way
    QVERIFY2(seen.barValue >= 5 && seen.barValue < 54, qPrintable(QString::number(seen.barValue)));
    QCOMPARE(seen.result, int(QDialog::Rejected));
    QCOMPARE(f.messages.texts, QStringList{});
    QVERIFY(TDocument::Of(f.db->Core) == before);
    QCOMPARE(f.frame->Files().FileName(), file);
    QVERIFY(!f.log.contains(QStringLiteral("create:10")));

    // the port was given back: the next read gets the whole image
    playUser(f, seen, [](QDialog& d) {
        if (pressOk(d)) closes(d);
    });
    f.frame->Dispatch(cmd::ReadFromRadio);
    QCOMPARE(f.messages.texts, QStringList{kReadOk});
    QCOMPARE(f.all().BandText, QStringLiteral("200 - 260MHz"));
}

void LinkDialogsTest::writesTwiceInOneWindow() {
    TSimRadio sim(RadioImage(0xF3), {});
    ShellFixture f;
    f.all().PortName = sim.Path();
    for (int a = addr::channel(2); a < addr::channel(3); ++a)
        f.all().image[size_t(a)] = quint8(a);
    const QString file = saveDocument(f);

    Seen seen;
    QList<bool> readyAgain;
    QList<bool> radioHoldsIt;
    playUser(f, seen, [&](QDialog& d) {
        for (int run = 1; run <= 2; ++run) {
            if (!pressOk(d) || !messagesShown(f, run)) return;
            // after each radio: Ok ready for the next, the bar back at the start
            readyAgain << (d.isVisible() && button(d, "btnOk")->isEnabled() &&
                           bar(d)->value() == 0);
            // the document's bytes up to the write time just stamped in it
            const QByteArray sent = Bytes(f.all().image, 0, addr::WriteSize);
            radioHoldsIt << QTest::qWaitFor(
                [&] { return sim.Dumped().left(addr::WriteSize) == sent; }, 5000);
        }
    });
    QTest::keyClick(f.frame.get(), Qt::Key_W, Qt::ControlModifier);

    QCOMPARE(seen.name, QStringLiteral("fWriteRadio"));
    QCOMPARE(f.messages.texts, (QStringList{kWriteOk, kWriteOk}));
    QCOMPARE(readyAgain, (QList<bool>{true, true}));
    QCOMPARE(radioHoldsIt, (QList<bool>{true, true}));
    QCOMPARE(seen.barMaximum, 52);
    QVERIFY(!seen.closedItself);
    // the leave-factory time is never sent: the radio keeps its own
    QCOMPARE(sim.Dumped().mid(addr::WriteSize), Bytes(RadioImage(0xF3), addr::WriteSize, 16));
    // writing leaves the document's file and its saved state alone
    QVERIFY(!f.all().Changed);
    QCOMPARE(f.frame->Files().FileName(), file);
    QVERIFY(!f.log.contains(QStringLiteral("create:10")));
}

void LinkDialogsTest::failedWrite_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("closesItself");
    QTest::addColumn<bool>("okAtMessage");
    QTest::newRow("wrong key") << QStringList{"--fault", "wrong-key"} << kComError << true << false;
    QTest::newRow("another model")
        << QStringList{"--fault", "model=X99Z"} << kModError << true << false;
    // Ok is back before the window closes itself
    QTest::newRow("stall after 5 blocks")
        << QStringList{"--fault", "stall-after=5"} << kComError << true << true;
    // the port may be gone: the user closes the window
    QTest::newRow("line break") << QStringList{"--fault", "break-after=5"} << kComError << false
                                << false;
    QTest::newRow("device vanishes")
        << QStringList{"--fault", "vanish-after=5"} << kComError << false << false;
}

void LinkDialogsTest::failedWrite() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QFETCH(bool, closesItself);
    QFETCH(bool, okAtMessage);
    TSimRadio sim(RadioImage(0xF3), options);
    ShellFixture f;
    f.all().PortName = sim.Path();

    Seen seen;
    bool stayedOpen = false;
    bool okWhenShown = false;
    f.messages.whenShown = [&](const QString&) {
        auto* write = f.frame->findChild<QDialog*>(QStringLiteral("fWriteRadio"));
        okWhenShown = write && button(*write, "btnOk")->isEnabled();
    };
    playUser(f, seen, [&](QDialog& d) {
        if (!pressOk(d) || !messagesShown(f, 1)) return;
        if (closesItself)
            closes(d);
        else
            stayedOpen = staysOpen(d);
    });
    f.frame->Dispatch(cmd::WriteToRadio);

    QCOMPARE(f.messages.texts, QStringList{message});
    QCOMPARE(okWhenShown, okAtMessage);
    QCOMPARE(seen.closedItself, closesItself);
    QCOMPARE(stayedOpen, !closesItself);
    if (!closesItself) QVERIFY(!seen.okEnabled);
    QVERIFY(!f.all().Changed);
}

void LinkDialogsTest::portCannotBeOpened_data() {
    QTest::addColumn<int>("tag");
    QTest::newRow("read") << int(cmd::ReadFromRadio);
    QTest::newRow("write") << int(cmd::WriteToRadio);
}

void LinkDialogsTest::portCannotBeOpened() {
    QFETCH(int, tag);
    ShellFixture f;
    f.all().PortName = f.dir.filePath(QStringLiteral("no-such-port"));
    f.all().Changed = true;
    const TDocument before = TDocument::Of(f.db->Core);
    Seen seen;
    playUser(f, seen, [](QDialog& d) { closes(d); });
    f.frame->Dispatch(tag);

    QCOMPARE(f.messages.texts.size(), 1);
    // the program's message, and the system's reason beneath it
    const QStringList lines = f.messages.texts.first().split(u'\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], kPortError);
    QVERIFY(!lines[1].trimmed().isEmpty());
    QVERIFY(seen.closedItself);
    QVERIFY(!seen.okEnabled);
    QVERIFY(TDocument::Of(f.db->Core) == before);
}

void LinkDialogsTest::dialogsTranslateThemselves_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("section");
    QTest::newRow("read") << int(cmd::ReadFromRadio) << "fReadRadio";
    QTest::newRow("write") << int(cmd::WriteToRadio) << "fWriteRadio";
    QTest::newRow("port") << int(cmd::CommunicationPort) << "fSetPort";
}

void LinkDialogsTest::dialogsTranslateThemselves() {
    QFETCH(int, tag);
    QFETCH(QString, section);
    ShellFixture f;
    f.all().PortName = f.dir.filePath(QStringLiteral("no-such-port"));
    f.all().LanguageName = QStringLiteral("Chinese");
    f.all().LanguageIndex = 1;
    QStringList shown;
    f.desktop.runDialog = [&shown](QDialog& d) {
        d.show();
        shown << d.windowTitle() << button(d, "btnOk")->text() << button(d, "btnCancel")->text();
        d.reject();
        return int(QDialog::Rejected);
    };
    f.frame->Dispatch(tag);
    const TIniFile chinese(f.programDir() + QStringLiteral("Chinese.Ini"));
    const QStringList expected{
        chinese.ReadString(section, section + QStringLiteral(".Caption"), {}),
        chinese.ReadString(section, QStringLiteral("btnOk.Caption"), {}),
        chinese.ReadString(section, QStringLiteral("btnCancel.Caption"), {})};
    QVERIFY(!expected.contains(QString()));
    QCOMPARE(shown, expected);
}

QTEST_MAIN(LinkDialogsTest)
#include "tst_linkdialogs.moc"
