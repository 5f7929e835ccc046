#include "linkfixtures.h"
#include "scriptedlink.h"

#include "link/writeexchange.h"
#include "model/valuecodecs.h"

#include <QtTest>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

const QDateTime kPressed(QDate(2025, 6, 7), QTime(8, 9, 10));

// A write time clock that follows the exchange's virtual clock.
std::function<QDateTime()> clockOf(const TScriptedLink& link) {
    return [&link] { return kPressed.addMSecs(link.now); };
}

QString writeTimeOf(const Image& image) {
    return BytesToDateTime(std::span(image).subspan(addr::WriteTime, addr::DateTimeFieldSize));
}

} // namespace

class WriteExchangeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void completes_data();
    void completes();
    void writesAgain();
    void failures_data();
    void failures();
    void portCannotBeOpened();
    void cancelDuringTransfer();
};

void WriteExchangeTest::completes_data() {
    QTest::addColumn<int>("documentBand");
    QTest::addColumn<int>("radioBand");
    QTest::addColumn<bool>("changed");
    QTest::newRow("UHF to UHF") << 0xF3 << 0xF3 << false;
    QTest::newRow("VHF image to a UHF radio") << 0xF0 << 0xF3 << true;
}

void WriteExchangeTest::completes() {
    QFETCH(int, documentBand);
    QFETCH(int, radioBand);
    QFETCH(bool, changed);

    TCore core;
    PrepareCore(core);
    core.All.image = RadioImage(quint8(documentBand));
    core.ApplyModel(QStringLiteral("T47C"), quint8(documentBand), true);
    core.All.image[addr::ModelCode] = 'X'; // the stamp puts the model code back
    core.All.Changed = changed;
    const Image radioBefore = RadioImage(quint8(radioBand));
    TRadioResponder responder(radioBefore, {});
    TWriteExchange exchange(core);
    TScriptedLink link(exchange);
    exchange.SetClock(clockOf(link));
    link.radio = RadioOf(responder);
    link.Start();
    link.Run();

    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::Completed);
    QCOMPARE(LinkResultText(TLanguage(), *link.result), QStringLiteral("Writing Completed."));
    QCOMPARE(link.result->after, TLinkResult::ReadyAgain);

    const Image& image = core.All.image;
    QCOMPARE(Bytes(image, addr::ModelMarker, 8),
             QByteArray("PT47C") + char(documentBand) + QByteArray(2, 0));
    // the write time is when the radio was accepted (after the ident request at 505 ms)
    QCOMPARE(writeTimeOf(image), DateTimeText(kPressed.addMSecs(505)));

    QList<QByteArray> expected{wire::OpeningFrame(0x63), hex("02"), hex("06")};
    for (int a = 0; a < addr::WriteSize; a += 8)
        expected << wire::WriteFrame(a, image.data() + a);
    expected << QByteArray("E");
    QCOMPARE(link.frames(), expected);
    QCOMPARE(link.frames()[link.sent.size() - 2].mid(1, 2), hex("0198"));
    QCOMPARE(link.progress.last(), 52);
    QCOMPARE(link.progressTotal, 52);

    // the radio holds the document's 416 bytes and keeps its own leave-factory time
    QCOMPARE(Bytes(responder.image(), 0, addr::WriteSize).toHex(' '),
             Bytes(image, 0, addr::WriteSize).toHex(' '));
    QCOMPARE(Bytes(responder.image(), addr::WriteSize, 16),
             Bytes(radioBefore, addr::WriteSize, 16));
    QCOMPARE(core.All.Changed, changed);
}

void WriteExchangeTest::writesAgain() {
    TCore core;
    PrepareCore(core);
    TRadioResponder responder(RadioImage(0xF3), {});
    TWriteExchange exchange(core);
    TScriptedLink link(exchange);
    exchange.SetClock(clockOf(link));
    link.radio = RadioOf(responder);
    link.Start();
    link.Run();
    QCOMPARE(link.result->kind, TLinkResult::Completed);
    const QString firstTime = writeTimeOf(core.All.image);

    link.now += 60000; // the dealer connects the next radio
    link.result.reset();
    const qint64 pressedAt = link.now;
    link.Start();
    link.Run();
    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::Completed);
    QCOMPARE(link.count(wire::OpeningFrame(0x63)), 2);
    QCOMPARE(link.count("E"), 2);
    QCOMPARE(responder.exchanges(), 2);
    QCOMPARE(writeTimeOf(core.All.image), DateTimeText(kPressed.addMSecs(pressedAt + 505)));
    QVERIFY(writeTimeOf(core.All.image) != firstTime);
    QCOMPARE(Bytes(responder.image(), 0, addr::WriteSize),
             Bytes(core.All.image, 0, addr::WriteSize));
}

void WriteExchangeTest::failures_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("endFrame");
    QTest::addColumn<bool>("timeStamped");
    QTest::addColumn<qint64>("finishedAt"); // -1: not checked
    const int close = TLinkResult::CloseWindow;
    const QString comError = TLanguage().ComError;
    QTest::newRow("no handshake acknowledgement")
        << QStringList{"silent"} << int(TLinkResult::NoAnswer) << comError << close << false
        << false << qint64(500 + 500 + 2500);
    QTest::newRow("another model code")
        << QStringList{"model=X99Z"} << int(TLinkResult::ModelRejected) << "Model Type Wrong."
        << close << true << false << qint64(-1);
    QTest::newRow("model code in small letters")
        << QStringList{"model=t47c"} << int(TLinkResult::ModelRejected) << "Model Type Wrong."
        << close << true << false << qint64(-1);
    QTest::newRow("key not echoed") << QStringList{"wrong-key"} << int(TLinkResult::KeyMismatch)
                                    << comError << close << false << false << qint64(-1);
    QTest::newRow("transfer stalls")
        << QStringList{"stall-after=10"} << int(TLinkResult::TransferTimeout) << comError << close
        << false << true << qint64(-1);
    QTest::newRow("line break") << QStringList{"break-after=3"} << int(TLinkResult::LineFailed)
                                << comError << int(TLinkResult::StayOpen) << false << true
                                << qint64(-1);
    QTest::newRow("device vanishes")
        << QStringList{"vanish-after=20"} << int(TLinkResult::LineFailed) << comError
        << int(TLinkResult::StayOpen) << false << true << qint64(-1);
}

void WriteExchangeTest::failures() {
    QFETCH(QStringList, faults);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(int, after);
    QFETCH(bool, endFrame);
    QFETCH(bool, timeStamped);
    QFETCH(qint64, finishedAt);

    TRadioFaults f;
    QString error;
    for (const QString& fault : faults)
        QVERIFY2(AddRadioFault(f, fault, error), qPrintable(error));
    TCore core;
    PrepareCore(core);
    const QString timeBefore = writeTimeOf(core.All.image);
    TRadioResponder responder(RadioImage(0xF3), f);
    TWriteExchange exchange(core);
    TScriptedLink link(exchange);
    exchange.SetClock(clockOf(link));
    link.radio = RadioOf(responder);
    link.Start();
    link.Run();

    QVERIFY(link.result);
    QCOMPARE(int(link.result->kind), kind);
    QCOMPARE(LinkResultText(TLanguage(), *link.result), message);
    QCOMPARE(int(link.result->after), after);
    QCOMPARE(link.count("E"), endFrame ? 1 : 0);
    if (finishedAt >= 0) QCOMPARE(link.finishedAt, finishedAt);
    // a failure once the radio was accepted leaves the new write time in the document
    QCOMPARE(writeTimeOf(core.All.image) != timeBefore, timeStamped);
    QVERIFY(!core.All.Changed);
    // nothing is sent once the write has failed
    const int frames = link.sent.size();
    link.Run();
    QCOMPARE(link.sent.size(), frames);
}

void WriteExchangeTest::portCannotBeOpened() {
    TCore core;
    PrepareCore(core);
    TWriteExchange exchange(core);
    TScriptedLink link(exchange);
    link.PortFailed(QStringLiteral("No such file or directory"));
    QVERIFY(link.result);
    QCOMPARE(LinkResultText(TLanguage(), *link.result),
             QStringLiteral("Cannot Open Communication Port.\nNo such file or directory"));
    QCOMPARE(link.result->after, TLinkResult::CloseWindow);
}

void WriteExchangeTest::cancelDuringTransfer() {
    TCore core;
    PrepareCore(core);
    TRadioResponder responder(RadioImage(0xF3), {});
    TWriteExchange exchange(core);
    TScriptedLink link(exchange);
    link.radio = RadioOf(responder);
    link.Start();
    link.Run([&] { return link.progress.size() > 20; });
    link.Cancel();
    const int frames = link.sent.size();
    link.Run();
    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::Cancelled);
    QCOMPARE(LinkResultText(TLanguage(), *link.result), QString());
    QCOMPARE(link.sent.size(), frames);
    QCOMPARE(link.count("E"), 0);
}

QTEST_GUILESS_MAIN(WriteExchangeTest)
#include "tst_writeexchange.moc"
