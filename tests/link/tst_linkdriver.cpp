#include "linkfixtures.h"
#include "simradio.h"

#include "link/linkdriver.h"
#include "link/readexchange.h"
#include "link/writeexchange.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

struct Outcome {
    TLinkResult result;
    bool opened = false;
    QList<int> progress;
    int total = 0;
    QByteArray log;
};

// Runs one exchange through a real driver on the port; waits for its result.
Outcome run(std::unique_ptr<TExchange> exchange) {
    TLinkDriver driver(std::move(exchange));
    Outcome outcome;
    QObject::connect(&driver, &TLinkDriver::progress, [&](int done, int total) {
        outcome.progress << done;
        outcome.total = total;
    });
    QObject::connect(&driver, &TLinkDriver::received,
                     [&](const QByteArray& b) { outcome.log += b; });
    QSignalSpy finished(&driver, &TLinkDriver::finished);
    outcome.opened = driver.Open();
    if (outcome.opened) {
        driver.Start();
        finished.wait(15000);
    }
    if (!finished.isEmpty())
        outcome.result = finished.first().first().value<TLinkResult>();
    else
        outcome.result.kind = TLinkResult::Kind(-1);
    return outcome;
}

} // namespace

class LinkDriverTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsEveryByte();
    void writesEveryByte();
    void writesTwiceOnOnePort();
    void readFaults_data();
    void readFaults();
    void writeFaults_data();
    void writeFaults();
    void portCannotBeOpened();
};

void LinkDriverTest::readsEveryByte() {
    const Image radioImage = RadioImage(0xF1);
    TSimRadio sim(radioImage, {});
    QVERIFY(!sim.Path().isEmpty());
    TCore core;
    PrepareCore(core);
    core.All.PortName = sim.Path();
    const Outcome o = run(std::make_unique<TReadExchange>(core));
    QCOMPARE(o.result.kind, TLinkResult::Completed);

    TCore expected;
    PrepareCore(expected);
    expected.All.image = radioImage;
    expected.ApplyModel(QStringLiteral("T47C"), 0xF1, true);
    NormaliseImage(expected);
    QCOMPARE(Bytes(core.All.image).toHex(' '), Bytes(expected.All.image).toHex(' '));
    QCOMPARE(core.All.BandText, QStringLiteral("200 - 260MHz"));
    QVERIFY(core.All.Changed);
    QCOMPARE(o.progress.last(), 54);
    QCOMPARE(o.total, 54);
    // the log holds what came: the handshake's 06 first, 54 twelve-byte blocks among it
    QVERIFY(o.log.startsWith('\x06'));
    QCOMPARE(o.log.size(), 1 + 16 + 1 + 54 * (12 + 1));
}

void LinkDriverTest::writesEveryByte() {
    const Image radioImage = RadioImage(0xF3);
    TSimRadio sim(radioImage, {});
    TCore core;
    PrepareCore(core);
    core.All.image = RadioImage(0xF3);
    for (int a = addr::channel(2); a < addr::channel(3); ++a)
        core.All.image[size_t(a)] = quint8(a);
    core.All.PortName = sim.Path();
    const Outcome o = run(std::make_unique<TWriteExchange>(core));
    QCOMPARE(o.result.kind, TLinkResult::Completed);
    QCOMPARE(o.result.after, TLinkResult::ReadyAgain);
    QCOMPARE(o.progress.last(), 52);
    QTRY_VERIFY(!sim.Dumped().isEmpty());
    const QByteArray dumped = sim.Dumped();
    QCOMPARE(dumped.left(addr::WriteSize).toHex(' '),
             Bytes(core.All.image, 0, addr::WriteSize).toHex(' '));
    QCOMPARE(dumped.mid(addr::WriteSize), Bytes(radioImage, addr::WriteSize, 16));
    QVERIFY(!core.All.Changed);
}

void LinkDriverTest::writesTwiceOnOnePort() {
    TSimRadio sim(RadioImage(0xF3), {});
    TCore core;
    PrepareCore(core);
    core.All.PortName = sim.Path();
    TLinkDriver driver(std::make_unique<TWriteExchange>(core));
    QList<TLinkResult> results;
    // the dealer presses Ok again as soon as the first radio is done
    QObject::connect(&driver, &TLinkDriver::finished, [&](const TLinkResult& r) {
        results << r;
        if (results.size() == 1) driver.Start();
    });
    QVERIFY(driver.Open());
    driver.Start();
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 10000);
    QCOMPARE(results[0].kind, TLinkResult::Completed);
    QCOMPARE(results[1].kind, TLinkResult::Completed);
    QTRY_COMPARE(sim.Dumped(),
                 Bytes(core.All.image, 0, addr::WriteSize) + sim.Dumped().mid(addr::WriteSize));
}

void LinkDriverTest::readFaults_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    const QString comError = TLanguage().ComError;
    QTest::newRow("wrong key") << QStringList{"--fault", "wrong-key"}
                               << int(TLinkResult::KeyMismatch) << comError;
    QTest::newRow("unknown model") << QStringList{"--fault", "model=X99Z"}
                                   << int(TLinkResult::ModelRejected) << "Model Type Wrong.";
    QTest::newRow("model in small letters")
        << QStringList{"--fault", "model=t47c"} << int(TLinkResult::ModelRejected)
        << "Model Type Wrong.";
    QTest::newRow("silent radio") << QStringList{"--fault", "silent"} << int(TLinkResult::NoAnswer)
                                  << comError;
    QTest::newRow("stall after 5 blocks")
        << QStringList{"--fault", "stall-after=5"} << int(TLinkResult::TransferTimeout) << comError;
    QTest::newRow("line break, twice")
        << QStringList{"--fault", "break-after=5"} << int(TLinkResult::LineFailed) << comError;
    // the read starts over once by itself and then succeeds
    QTest::newRow("line break, once") << QStringList{"--fault", "break-after=5", "--once"}
                                      << int(TLinkResult::Completed) << "Reading Completed.";
    // the read starts over once, and then the port is gone
    QTest::newRow("device vanishes")
        << QStringList{"--fault", "vanish-after=5"} << int(TLinkResult::PortFailed)
        << "Cannot Open Communication Port.";
}

void LinkDriverTest::readFaults() {
    QFETCH(QStringList, options);
    QFETCH(int, kind);
    QFETCH(QString, message);
    TSimRadio sim(RadioImage(0xF1), options);
    QVERIFY(!sim.Path().isEmpty());
    TCore core;
    PrepareCore(core);
    core.All.PortName = sim.Path();
    const TDocument before = TDocument::Of(core);
    const Outcome o = run(std::make_unique<TReadExchange>(core));
    QCOMPARE(int(o.result.kind), kind);
    const QString text = LinkResultText(TLanguage(), o.result);
    QVERIFY2(text.startsWith(message), qPrintable(text));
    if (kind == TLinkResult::PortFailed) QVERIFY2(text.contains(u'\n'), qPrintable(text));
    if (kind == TLinkResult::Completed)
        QCOMPARE(core.All.BandText, QStringLiteral("200 - 260MHz"));
    else
        QVERIFY(TDocument::Of(core) == before);
}

void LinkDriverTest::writeFaults_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("after");
    const int close = TLinkResult::CloseWindow;
    const int stay = TLinkResult::StayOpen;
    QTest::newRow("wrong key") << QStringList{"--fault", "wrong-key"}
                               << int(TLinkResult::KeyMismatch) << close;
    QTest::newRow("another model")
        << QStringList{"--fault", "model=X99Z"} << int(TLinkResult::ModelRejected) << close;
    QTest::newRow("stall after 5 blocks")
        << QStringList{"--fault", "stall-after=5"} << int(TLinkResult::TransferTimeout) << close;
    QTest::newRow("line break") << QStringList{"--fault", "break-after=5"}
                                << int(TLinkResult::LineFailed) << stay;
    QTest::newRow("device vanishes")
        << QStringList{"--fault", "vanish-after=5"} << int(TLinkResult::LineFailed) << stay;
}

void LinkDriverTest::writeFaults() {
    QFETCH(QStringList, options);
    QFETCH(int, kind);
    QFETCH(int, after);
    TSimRadio sim(RadioImage(0xF3), options);
    TCore core;
    PrepareCore(core);
    core.All.PortName = sim.Path();
    const Outcome o = run(std::make_unique<TWriteExchange>(core));
    QCOMPARE(int(o.result.kind), kind);
    QCOMPARE(int(o.result.after), after);
    QCOMPARE(LinkResultText(TLanguage(), o.result),
             kind == TLinkResult::ModelRejected ? TLanguage().ModError : TLanguage().ComError);
}

void LinkDriverTest::portCannotBeOpened() {
    TCore core;
    PrepareCore(core);
    const TDocument before = TDocument::Of(core);
    core.All.PortName = QStringLiteral("/dev/k904-no-such-port");
    const Outcome o = run(std::make_unique<TReadExchange>(core));
    QVERIFY(!o.opened);
    QCOMPARE(o.result.kind, TLinkResult::PortFailed);
    const QString text = LinkResultText(TLanguage(), o.result);
    QVERIFY2(text.startsWith(QStringLiteral("Cannot Open Communication Port.\n")),
             qPrintable(text));
    QVERIFY2(text.size() > 33, qPrintable(text));
    QVERIFY(TDocument::Of(core) == before);
}

QTEST_GUILESS_MAIN(LinkDriverTest)
#include "tst_linkdriver.moc"
