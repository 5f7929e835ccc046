// The port window: twenty COM buttons as on Windows, the list of devices as elsewhere, and
// the choice reaching the status bar and the configuration file.

#include "shellfixture.h"

#include "app/commands.h"
#include "app/statuspanels.h"
#include "i18n/inifile.h"
#include "link/setport.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QList<TPresentPort> comPorts(const QStringList& names) {
    QList<TPresentPort> ports;
    for (const QString& name : names)
        ports << TPresentPort{name, name, {}, {}, {}, {}};
    return ports;
}

QList<TPresentPort> devices() {
    return {
        {"ttyS0", "/dev/ttyS0", {}, {}, {}, {}},
        {"ttyUSB0", "/dev/ttyUSB0", "USB-Serial Controller", "Prolific Technology Inc.",
         quint16(0x067B), quint16(0x2303)},
        {"ttyUSB1", "/dev/ttyUSB1", "CP2102 USB to UART Bridge Controller", "Silicon Labs",
         quint16(0x10C4), quint16(0xEA60)},
    };
}

QRadioButton* comButton(TfSetPort& d, int n) {
    return d.findChild<QRadioButton*>(QStringLiteral("cxPort%1").arg(n));
}

QPushButton* button(QDialog& d, const char* name) {
    return d.findChild<QPushButton*>(QLatin1String(name));
}

QTableWidget* table(QDialog& d) {
    return d.findChild<QTableWidget*>(QStringLiteral("gvPorts"));
}

QLineEdit* deviceField(QDialog& d) {
    return d.findChild<QLineEdit*>(QStringLiteral("cxDevice"));
}

QStringList rowTexts(QTableWidget* t, int row) {
    QStringList texts;
    for (int c = 0; c < t->columnCount(); ++c)
        texts << t->item(row, c)->text();
    return texts;
}

} // namespace

class SetPortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void comButtonsShowWhatIsPresent_data();
    void comButtonsShowWhatIsPresent();
    void comButtonChoice_data();
    void comButtonChoice();
    void comButtonCaptionsFollowTheLanguageFile();
    void deviceListShowsWhatTheSystemKnows();
    void configuredDeviceIsChosen_data();
    void configuredDeviceIsChosen();
    void deviceChoice_data();
    void deviceChoice();
    void choiceReachesStatusBarAndConfiguration();
};

void SetPortTest::comButtonsShowWhatIsPresent_data() {
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<int>("checked"); // 0: none
    QTest::newRow("ports 1, 3 and 25; Com4 configured")
        << "Com4" << QStringList{"COM1", "COM3", "COM25"} << QList<int>{1, 3} << 4;
    QTest::newRow("COM21 has no button") << "COM21" << QStringList{"COM1"} << QList<int>{1} << 0;
    QTest::newRow("no port present") << "COM2" << QStringList{} << QList<int>{} << 2;
    QTest::newRow("COM20 is the last button")
        << "COM20" << QStringList{"COM20"} << QList<int>{20} << 20;
    QTest::newRow("not a COM name") << "ttyUSB0" << QStringList{"COM3"} << QList<int>{3} << 0;
}

void SetPortTest::comButtonsShowWhatIsPresent() {
    QFETCH(QString, portName);
    QFETCH(QStringList, present);
    QFETCH(QList<int>, enabled);
    QFETCH(int, checked);
    TALL all;
    all.PortName = portName;
    TfSetPort d(all, comPorts(present), QString(), nullptr, TfSetPort::Picker::ComButtons);
    d.show();
    for (int n = 1; n <= TfSetPort::ComButtonCount; ++n) {
        QRadioButton* b = comButton(d, n);
        QCOMPARE(b->text(), QStringLiteral("COM%1").arg(n));
        QCOMPARE(b->isEnabled(), enabled.contains(n));
        QCOMPARE(b->isChecked(), n == checked);
    }
    // four columns of five, top to bottom
    QCOMPARE(comButton(d, 2)->x(), comButton(d, 1)->x());
    QVERIFY(comButton(d, 2)->y() > comButton(d, 1)->y());
    QVERIFY(comButton(d, 6)->x() > comButton(d, 5)->x());
    QCOMPARE(comButton(d, 6)->y(), comButton(d, 1)->y());
    QCOMPARE(d.findChild<QGroupBox*>(QStringLiteral("cxPort"))->title(),
             QStringLiteral("Communication Port"));
    // every port present is in the hidden list, those without a button too
    auto* list = d.findChild<QComboBox*>(QStringLiteral("cbCom"));
    QVERIFY(list->isHidden());
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->itemText(i);
    QCOMPARE(listed, present);
}

void SetPortTest::comButtonChoice_data() {
    QTest::addColumn<QString>("portName");
    QTest::addColumn<int>("click"); // 0: none
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("result");
    QTest::newRow("Ok keeps an absent port that is checked") << "COM2" << 0 << "btnOk"
                                                             << "COM2";
    QTest::newRow("Ok takes the port clicked") << "COM2" << 3 << "btnOk"
                                               << "COM3";
    QTest::newRow("Ok without a button keeps a higher port") << "COM21" << 0 << "btnOk"
                                                             << "COM21";
    QTest::newRow("Cancel keeps the port") << "COM2" << 3 << "btnCancel"
                                           << "COM2";
}

void SetPortTest::comButtonChoice() {
    QFETCH(QString, portName);
    QFETCH(int, click);
    QFETCH(QString, press);
    QFETCH(QString, result);
    TALL all;
    all.PortName = portName;
    TfSetPort d(all, comPorts({"COM1", "COM3"}), QString(), nullptr, TfSetPort::Picker::ComButtons);
    d.show();
    if (click) QTest::mouseClick(comButton(d, click), Qt::LeftButton);
    QTest::mouseClick(button(d, qPrintable(press)), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(all.PortName, result);
}

void SetPortTest::comButtonCaptionsFollowTheLanguageFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Test.Ini"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("[fSetPort]\nfSetPort.Caption=Serial\nlbName.Caption=Port-\ncxPort1.Caption=X\n");
    out.close();
    TALL all;
    all.PortName = QStringLiteral("COM1");
    for (const int index : {0, 1}) {
        all.LanguageIndex = index;
        TfSetPort d(all, {}, file, nullptr, TfSetPort::Picker::ComButtons);
        d.show();
        // the buttons are the prefix and their number, whatever the file says of them
        QCOMPARE(comButton(d, 1)->text(),
                 index ? QStringLiteral("Port-1") : QStringLiteral("COM1"));
        QCOMPARE(comButton(d, 17)->text(),
                 index ? QStringLiteral("Port-17") : QStringLiteral("COM17"));
        const QString caption =
            index ? QStringLiteral("Serial") : QStringLiteral("Communication Port");
        QCOMPARE(d.windowTitle(), caption);
        QCOMPARE(d.findChild<QGroupBox*>(QStringLiteral("cxPort"))->title(), caption);
    }
}

void SetPortTest::deviceListShowsWhatTheSystemKnows() {
    TALL all;
    all.PortName = QStringLiteral("ttyUSB0");
    TfSetPort d(all, devices(), QString(), nullptr, TfSetPort::Picker::DeviceList);
    d.show();
    QTableWidget* t = table(d);
    QCOMPARE(t->rowCount(), 3);
    QCOMPARE(rowTexts(t, 0), (QStringList{"ttyS0", "", "", ""}));
    QCOMPARE(rowTexts(t, 1), (QStringList{"ttyUSB0", "USB-Serial Controller",
                                          "Prolific Technology Inc.", "USB 067B:2303"}));
    QCOMPARE(rowTexts(t, 2).last(), QStringLiteral("USB 10C4:EA60"));
    QCOMPARE(t->item(1, 0)->toolTip(), QStringLiteral("/dev/ttyUSB0"));
    QVERIFY(!comButton(d, 1));
}

void SetPortTest::configuredDeviceIsChosen_data() {
    QTest::addColumn<QString>("portName");
    QTest::addColumn<int>("row"); // -1: none
    QTest::newRow("by name") << "ttyUSB0" << 1;
    QTest::newRow("by path") << "/dev/ttyUSB1" << 2;
#ifndef Q_OS_WIN
    QTest::newRow("COM1 is the first built-in port") << "COM1" << 0;
#endif
    QTest::newRow("a device no list shows") << "/dev/pts/7" << -1;
}

void SetPortTest::configuredDeviceIsChosen() {
    QFETCH(QString, portName);
    QFETCH(int, row);
    TALL all;
    all.PortName = portName;
    TfSetPort d(all, devices(), QString(), nullptr, TfSetPort::Picker::DeviceList);
    d.show();
    QApplication::setActiveWindow(&d);
    const QList<QTableWidgetItem*> selected = table(d)->selectedItems();
    QCOMPARE(selected.isEmpty() ? -1 : selected.first()->row(), row);
    // the field shows the setting as it is
    QCOMPARE(deviceField(d)->text(), portName);
    // with no row chosen, what the user types replaces the setting
    QTRY_COMPARE(QApplication::focusWidget(),
                 row < 0 ? static_cast<QWidget*>(deviceField(d)) : table(d));
}

void SetPortTest::deviceChoice_data() {
    QTest::addColumn<QString>("portName");
    QTest::addColumn<int>("row");       // -1: none clicked
    QTest::addColumn<QString>("typed"); // replaces the field's text when not null
    QTest::addColumn<QString>("press"); // a button, or "double-click" on the row
    QTest::addColumn<QString>("result");
    QTest::newRow("a listed port") << "ttyS0" << 2 << QString() << "btnOk"
                                   << "ttyUSB1";
    QTest::newRow("double-click on a port") << "ttyS0" << 1 << QString() << "double-click"
                                            << "ttyUSB0";
    // a pseudo-terminal is in no list
    QTest::newRow("a device path typed in") << "ttyS0" << -1 << "/dev/pts/7"
                                            << "btnOk"
                                            << "/dev/pts/7";
    QTest::newRow("a name typed with blanks around") << "ttyS0" << 1 << "  ttyACM0 "
                                                     << "btnOk"
                                                     << "ttyACM0";
    QTest::newRow("a port no longer present stays") << "ttyUSB9" << -1 << QString() << "btnOk"
                                                    << "ttyUSB9";
    QTest::newRow("an empty field keeps the port") << "ttyS0" << -1 << ""
                                                   << "btnOk"
                                                   << "ttyS0";
    QTest::newRow("Cancel keeps the port") << "ttyS0" << 2 << "/dev/pts/7"
                                           << "btnCancel"
                                           << "ttyS0";
}

void SetPortTest::deviceChoice() {
    QFETCH(QString, portName);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, press);
    QFETCH(QString, result);
    TALL all;
    all.PortName = portName;
    TfSetPort d(all, devices(), QString(), nullptr, TfSetPort::Picker::DeviceList);
    d.show();
    QTableWidget* t = table(d);
    if (row >= 0) {
        const QRect cell = t->visualItemRect(t->item(row, 1));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(deviceField(d)->text(), devices()[row].name);
        if (press == QLatin1String("double-click"))
            QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, cell.center());
    }
    if (!typed.isNull()) {
        deviceField(d)->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(deviceField(d), Qt::Key_Delete);
        else
            QTest::keyClicks(deviceField(d), typed);
    }
    if (press != QLatin1String("double-click"))
        QTest::mouseClick(button(d, qPrintable(press)), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(all.PortName, result);
}

void SetPortTest::choiceReachesStatusBarAndConfiguration() {
    ShellFixture f(true, {QStringLiteral("ttyUSB0"), QStringLiteral("ttyUSB1")});
    f.desktop.runDialog = [](QDialog& d) {
        d.show();
        table(d)->selectRow(1);
        QTest::mouseClick(button(d, "btnOk"), Qt::LeftButton);
        return d.result();
    };
    f.frame->ToolbarButton(cmd::CommunicationPort)->click();
    QCOMPARE(f.log, (QStringList{"end-cell-editing", "dialog:fSetPort"}));
    QCOMPARE(f.all().PortName, QStringLiteral("ttyUSB1"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(3), QStringLiteral("Port: ttyUSB1"));

    f.frame->MenuItem(cmd::Exit)->trigger();
    QVERIFY(!f.frame->isVisible());
    const TIniFile config(f.programDir() + QStringLiteral("SysInfo.Ini"));
    QCOMPARE(config.ReadString(QStringLiteral("SysInfo"), QStringLiteral("Com"), {}),
             QStringLiteral("ttyUSB1"));
}

QTEST_MAIN(SetPortTest)
#include "tst_setport.moc"
