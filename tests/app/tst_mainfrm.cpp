#include "shellfixture.h"

#include "app/commands.h"
#include "app/navtree.h"
#include "app/statuspanels.h"
#include "i18n/inifile.h"
#include "i18n/tag.h"
#include "model/addresses.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// What the desktop sends for a double-click: a click, then a second press that arrives as
// a double-click, then its release.
void doubleClick(QTreeWidget* tree, QPoint at) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class MainFrmTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithTreeStatusBarAndCaption();
    void menuItems_data();
    void menuItems();
    void toolbarInOrder();
    void dispatcherReachesEachCommand_data();
    void dispatcherReachesEachCommand();
    void menuToolbarAndTreeGoThroughTheDispatcher();
    void editorWindowOpensOnce();
    void refreshViews();
    void treeClicks();
    void clickOnEmptyTreeSpaceDoesNothing();
    void viewToggles();
    void windowArrangement();
    void mainShortcutsWinOverTextFields_data();
    void mainShortcutsWinOverTextFields();
    void firstPresentPortReplacesAnAbsentOne();
    void configuredDeviceThatIsThereIsKept();
    void changeModel();
    void documentReplacedAfterARead();
};

void MainFrmTest::startsWithTreeStatusBarAndCaption() {
    ShellFixture f;
    TfMainFrm& frame = *f.frame;
    QCOMPARE(frame.windowTitle(), QStringLiteral("K-904"));
    QVERIFY(!f.all().Changed);
    QCOMPARE(f.all().CurrentChannel, 1);

    TNavTree* tree = frame.Tree();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("K-904"));
    QCOMPARE(tree->currentItem(), root);
    QStringList children;
    for (int i = 0; i < root->childCount(); ++i)
        children << root->child(i)->text(0);
    QCOMPARE(children, (QStringList{"Radio Information", "Channel Information", "Key Function",
                                    "Vox Function", "Optional Function", "Scan", "Dtmf"}));
    QCOMPARE(root->child(1)->childCount(), 16);
    QCOMPARE(tree->ChannelNode(1)->text(0), QStringLiteral("No. -  1"));
    QCOMPARE(tree->ChannelNode(16)->text(0), QStringLiteral("No. -  16"));
    QVERIFY(root->child(1)->isExpanded());

    TStatusPanels* bar = frame.StatusPanels();
    QCOMPARE(bar->PanelText(0), QString());
    QCOMPARE(bar->PanelText(1), TStatusPanels::DateText(QDate(2024, 5, 1)));
    QCOMPARE(bar->PanelText(2), QStringLiteral("12:30:00"));
    QCOMPARE(bar->PanelText(3), QStringLiteral("Port: COM1"));
    QCOMPARE(bar->PanelText(4), QStringLiteral("K-904(UHF)"));
    QCOMPARE(bar->PanelText(5), QStringLiteral("400 - 520MHz"));
    QCOMPARE(bar->PanelText(6), QString());

    // a new image of the first model: identity stamped, the rest at its defaults
    QCOMPARE(f.all().image[addr::BandCode], quint8(0xF3));
    QCOMPARE(f.all().image[addr::SquelchLevel], quint8(0x05));
    // the channel table opens at start
    QVERIFY(f.editor(cmd::ChannelInformation));
    // the clock runs
    f.desktop.now = f.desktop.now.addSecs(5);
    QTRY_COMPARE_WITH_TIMEOUT(bar->PanelText(2), QStringLiteral("12:30:05"), 3000);
}

void MainFrmTest::menuItems_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("visible");
    QTest::newRow("New") << 1 << "N1"
                         << "&New"
                         << "Ctrl+N" << true;
    QTest::newRow("Open") << 2 << "O1"
                          << "&Open"
                          << "Ctrl+O" << true;
    QTest::newRow("Save") << 3 << "S2"
                          << "&Save"
                          << "Ctrl+S" << true;
    QTest::newRow("Save As") << 4 << "A1"
                             << "Save &As"
                             << "Ctrl+A" << true;
    QTest::newRow("Print") << 5 << "P2"
                           << "&Print"
                           << "Ctrl+P" << true;
    QTest::newRow("Print Preview") << 6 << "V2"
                                   << "Print Pre&view"
                                   << "Ctrl+V" << true;
    QTest::newRow("Exit") << 7 << "nExit"
                          << "&Exit"
                          << "Ctrl+X" << true;
    QTest::newRow("Channel Information") << 10 << "nChInfo"
                                         << "C&hannel Information"
                                         << "" << true;
    QTest::newRow("Channel Edit") << 11 << "nChEdit"
                                  << "&Channel Edit"
                                  << "" << true;
    QTest::newRow("Key Function") << 12 << "nKey"
                                  << "&Key Function"
                                  << "" << true;
    QTest::newRow("Vox Function") << 13 << "nVox"
                                  << "&Vox Function"
                                  << "" << true;
    QTest::newRow("Optional Function") << 14 << "nOpt"
                                       << "&Optional Function"
                                       << "" << true;
    QTest::newRow("Radio Information") << 15 << "nInfo"
                                       << "Radio &Information"
                                       << "" << true;
    QTest::newRow("Pass Word, hidden") << 16 << "P0"
                                       << "&Pass Word"
                                       << "" << false;
    QTest::newRow("DTMF") << 17 << "nDtmf"
                          << "&DTMF"
                          << "" << true;
    QTest::newRow("Embedded Message, hidden") << 18 << "E11"
                                              << "Embedded &Message"
                                              << "" << false;
    QTest::newRow("Scan Information") << 19 << "nScan"
                                      << "&Scan Information"
                                      << "" << true;
    QTest::newRow("Read") << 20 << "R1"
                          << "&Read From Radio"
                          << "Ctrl+R" << true;
    QTest::newRow("Write") << 21 << "W2"
                           << "&Write To Radio"
                           << "Ctrl+W" << true;
    QTest::newRow("Test Online, hidden") << 22 << "T1"
                                         << "&Test Online"
                                         << "" << false;
    QTest::newRow("Model") << 30 << "N4"
                           << "&Model Information"
                           << "" << true;
    QTest::newRow("Port") << 31 << "C2"
                          << "&Communication Port"
                          << "" << true;
    QTest::newRow("Language") << 32 << "nLanguage"
                              << "Language File Setup"
                              << "" << true;
    QTest::newRow("Tree View") << 40 << "T4"
                               << "Tree &View"
                               << "" << true;
    QTest::newRow("Toolbar") << 41 << "nCool"
                             << "&Toolbar"
                             << "" << true;
    QTest::newRow("Status bar") << 42 << "nBar"
                                << "&Status bar"
                                << "" << true;
    QTest::newRow("Cascade") << 50 << "nC"
                             << "&Cascade"
                             << "" << true;
    QTest::newRow("Tile horizontally") << 51 << "nH"
                                       << "Tile Windows &Horizontally"
                                       << "" << true;
    QTest::newRow("Tile vertically") << 52 << "nV"
                                     << "Tile Windows &Vertically"
                                     << "" << true;
    QTest::newRow("Arrange icons") << 53 << "npl"
                                   << "&Arrange Icons"
                                   << "" << true;
    QTest::newRow("Close all") << 54 << "nCloseAll"
                               << "Close All &Windows"
                               << "" << true;
    QTest::newRow("Help") << 60 << "nHelpTopics"
                          << "&Help Topics"
                          << "" << true;
    QTest::newRow("About") << 61 << "nAbout"
                           << "About..."
                           << "" << true;
}

void MainFrmTest::menuItems() {
    QFETCH(int, tag);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, visible);
    ShellFixture f;
    QAction* item = f.frame->findChild<QAction*>(name);
    QVERIFY(item);
    QCOMPARE(item, f.frame->MenuItem(tag));
    QCOMPARE(TagOf(item), tag);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), QKeySequence(shortcut));
    QCOMPARE(item->isVisible(), visible);

    // the Window menu is hidden as a whole, its commands still work
    auto* window = f.frame->findChild<QMenu*>(QStringLiteral("nWindow"));
    QVERIFY(!window->menuAction()->isVisible());
    const bool ticked = tag == cmd::Toolbar || tag == cmd::StatusBar;
    QCOMPARE(item->isChecked(), ticked);
}

void MainFrmTest::toolbarInOrder() {
    ShellFixture f;
    auto* bar = f.frame->findChild<QToolBar*>(QStringLiteral("pBar"));
    QStringList order;
    for (QAction* a : bar->actions()) {
        QWidget* w = bar->widgetForAction(a);
        const QString name = a->isSeparator() ? QStringLiteral("|") : w->objectName();
        order << (a->isVisible() ? name : u'(' + name + u')');
    }
    QCOMPARE(order.join(u' '), QStringLiteral("tbNew tbOpen tbSave | (ToolButton3) (|) tbPrint | "
                                              "tbCom | tbRead | tbWrite | tbHelp"));
    const QList<QPair<int, QString>> hints = {{1, "New"},           {2, "Open"},   {3, "Save"},
                                              {11, "Channel Edit"}, {5, "Print"},  {31, "COM"},
                                              {20, "Read"},         {21, "Write"}, {60, "Help"}};
    for (const auto& [tag, hint] : hints) {
        QToolButton* button = f.frame->ToolbarButton(tag);
        QCOMPARE(button->toolTip(), hint);
        QVERIFY(!button->icon().isNull());
    }
}

void MainFrmTest::dispatcherReachesEachCommand_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<QStringList>("expected");
    const QString end = QStringLiteral("end-cell-editing");
    QTest::newRow("1 New rebuilds the views") << 1 << QStringList{end, "create:10"};
    QTest::newRow("2 Open asks for a file") << 2 << QStringList{end, "open-dialog"};
    QTest::newRow("3 Save asks for a name") << 3 << QStringList{end, "save-dialog"};
    QTest::newRow("4 Save As asks for a name") << 4 << QStringList{end, "save-dialog"};
    for (int tag : {11, 12, 13, 14, 15, 16, 17, 19})
        QTest::addRow("%d opens its editor window", tag)
            << tag << QStringList{end, QStringLiteral("create:%1").arg(tag)};
    QTest::newRow("10 focuses the open channel table") << 10 << QStringList{end};
    QTest::newRow("32 runs the language dialog") << 32 << QStringList{end, "dialog:fSetLanguage"};
    QTest::newRow("60 opens the user guide") << 60 << QStringList{end, "url:K904_English.html"};
    QTest::newRow("61 runs the about box") << 61 << QStringList{end, "dialog:fFrmAbout"};
    QTest::newRow("20 runs the read dialog") << 20 << QStringList{end, "dialog:fReadRadio"};
    QTest::newRow("21 runs the write dialog") << 21 << QStringList{end, "dialog:fWriteRadio"};
    QTest::newRow("31 runs the port dialog") << 31 << QStringList{end, "dialog:fSetPort"};
    for (int tag : {5, 6, 18, 22, 30, 50, 51, 52, 53})
        QTest::addRow("%d not built yet or arranging", tag) << tag << QStringList{end};
    QTest::newRow("root node: only the first step") << 0 << QStringList{end};
    QTest::newRow("unknown tag: only the first step") << 99 << QStringList{end};
}

void MainFrmTest::dispatcherReachesEachCommand() {
    QFETCH(int, tag);
    QFETCH(QStringList, expected);
    ShellFixture f;
    f.frame->Dispatch(tag);
    QCOMPARE(f.log, expected);
    if (cmd::IsEditorWindow(tag)) QVERIFY(f.editor(tag));
}

void MainFrmTest::menuToolbarAndTreeGoThroughTheDispatcher() {
    ShellFixture f;
    f.frame->MenuItem(cmd::Open)->trigger();
    QTest::mouseClick(f.frame->ToolbarButton(cmd::HelpTopics), Qt::LeftButton);
    QCOMPARE(f.log, (QStringList{"end-cell-editing", "open-dialog", "end-cell-editing",
                                 "url:K904_English.html"}));

    // the Key and Vox items open their windows from the menu as well as from the tree
    f.log.clear();
    f.frame->MenuItem(cmd::KeyFunction)->trigger();
    f.frame->MenuItem(cmd::VoxFunction)->trigger();
    QCOMPARE(f.log,
             (QStringList{"end-cell-editing", "create:12", "end-cell-editing", "create:13"}));
}

void MainFrmTest::editorWindowOpensOnce() {
    ShellFixture f;
    TEditorWindows& editors = f.frame->Editors();
    TEditorWindow* first = editors.Open(cmd::KeyFunction);
    editors.Frame(cmd::KeyFunction)->showMinimized();
    QCOMPARE(editors.Open(cmd::KeyFunction), first);
    QVERIFY(!editors.Frame(cmd::KeyFunction)->isMinimized());
    auto* area = f.frame->findChild<QMdiArea*>();
    QCOMPARE(area->activeSubWindow(), editors.Frame(cmd::KeyFunction));
    QCOMPARE(f.log.count(QStringLiteral("create:12")), 1);

    // closed windows are forgotten, and opening again creates a new one
    editors.Frame(cmd::KeyFunction)->close();
    QVERIFY(!editors.Find(cmd::KeyFunction));
    QVERIFY(editors.Open(cmd::KeyFunction));
    QCOMPARE(f.log.count(QStringLiteral("create:12")), 2);
}

void MainFrmTest::refreshViews() {
    ShellFixture f;
    f.frame->Editors().Open(cmd::ChannelEdit);
    f.all().CurrentChannel = 4;
    f.log.clear();
    f.frame->RefreshViews(0);
    f.frame->RefreshViews(2);
    QCOMPARE(f.log, (QStringList{"show-row:4", "load-channel"}));

    // kind 1: every window closes, a fresh channel table opens
    TEditorWindow* table = f.frame->Editors().Find(cmd::ChannelInformation);
    QPointer<TEditorWindow> oldTable(table);
    f.log.clear();
    f.frame->RefreshViews(1);
    QVERIFY(oldTable.isNull()); // destroyed at once
    QVERIFY(!f.frame->Editors().Find(cmd::ChannelEdit));
    QVERIFY(f.frame->Editors().Find(cmd::ChannelInformation));
    QCOMPARE(f.log, QStringList{"create:10"});
    f.log.clear();
    f.frame->RefreshViews(3);
    QVERIFY(f.log.isEmpty());
}

void MainFrmTest::treeClicks() {
    ShellFixture f;
    TNavTree* tree = f.frame->Tree();
    f.frame->Editors().Open(cmd::ChannelEdit);
    f.log.clear();

    const auto centre = [tree](QTreeWidgetItem* item) {
        tree->scrollToItem(item);
        return tree->visualItemRect(item).center();
    };
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre(tree->ChannelNode(5)));
    QCOMPARE(f.all().CurrentChannel, 5);
    QCOMPARE(tree->currentItem(), tree->ChannelNode(5));
    QCOMPARE(f.log, QStringList{"load-channel"});

    // a double-click makes the channel current, then opens (here: focuses) the edit window
    f.frame->Editors().Frame(cmd::ChannelEdit)->close();
    f.log.clear();
    doubleClick(tree, centre(tree->ChannelNode(7)));
    QCOMPARE(f.all().CurrentChannel, 7);
    QVERIFY(f.log.contains(QStringLiteral("create:11")));
    QVERIFY(f.editor(cmd::ChannelEdit));

    // a settings node opens its window
    f.log.clear();
    doubleClick(tree, centre(tree->topLevelItem(0)->child(5)));
    QCOMPARE(f.log, (QStringList{"end-cell-editing", "create:19"}));
    QCOMPARE(f.all().CurrentChannel, 7);
}

void MainFrmTest::clickOnEmptyTreeSpaceDoesNothing() {
    ShellFixture f;
    TNavTree* tree = f.frame->Tree();
    const QPoint empty(5, tree->viewport()->height() - 3);
    QVERIFY(!tree->itemAt(empty));
    doubleClick(tree, empty);
    QVERIFY(f.log.isEmpty());
    QCOMPARE(f.all().CurrentChannel, 1);
}

void MainFrmTest::viewToggles() {
    ShellFixture f;
    auto* tree = f.frame->findChild<QWidget*>(QStringLiteral("pTree"));
    f.frame->MenuItem(cmd::TreeView)->trigger();
    QVERIFY(tree->isHidden());
    f.frame->MenuItem(cmd::TreeView)->trigger();
    QVERIFY(!tree->isHidden());
    QTest::mouseClick(f.frame->findChild<QToolButton*>(QStringLiteral("TreeHide")), Qt::LeftButton);
    QVERIFY(tree->isHidden());

    f.frame->MenuItem(cmd::Toolbar)->trigger();
    QVERIFY(!f.frame->MenuItem(cmd::Toolbar)->isChecked());
    QVERIFY(f.frame->findChild<QToolBar*>(QStringLiteral("pBar"))->isHidden());
    f.frame->MenuItem(cmd::StatusBar)->trigger();
    QVERIFY(f.frame->StatusPanels()->isHidden());
    f.frame->MenuItem(cmd::StatusBar)->trigger();
    QVERIFY(!f.frame->StatusPanels()->isHidden());
    // the toggles do not pass through the dispatcher
    QVERIFY(f.log.isEmpty());
}

void MainFrmTest::windowArrangement() {
    ShellFixture f;
    f.frame->Dispatch(cmd::KeyFunction);
    f.frame->Dispatch(cmd::VoxFunction);
    auto* area = f.frame->findChild<QMdiArea*>();
    const QRect client = area->viewport()->rect();
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows.size(), 3);

    f.frame->Dispatch(cmd::TileHorizontally);
    for (QMdiSubWindow* w : windows)
        QCOMPARE(w->width(), client.width());
    QCOMPARE(windows[1]->y(), windows[0]->y() + windows[0]->height());

    f.frame->Dispatch(cmd::TileVertically);
    for (QMdiSubWindow* w : windows)
        QCOMPARE(w->height(), client.height());
    QCOMPARE(windows[2]->x(), windows[1]->x() + windows[1]->width());

    f.frame->Dispatch(cmd::Cascade);
    QVERIFY(windows[1]->pos() != windows[0]->pos());

    windows[1]->showMinimized();
    f.frame->Dispatch(cmd::ArrangeIcons);
    QCOMPARE(windows[1]->geometry().bottom(), client.bottom());
    QCOMPARE(windows[1]->x(), 0);

    f.frame->Dispatch(cmd::CloseAllWindows);
    for (int tag : {10, 12, 13})
        QVERIFY(!f.frame->Editors().Find(tag));
}

void MainFrmTest::mainShortcutsWinOverTextFields_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Ctrl+A is Save As") << int(Qt::Key_A) << "save-dialog";
    QTest::newRow("Ctrl+V is Print Preview") << int(Qt::Key_V) << "end-cell-editing";
    QTest::newRow("Ctrl+X is Exit") << int(Qt::Key_X) << "Do you wish to exit program?";
}

void MainFrmTest::mainShortcutsWinOverTextFields() {
    QFETCH(int, key);
    QFETCH(QString, expected);
    ShellFixture f;
    f.frame->activateWindow();
    FakeEditor* editor = static_cast<FakeEditor*>(f.frame->Editors().Open(cmd::KeyFunction));
    editor->field->setFocus();
    editor->field->selectAll();
    f.log.clear();
    f.messages.answers = {msgbox::No};
    QTest::keyClick(editor->field, Qt::Key(key), Qt::ControlModifier);
    QVERIFY2((f.log + f.messages.texts).contains(expected), qPrintable(f.log.join(u',')));
    // the text field neither cut nor pasted
    QCOMPARE(editor->field->text(), QStringLiteral("446.00625"));
    QVERIFY(f.frame->isVisible());
}

void MainFrmTest::firstPresentPortReplacesAnAbsentOne() {
    ShellFixture f(true, {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")});
    QCOMPARE(f.all().PortName, QStringLiteral("ttyS0"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(3), QStringLiteral("Port: ttyS0"));
    auto* ports = f.frame->findChild<QComboBox*>(QStringLiteral("cbCom"));
    QCOMPARE(ports->count(), 2);
    QCOMPARE(ports->currentIndex(), 0);
    QVERIFY(ports->isHidden());
}

void MainFrmTest::configuredDeviceThatIsThereIsKept() {
    ShellFixture f(true, {QStringLiteral("ttyS0")});
    TIniFile config(f.programDir() + QStringLiteral("SysInfo.Ini"));
    config.WriteString(QStringLiteral("SysInfo"), QStringLiteral("Com"),
                       QStringLiteral("/dev/pts/7"));
    QVERIFY(config.Save(f.programDir() + QStringLiteral("SysInfo.Ini")));
    f.desktop.existing = {QStringLiteral("/dev/pts/7")};
    f.Start();
    QCOMPARE(f.all().PortName, QStringLiteral("/dev/pts/7"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(3), QStringLiteral("Port: /dev/pts/7"));
    QCOMPARE(f.frame->findChild<QComboBox*>(QStringLiteral("cbCom"))->currentIndex(), -1);
}

void MainFrmTest::changeModel() {
    ShellFixture f;
    f.all().Changed = true;
    f.messages.answers = {msgbox::No};
    QVERIFY(!f.frame->ChangeModel(QStringLiteral("K-904(VHF)"), QStringLiteral("134 - 174MHz")));
    QCOMPARE(f.all().ModelName, QStringLiteral("K-904(UHF)"));
    QVERIFY(f.all().Changed);

    // Yes to clearing; No to saving the edits that New then offers to save
    f.messages.texts.clear();
    f.messages.answers = {msgbox::Yes, msgbox::No};
    QVERIFY(f.frame->ChangeModel(QStringLiteral("K-904(VHF)"), QStringLiteral("200 - 260MHz")));
    QCOMPARE(f.messages.texts,
             (QStringList{"Do you wish to Clear Data?", "Do you wish to save the changes?"}));
    QCOMPARE(f.all().ModelName, QStringLiteral("K-904(VHF)"));
    QCOMPARE(f.all().BandText, QStringLiteral("200 - 260MHz"));
    QCOMPARE(f.all().BandLower, 200.0);
    QCOMPARE(f.all().image[addr::BandCode], quint8(0xF1));
    QVERIFY(!f.all().Changed);
    QCOMPARE(f.frame->StatusPanels()->PanelText(4), QStringLiteral("K-904(VHF)"));
    QCOMPARE(f.frame->StatusPanels()->PanelText(5), QStringLiteral("200 - 260MHz"));
}

void MainFrmTest::documentReplacedAfterARead() {
    ShellFixture f;
    const QString path = f.dir.filePath(QStringLiteral("radio.dat"));
    f.desktop.saveNames = {path};
    QVERIFY(f.frame->Files().Save());
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904 [%1]").arg(path));
    f.all().Changed = true; // as a completed read leaves it
    f.log.clear();
    f.frame->DocumentReplaced();
    QCOMPARE(f.frame->Files().FileName(), QString());
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("K-904"));
    QCOMPARE(f.log, QStringList{"create:10"});
    QVERIFY(f.all().Changed);
}

QTEST_MAIN(MainFrmTest)
#include "tst_mainfrm.moc"
