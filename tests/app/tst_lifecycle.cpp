#include "shellfixture.h"

#include "app/commands.h"
#include "app/navtree.h"
#include "app/statuspanels.h"
#include "i18n/inifile.h"
#include "model/valuecodecs.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString kSection = QStringLiteral("SysInfo");

// Picks the second language in the language dialog and confirms.
int chooseSecondLanguage(QDialog& dialog) {
    dialog.show();
    dialog.findChild<QComboBox*>(QStringLiteral("cbLanguage"))->setCurrentIndex(1);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
    return dialog.result();
}

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closeSequence_data();
    void closeSequence();
    void newcomerStartsInEnglishAndWritesTheConfiguration();
    void languageChange();
    void languageChangeToTheSameLanguageDoesNothing();
    void startsInTheConfiguredLanguage();
    void commaDecimalRegionStillShowsPoints();
};

void LifecycleTest::closeSequence_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("saveName");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("fileWritten");
    const QString exit = QStringLiteral("Do you wish to exit program?");
    const QString save = QStringLiteral("Do you wish to save the changes?");
    const int Y = msgbox::Yes, N = msgbox::No;
    QTest::newRow("No to exit keeps running, edits and all")
        << true << QList<int>{N} << "" << false << QStringList{exit} << false;
    QTest::newRow("nothing unsaved: only the exit question")
        << false << QList<int>{Y} << "" << true << QStringList{exit} << false;
    QTest::newRow("unsaved, saved under a chosen name")
        << true << QList<int>{Y, Y} << "closing.dat" << true << QStringList{exit, save} << true;
    QTest::newRow("unsaved, Cancel in the save dialog still exits")
        << true << QList<int>{Y, Y} << "" << true << QStringList{exit, save} << false;
    QTest::newRow("unsaved, not saved")
        << true << QList<int>{Y, N} << "closing.dat" << true << QStringList{exit, save} << false;
}

void LifecycleTest::closeSequence() {
    QFETCH(bool, changed);
    QFETCH(QList<int>, answers);
    QFETCH(QString, saveName);
    QFETCH(bool, closed);
    QFETCH(QStringList, asked);
    QFETCH(bool, fileWritten);
    ShellFixture f;
    f.all().Changed = changed;
    f.all().PortName = QStringLiteral("COM7"); // as the port dialog would leave it
    f.messages.answers.assign(answers.begin(), answers.end());
    const QString path = saveName.isEmpty() ? QString() : f.dir.filePath(saveName);
    f.desktop.saveNames = {path};

    // Exit from the menu, as the user would
    f.frame->MenuItem(cmd::Exit)->trigger();

    QCOMPARE(f.frame->isVisible(), !closed);
    QCOMPARE(f.messages.texts, asked);
    QCOMPARE(!path.isEmpty() && QFileInfo::exists(path), fileWritten);
    const TIniFile config(f.programDir() + QStringLiteral("SysInfo.Ini"));
    QCOMPARE(config.ReadString(kSection, QStringLiteral("Com"), {}),
             closed ? QStringLiteral("COM7") : QStringLiteral("COM1"));
    if (!closed) QVERIFY(f.all().Changed);
}

void LifecycleTest::newcomerStartsInEnglishAndWritesTheConfiguration() {
    ShellFixture f(false);
    const QString config = f.programDir() + QStringLiteral("SysInfo.Ini");
    QVERIFY(!QFileInfo::exists(config));
    QCOMPARE(f.all().LanguageName, QStringLiteral("English"));
    QCOMPARE(f.all().LanguageIndex, 0);
    QCOMPARE(f.all().HelpPrefix, QStringLiteral("K904"));
    QCOMPARE(f.all().PortName, QStringLiteral("COM1"));
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904"));

    QTest::keyClick(f.frame.get(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.messages.texts, QStringList{"Do you wish to exit program?"});
    QCOMPARE(f.messages.titles, QStringList{"Confirmation"});
    QVERIFY(!f.frame->isVisible());
    const TIniFile written(config);
    QCOMPARE(written.Keys(kSection), (QStringList{"Com", "DefaultLanguage", "PicID"}));
    QCOMPARE(written.ReadString(kSection, QStringLiteral("Com"), {}), QStringLiteral("COM1"));
    QCOMPARE(written.ReadString(kSection, QStringLiteral("DefaultLanguage"), {}),
             QStringLiteral("0"));
    QCOMPARE(written.ReadString(kSection, QStringLiteral("PicID"), {}), QStringLiteral("0"));
}

void LifecycleTest::languageChange() {
    ShellFixture f;
    f.frame->Dispatch(cmd::KeyFunction);
    f.all().Changed = true;
    f.log.clear();
    f.desktop.runDialog = chooseSecondLanguage;
    f.frame->Dispatch(cmd::LanguageSetup);

    QCOMPARE(f.all().LanguageName, QStringLiteral("Chinese"));
    QCOMPARE(f.all().LanguageIndex, 1);
    QVERIFY(!f.all().Changed); // cleared without asking
    QVERIFY(f.messages.texts.isEmpty());
    // message texts, menus, toolbar hints, tree and status bar follow the new language
    QCOMPARE(f.db->Messages.Confirmation, QString::fromUtf8("确认"));
    QCOMPARE(f.frame->MenuItem(cmd::New)->text(), QString::fromUtf8("新建(&N)"));
    QCOMPARE(f.frame->findChild<QMenu*>(QStringLiteral("nFile"))->title(),
             QString::fromUtf8("文件(&F)"));
    QCOMPARE(f.frame->ToolbarButton(cmd::ReadFromRadio)->toolTip(),
             QString::fromUtf8("从电台读取"));
    QTreeWidgetItem* root = f.frame->Tree()->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("K-904"));
    QCOMPARE(root->child(1)->text(0), QString::fromUtf8("信道信息"));
    QCOMPARE(f.frame->Tree()->ChannelNode(1)->text(0), QString::fromUtf8("信道 1"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(3), QString::fromUtf8("端口：COM1"));
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904"));
    // every editor window closed, a fresh channel table opened
    QVERIFY(!f.frame->Editors().Find(cmd::KeyFunction));
    QCOMPARE(f.log, (QStringList{"end-cell-editing", "dialog:fSetLanguage", "create:10"}));

    // leaving now asks only the exit question, in Chinese
    f.frame->close();
    QCOMPARE(f.messages.texts, QStringList{QString::fromUtf8("确定要退出程序吗？")});
    const TIniFile config(f.programDir() + QStringLiteral("SysInfo.Ini"));
    QCOMPARE(config.ReadString(kSection, QStringLiteral("DefaultLanguage"), {}),
             QStringLiteral("1"));
    // the shipped lists stay in the file
    QCOMPARE(config.ReadString(kSection, QStringLiteral("Chinese"), {}),
             QString::fromUtf8("英文|中文"));
}

void LifecycleTest::languageChangeToTheSameLanguageDoesNothing() {
    ShellFixture f;
    f.all().Changed = true;
    f.desktop.runDialog = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        return dialog.result();
    };
    f.frame->Dispatch(cmd::LanguageSetup);
    QVERIFY(f.all().Changed);
    QCOMPARE(f.log, (QStringList{"end-cell-editing", "dialog:fSetLanguage"}));
    QCOMPARE(f.frame->MenuItem(cmd::New)->text(), QStringLiteral("&New"));
}

void LifecycleTest::startsInTheConfiguredLanguage() {
    ShellFixture f(false);
    TIniFile config;
    config.WriteString(kSection, QStringLiteral("DefaultLanguage"), QStringLiteral("1"));
    config.WriteString(kSection, QStringLiteral("Language"), QStringLiteral("English|Chinese"));
    config.WriteString(kSection, QStringLiteral("Com"), QStringLiteral("com3"));
    QVERIFY(config.Save(f.programDir() + QStringLiteral("SysInfo.Ini")));
    f.Start();
    QCOMPARE(f.all().PortName, QStringLiteral("COM3"));
    QCOMPARE(f.frame->MenuItem(cmd::Open)->text(), QString::fromUtf8("打开(&O)"));
    QCOMPARE(f.frame->Tree()->topLevelItem(0)->child(0)->text(0), QString::fromUtf8("电台信息"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(3), QString::fromUtf8("端口：COM3"));
    QCOMPARE(f.db->Messages.ExitProgram, QString::fromUtf8("确定要退出程序吗？"));
}

void LifecycleTest::commaDecimalRegionStillShowsPoints() {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
    {
        ShellFixture f;
        QCOMPARE(FormatFrequency(446.00625), QStringLiteral("446.00625"));
        QCOMPARE(QLocale().toString(446.00625, 'f', 5), QStringLiteral("446.00625"));
        bool ok = false;
        QCOMPARE(QLocale().toDouble(QStringLiteral("446.00625"), &ok), 446.00625);
        QVERIFY(ok);
        // what an editor window's number field shows and reads back
        QDoubleSpinBox field;
        field.setDecimals(5);
        field.setRange(400.0, 520.0);
        field.setValue(446.00625);
        QCOMPARE(field.text(), QStringLiteral("446.00625"));
        QCOMPARE(f.frame->StatusPanels()->PanelText(5), QStringLiteral("400 - 520MHz"));
    }
    QLocale::setDefault(before);
}

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
