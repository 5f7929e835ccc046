#include "linkfixtures.h"
#include "scriptedlink.h"

#include "link/readexchange.h"

#include <QtTest>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The frames of a complete read, in order, for link key `key`.
QList<QByteArray> completeReadFrames(quint8 key) {
    QList<QByteArray> frames{wire::OpeningFrame(key), hex("02"), hex("06")};
    for (int a = 0; a < addr::ImageSize; a += 8)
        frames << wire::ReadRequest(a) << hex("06");
    frames << QByteArray("E");
    return frames;
}

// The identification reply a radio on `key` gives, with model code `code`.
QByteArray identification(quint8 key, const char* code = "T47C") {
    QByteArray reply = QByteArray("P") + code + char(0xF3) + char(wire::SwapNibbles(key));
    reply.append(16 - reply.size(), char(0xFF));
    return reply;
}

} // namespace

class ReadExchangeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void completes_data();
    void completes();
    void handshakeAcknowledgement_data();
    void handshakeAcknowledgement();
    void failures_data();
    void failures();
    void noIdentificationReply_data();
    void noIdentificationReply();
    void portCannotBeOpened();
    void cancelDuringTransfer();
    void restartsOnceAfterLineError();
    void lateBytesAfterRefusalAreIgnored();
};

void ReadExchangeTest::completes_data() {
    QTest::addColumn<int>("bandCode");
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<QString>("bandText");
    QTest::addColumn<bool>("byteByByte");
    QTest::addColumn<bool>("scrambleHeaders");
    QTest::addColumn<bool>("drains");
    QTest::newRow("UHF 400-520, byte by byte") << 0xF3 << "K-904(UHF)"
                                               << "400 - 520MHz" << true << false << true;
    QTest::newRow("VHF 200-260, whole replies") << 0xF1 << "K-904(VHF)"
                                                << "200 - 260MHz" << false << false << true;
    QTest::newRow("VHF 134-174") << 0xF0 << "K-904(VHF)"
                                 << "134 - 174MHz" << true << false << true;
    QTest::newRow("unknown band code 00") << 0x00 << "K-904(UHF)"
                                          << "400 - 520MHz" << true << false << true;
    QTest::newRow("reply headers are anything") << 0xF2 << "K-904(UHF)"
                                                << "320 - 400MHz" << false << true << true;
    QTest::newRow("port never reports drained") << 0xF3 << "K-904(UHF)"
                                                << "400 - 520MHz" << true << false << false;
}

void ReadExchangeTest::completes() {
    QFETCH(int, bandCode);
    QFETCH(QString, modelName);
    QFETCH(QString, bandText);
    QFETCH(bool, byteByByte);
    QFETCH(bool, scrambleHeaders);
    QFETCH(bool, drains);

    TCore core;
    PrepareCore(core);
    core.All.image = RadioImage(0xF3); // the same image as the radio's: still a change
    const TDocument before = TDocument::Of(core);
    const Image radioImage = RadioImage(quint8(bandCode));
    TRadioResponder responder(radioImage, {});
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.byteByByte = byteByByte;
    link.drains = drains;
    const auto radio = RadioOf(responder);
    link.radio = [&](const QByteArray& frame, qint64 now) {
        TScriptedLink::Answer a = radio(frame, now);
        if (scrambleHeaders && a.bytes.size() == 12) a.bytes.replace(0, 4, "\x13\x37\xC0\xDE");
        return a;
    };
    link.Start();
    link.Run();

    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::Completed);
    QCOMPARE(LinkResultText(TLanguage(), *link.result), QStringLiteral("Reading Completed."));
    QCOMPARE(link.result->after, TLinkResult::CloseWindow);
    QCOMPARE(link.frames(), completeReadFrames(0x63)); // COM3
    // the opening frame waits the two start pauses, the identification request 5 ms more
    QCOMPARE(link.sent[0].at, 500);
    QCOMPARE(link.sent[1].at, 505);
    QCOMPARE(link.flushes, QList<qint64>{450});
    QCOMPARE(link.progress.last(), 54);
    QCOMPARE(link.progressTotal, 54);

    TCore expected;
    PrepareCore(expected);
    expected.All.image = radioImage;
    expected.ApplyModel(QStringLiteral("T47C"), quint8(bandCode), true);
    NormaliseImage(expected);
    QCOMPARE(Bytes(core.All.image).toHex(' '), Bytes(expected.All.image).toHex(' '));
    QCOMPARE(core.All.image[addr::SquelchLevel], quint8(5));
    QCOMPARE(core.All.image[addr::BandCode], expected.FrqList.CodeOf(bandText));
    QCOMPARE(core.All.ModelName, modelName);
    QCOMPARE(core.All.BandText, bandText);
    QVERIFY(core.All.Changed);
    QCOMPARE(core.All.spare, before.spare);
    QCOMPARE(core.All.Password, before.password);
}

void ReadExchangeTest::handshakeAcknowledgement_data() {
    QTest::addColumn<QList<QByteArray>>("arrivals");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("06") << QList<QByteArray>{hex("06")} << true;
    QTest::newRow("stray byte, then 06") << QList<QByteArray>{hex("55"), hex("06")} << true;
    QTest::newRow("stray byte and 06 together") << QList<QByteArray>{hex("5506")} << true;
    QTest::newRow("06 as the third byte")
        << QList<QByteArray>{hex("55"), hex("55"), hex("06")} << false;
    QTest::newRow("something else") << QList<QByteArray>{hex("15")} << false;
}

void ReadExchangeTest::handshakeAcknowledgement() {
    QFETCH(QList<QByteArray>, arrivals);
    QFETCH(bool, accepted);
    TCore core;
    PrepareCore(core);
    core.All.PortName = QStringLiteral("COM2");
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.Start();
    link.Run([&] { return !link.sent.isEmpty(); });
    QCOMPARE(link.sent[0].bytes, QByteArray("PROGRAM\x62"));
    for (const QByteArray& a : arrivals)
        link.Deliver(a);
    link.Run([&] { return link.sent.size() > 1 || link.result; });
    if (accepted) {
        QCOMPARE(link.sent.size(), 2);
        QCOMPARE(link.sent[1].bytes, hex("02"));
        // the radio on COM2 proves itself with 0x26
        link.Deliver(identification(0x62));
        QCOMPARE(link.frames().last(), hex("06"));
        QCOMPARE(exchange.CurrentPhase(), TExchange::Phase::Transfer);
    } else {
        QVERIFY(link.result);
        QCOMPARE(link.result->kind, TLinkResult::NoAnswer);
        // no answer within 500 ms, then 2.5 s before the message
        QCOMPARE(link.finishedAt, 500 + 500 + 2500);
        QCOMPARE(link.sent.size(), 1);
    }
}

void ReadExchangeTest::failures_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("endFrame");
    QTest::addColumn<qint64>("finishedAt"); // -1: not checked
    const int close = TLinkResult::CloseWindow;
    const QString comError = TLanguage().ComError;
    QTest::newRow("no handshake acknowledgement")
        << QStringList{"silent"} << int(TLinkResult::NoAnswer) << comError << close << false
        << qint64(500 + 500 + 2500);
    QTest::newRow("unknown model code")
        << QStringList{"model=X99Z"} << int(TLinkResult::ModelRejected) << "Model Type Wrong."
        << int(TLinkResult::StayOpen) << true << qint64(-1);
    QTest::newRow("model code in small letters")
        << QStringList{"model=t47c"} << int(TLinkResult::ModelRejected) << "Model Type Wrong."
        << int(TLinkResult::StayOpen) << true << qint64(-1);
    QTest::newRow("key not echoed") << QStringList{"wrong-key"} << int(TLinkResult::KeyMismatch)
                                    << comError << close << true << qint64(-1);
    QTest::newRow("transfer stalls")
        << QStringList{"stall-after=10"} << int(TLinkResult::TransferTimeout) << comError << close
        << false << qint64(-1);
    QTest::newRow("line errors twice")
        << QStringList{"break-after=3"} << int(TLinkResult::LineFailed) << comError << close
        << false << qint64(-1);
    QTest::newRow("device vanishes")
        << QStringList{"vanish-after=0"} << int(TLinkResult::LineFailed) << comError << close
        << false << qint64(-1);
}

void ReadExchangeTest::failures() {
    QFETCH(QStringList, faults);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(int, after);
    QFETCH(bool, endFrame);
    QFETCH(qint64, finishedAt);

    TRadioFaults f;
    QString error;
    for (const QString& fault : faults)
        QVERIFY2(AddRadioFault(f, fault, error), qPrintable(error));
    TCore core;
    PrepareCore(core);
    const TDocument before = TDocument::Of(core);
    TRadioResponder responder(RadioImage(0xF1), f);
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.radio = RadioOf(responder);
    link.Start();
    link.Run();

    QVERIFY(link.result);
    QCOMPARE(int(link.result->kind), kind);
    QCOMPARE(LinkResultText(TLanguage(), *link.result), message);
    QCOMPARE(int(link.result->after), after);
    QCOMPARE(link.frames().last() == "E", endFrame);
    QCOMPARE(link.count("E"), endFrame ? 1 : 0);
    if (finishedAt >= 0) QCOMPARE(link.finishedAt, finishedAt);
    QVERIFY(TDocument::Of(core) == before);
}

void ReadExchangeTest::noIdentificationReply_data() {
    QTest::addColumn<bool>("drains");
    QTest::addColumn<qint64>("finishedAt");
    // the reply timeout starts once the request has left; a port that never says so
    // holds it back by the longest drain wait, 51 x 20 ms
    QTest::newRow("port reports drained") << true << qint64(505 + 500 + 2500);
    QTest::newRow("port never reports drained") << false << qint64(505 + 1020 + 500 + 2500);
}

void ReadExchangeTest::noIdentificationReply() {
    QFETCH(bool, drains);
    QFETCH(qint64, finishedAt);
    TCore core;
    PrepareCore(core);
    const TDocument before = TDocument::Of(core);
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.drains = drains;
    link.radio = [](const QByteArray& frame, qint64) {
        return TScriptedLink::Answer{frame.startsWith("PROGRAM") ? hex("06") : QByteArray()};
    };
    link.Start();
    link.Run();
    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::NoAnswer);
    QCOMPARE(LinkResultText(TLanguage(), *link.result), TLanguage().ComError);
    QCOMPARE(link.finishedAt, finishedAt);
    QCOMPARE(link.frames(), (QList<QByteArray>{wire::OpeningFrame(0x63), hex("02")}));
    QVERIFY(TDocument::Of(core) == before);
}

void ReadExchangeTest::portCannotBeOpened() {
    TCore core;
    PrepareCore(core);
    const TDocument before = TDocument::Of(core);
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.PortFailed(QStringLiteral("Permission denied"));
    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::PortFailed);
    QCOMPARE(LinkResultText(TLanguage(), *link.result),
             QStringLiteral("Cannot Open Communication Port.\nPermission denied"));
    QCOMPARE(link.result->after, TLinkResult::CloseWindow);
    link.Start();
    link.Run();
    QVERIFY(link.sent.isEmpty());
    QVERIFY(TDocument::Of(core) == before);
}

void ReadExchangeTest::cancelDuringTransfer() {
    TCore core;
    PrepareCore(core);
    const TDocument before = TDocument::Of(core);
    TRadioResponder responder(RadioImage(0xF1), {});
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.radio = RadioOf(responder);
    link.Start();
    link.Run([&] { return link.progress.size() > 10; });
    link.Cancel();
    const int frames = link.sent.size();
    link.Run();
    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::Cancelled);
    QCOMPARE(LinkResultText(TLanguage(), *link.result), QString());
    QCOMPARE(link.sent.size(), frames);
    QCOMPARE(link.count("E"), 0);
    QVERIFY(TDocument::Of(core) == before);
}

void ReadExchangeTest::restartsOnceAfterLineError() {
    TRadioFaults f;
    f.breakAfter = 5;
    f.once = true;
    TCore core;
    PrepareCore(core);
    TRadioResponder responder(RadioImage(0xF3), f);
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.radio = RadioOf(responder);
    link.Start();
    link.Run();

    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::Completed);
    QCOMPARE(link.count(wire::OpeningFrame(0x63)), 2);
    QCOMPARE(link.count("E"), 1);
    // the line error flushes at once; the restart comes 500 ms later and flushes again
    // after its own first pause
    QCOMPARE(link.flushes.size(), 3);
    const qint64 brokeAt = link.flushes[1];
    QCOMPARE(link.flushes[2], brokeAt + 500 + 450);
    const auto second = std::find_if(link.sent.begin() + 1, link.sent.end(),
                                     [](const auto& s) { return s.bytes.startsWith("PROGRAM"); });
    QCOMPARE(second->at, brokeAt + 500 + 450 + 50);
    QCOMPARE(Bytes(core.All.image, 0, 16), Bytes(RadioImage(0xF3), 0, 16));
    QVERIFY(core.All.Changed);
}

void ReadExchangeTest::lateBytesAfterRefusalAreIgnored() {
    TCore core;
    PrepareCore(core);
    TReadExchange exchange(core);
    TScriptedLink link(exchange);
    link.Start();
    link.Run([&] { return !link.sent.isEmpty(); });
    link.Deliver(hex("06"));
    link.Run([&] { return link.sent.size() > 1; });
    link.Deliver(identification(0x63, "X99Z"));
    link.Run();
    QVERIFY(link.result);
    QCOMPARE(link.result->kind, TLinkResult::ModelRejected);
    const int frames = link.sent.size();
    // the radio repeating itself changes nothing: no second end frame, no second message
    link.result.reset();
    link.Deliver(identification(0x63, "X99Z"));
    link.Run();
    QCOMPARE(link.sent.size(), frames);
    QVERIFY(!link.result);
}

QTEST_GUILESS_MAIN(ReadExchangeTest)
#include "tst_readexchange.moc"
