#include "model/core.h"

#include <QtTest>

class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startUpValues();
    void findByCodeAndBand_data();
    void findByCodeAndBand();
    void bandCodes();
    void channelCountOf_caseMatters();
    void applyModel_data();
    void applyModel();
    void applyModel_withoutBandKeepsLimits();
    void applyModel_unknownCodeStillAppliesBand();
    void applyFirstModel();

private:
    std::unique_ptr<TCore> core;
};

void CatalogueTest::init() {
    core = std::make_unique<TCore>();
    core->StartUp(QStringLiteral("/opt/k904/"));
}

void CatalogueTest::startUpValues() {
    QCOMPARE(core->All.AppTitle, QStringLiteral("K-904"));
    QCOMPARE(core->All.BaudRate, 9600u);
    QCOMPARE(core->All.CurrentChannel, 1);
    QCOMPARE(core->All.ReceiveInhibit, false);
    QCOMPARE(core->All.FactoryMode, false);
    QCOMPARE(core->All.ProgramDir, QStringLiteral("/opt/k904/"));
    QCOMPARE(core->MacList.Count(), 2);
    QCOMPARE(core->MacList.Item(0)->Name, QStringLiteral("K-904(UHF)"));
    QCOMPARE(core->MacList.Item(1)->Name, QStringLiteral("K-904(VHF)"));
    QCOMPARE(core->MacList.Item(2), nullptr);
    QStringList names{QStringLiteral("stale")};
    core->MacList.FillNames(names);
    QCOMPARE(names, QStringList({"K-904(UHF)", "K-904(VHF)"}));
    QCOMPARE(core->MacList.FindByName(QStringLiteral("K-904(VHF)")), core->MacList.Item(1));
    QCOMPARE(core->MacList.FindByName(QStringLiteral("K-904")), nullptr);
    QVERIFY(std::all_of(core->All.image.begin(), core->All.image.end(),
                        [](quint8 b) { return b == 0; }));
}

void CatalogueTest::findByCodeAndBand_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("entry"); // -1 = none
    QTest::newRow("VHF low") << "T47C"
                             << "134 - 174MHz" << 1;
    QTest::newRow("VHF high") << "T47C"
                              << "200 - 260MHz" << 1;
    QTest::newRow("UHF low") << "T47C"
                             << "320 - 400MHz" << 0;
    QTest::newRow("UHF high") << "T47C"
                              << "400 - 520MHz" << 0;
    QTest::newRow("band without blanks") << "T47C"
                                         << "134-174MHz" << -1;
    QTest::newRow("unknown code") << "T47D"
                                  << "400 - 520MHz" << -1;
}

void CatalogueTest::findByCodeAndBand() {
    QFETCH(QString, code);
    QFETCH(QString, band);
    QFETCH(int, entry);
    const TMacType* found = core->MacList.FindByCodeAndBand(code, band);
    QCOMPARE(found, entry < 0 ? nullptr : core->MacList.Item(entry));
}

void CatalogueTest::bandCodes() {
    QCOMPARE(int(core->FrqList.CodeOf(QStringLiteral("200 - 260MHz"))), 0xF1);
    QCOMPARE(int(core->FrqList.CodeOf(QString())), 0xF0);
    QCOMPARE(core->FrqList.TextOf(0xF2), QStringLiteral("320 - 400MHz"));
    QCOMPARE(core->FrqList.TextOf(0x12), QStringLiteral("400 - 520MHz"));
}

void CatalogueTest::channelCountOf_caseMatters() {
    QCOMPARE(core->MacList.ChannelCountOf(QStringLiteral("T47C")), 16);
    QCOMPARE(core->MacList.ChannelCountOf(QStringLiteral("t47c")), 0);
    QCOMPARE(core->MacList.ChannelCountOf(QStringLiteral("T47C ")), 0);
}

void CatalogueTest::applyModel_data() {
    QTest::addColumn<int>("bandCode");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("band");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::newRow("F0") << 0xF0 << "K-904(VHF)"
                        << "134 - 174MHz" << 134.0 << 174.0;
    QTest::newRow("F1") << 0xF1 << "K-904(VHF)"
                        << "200 - 260MHz" << 200.0 << 260.0;
    QTest::newRow("F2") << 0xF2 << "K-904(UHF)"
                        << "320 - 400MHz" << 320.0 << 400.0;
    QTest::newRow("F3") << 0xF3 << "K-904(UHF)"
                        << "400 - 520MHz" << 400.0 << 520.0;
    QTest::newRow("unknown band code") << 0x00 << "K-904(UHF)"
                                       << "400 - 520MHz" << 400.0 << 520.0;
}

void CatalogueTest::applyModel() {
    QFETCH(int, bandCode);
    QFETCH(QString, model);
    QFETCH(QString, band);
    QFETCH(double, lower);
    QFETCH(double, upper);
    core->ApplyModel(QStringLiteral("T47C"), quint8(bandCode), true);
    QCOMPARE(core->All.ModelName, model);
    QCOMPARE(core->All.ModelCode, QStringLiteral("T47C"));
    QCOMPARE(core->All.ChannelCount, 16);
    QCOMPARE(core->All.BandText, band);
    QCOMPARE(core->All.BandLower, lower);
    QCOMPARE(core->All.BandUpper, upper);
}

void CatalogueTest::applyModel_withoutBandKeepsLimits() {
    core->All.BandLower = 1.0;
    core->All.BandUpper = 2.0;
    core->ApplyModel(QStringLiteral("T47C"), 0xF1, false);
    QCOMPARE(core->All.ModelName, QStringLiteral("K-904(VHF)"));
    QCOMPARE(core->All.BandText, QStringLiteral("134 - 174MHz")); // the entry's default band
    QCOMPARE(core->All.BandLower, 1.0);
    QCOMPARE(core->All.BandUpper, 2.0);
}

void CatalogueTest::applyModel_unknownCodeStillAppliesBand() {
    core->ApplyModel(QStringLiteral("T47C"), 0xF3, true);
    core->ApplyModel(QStringLiteral("XXXX"), 0xF0, true);
    QCOMPARE(core->All.ModelName, QStringLiteral("K-904(UHF)"));
    QCOMPARE(core->All.ModelCode, QStringLiteral("T47C"));
    QCOMPARE(core->All.BandText, QStringLiteral("134 - 174MHz"));
    QCOMPARE(core->All.BandLower, 134.0);
}

void CatalogueTest::applyFirstModel() {
    core->ApplyFirstModel();
    QCOMPARE(core->All.ModelName, QStringLiteral("K-904(UHF)"));
    QCOMPARE(core->All.BandText, QStringLiteral("400 - 520MHz"));
    QCOMPARE(core->All.BandLower, 400.0);
    QCOMPARE(core->All.BandUpper, 520.0);
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
