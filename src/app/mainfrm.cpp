#include "mainfrm.h"

#include "commands.h"
#include "desktop.h"
#include "editorwindows.h"
#include "frmabout.h"
#include "helpfile.h"
#include "maindb.h"
#include "navtree.h"
#include "portchoice.h"
#include "shortcutkeeper.h"
#include "statuspanels.h"

#include "editors/editorwindow.h"
#include "i18n/msgbox.h"
#include "i18n/setlanguage.h"
#include "i18n/tag.h"
#include "i18n/translate.h"
#include "link/readradio.h"
#include "link/setport.h"
#include "link/writeradio.h"
#include "model/imagedefaults.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

TfMainFrm::TfMainFrm(TMaindb& db, TDesktop& desktop, QWidget* parent)
    : QMainWindow(parent), db_(db), desktop_(desktop), dispatcher_(*this),
      files_(db, desktop, *this, this) {
    setObjectName(QStringLiteral("fMainFrm"));
    setWindowTitle(db_.Core.All.AppTitle);
    BuildComponents();
    ConnectCommands();
    new TShortcutKeeper(this, {QKeySequence(QStringLiteral("Ctrl+A")),
                               QKeySequence(QStringLiteral("Ctrl+V")),
                               QKeySequence(QStringLiteral("Ctrl+X"))});
}

TfMainFrm::~TfMainFrm() = default;

void TfMainFrm::BuildComponents() {
    pBar_ = new QToolBar(this);
    pBar_->setObjectName(QStringLiteral("pBar"));
    pBar_->setMovable(false);
    pBar_->setFloatable(false);
    pBar_->setIconSize(QSize(24, 24));
    pBar_->toggleViewAction()->setVisible(false);
    addToolBar(pBar_);
    setContextMenuPolicy(Qt::PreventContextMenu);
    menu_ = BuildMainMenu(this, pBar_);

    pTree_ = new QWidget(this);
    pTree_->setObjectName(QStringLiteral("pTree"));
    treeHide_ = new QToolButton(pTree_);
    treeHide_->setObjectName(QStringLiteral("TreeHide"));
    treeHide_->setText(QStringLiteral("X"));
    treeHide_->setAutoRaise(true);
    cxTree_ = new TNavTree(pTree_);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addStretch(1);
    header->addWidget(treeHide_);
    auto* treeLayout = new QVBoxLayout(pTree_);
    treeLayout->setContentsMargins(2, 0, 0, 2);
    treeLayout->setSpacing(0);
    treeLayout->addLayout(header);
    treeLayout->addWidget(cxTree_);

    clientArea_ = new QMdiArea(this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    editors_ = new TEditorWindows(clientArea_, *this, this);

    splitter1_ = new QSplitter(Qt::Horizontal, this);
    splitter1_->setObjectName(QStringLiteral("Splitter1"));
    splitter1_->addWidget(pTree_);
    splitter1_->addWidget(clientArea_);
    splitter1_->setStretchFactor(0, 0);
    splitter1_->setStretchFactor(1, 1);
    splitter1_->setCollapsible(1, false);
    splitter1_->setSizes({210, 1000});
    setCentralWidget(splitter1_);

    mainBar_ = new TStatusPanels(this);
    setStatusBar(mainBar_);

    // never shown: the list of ports present, and the two texts the status bar and the
    // channel nodes take their prefixes from, so that a language file can translate them
    cbCom_ = new QComboBox(this);
    cbCom_->setObjectName(QStringLiteral("cbCom"));
    SetTag(cbCom_, tag::NotTranslated);
    cbCom_->hide();
    lCom_ = new QLabel(QStringLiteral("Port: "), this);
    lCom_->setObjectName(QStringLiteral("lCom"));
    lCom_->hide();
    label5_ = new QLabel(QStringLiteral("No. - "), this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->hide();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setInterval(1000);
}

void TfMainFrm::ConnectCommands() {
    for (auto it = menu_.items.cbegin(); it != menu_.items.cend(); ++it) {
        const int tag = it.key();
        switch (tag) {
        case cmd::Exit:
            connect(*it, &QAction::triggered, this, &QWidget::close);
            break;
        case cmd::TreeView:
            connect(*it, &QAction::triggered, this, &TfMainFrm::ToggleTree);
            break;
        case cmd::Toolbar:
            connect(*it, &QAction::triggered, this, &TfMainFrm::ToggleToolbar);
            break;
        case cmd::StatusBar:
            connect(*it, &QAction::triggered, this, &TfMainFrm::ToggleStatusBar);
            break;
        default:
            connect(*it, &QAction::triggered, this, [this, tag] { Dispatch(tag); });
            break;
        }
    }
    for (auto it = menu_.buttons.cbegin(); it != menu_.buttons.cend(); ++it) {
        const int tag = it.key();
        connect(*it, &QToolButton::clicked, this, [this, tag] { Dispatch(tag); });
    }
    connect(treeHide_, &QToolButton::clicked, this, &TfMainFrm::HideTree);
    connect(cxTree_, &TNavTree::channelClicked, this, [this](int channel) {
        db_.Core.All.CurrentChannel = channel;
        SelectChannel(2);
    });
    connect(cxTree_, &TNavTree::tagActivated, this, &TfMainFrm::Dispatch);
    connect(timer_, &QTimer::timeout, this, &TfMainFrm::TimerTimer);
}

TCore& TfMainFrm::Core() {
    return db_.Core;
}

const TLanguage& TfMainFrm::Messages() const {
    return db_.Messages;
}

QString TfMainFrm::LanguageFile() const {
    return db_.LanguageFile();
}

bool TfMainFrm::event(QEvent* event) {
    // menu hints feed the navigation tree; shown in the status bar they would cover the
    // clock and the port panels
    if (event->type() == QEvent::StatusTip) return true;
    return QMainWindow::event(event);
}

void TfMainFrm::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TfMainFrm::FormShow() {
    TALL& all = db_.Core.All;
    imBack_ = QPixmap(QStringLiteral(":/pictures/pic.svg"));
    clientArea_->setBackground(QBrush(imBack_));
    menu_.items[cmd::TestOnline]->setVisible(all.OnlineTest);
    db_.Core.ApplyFirstModel();
    BuildNewImage(db_.Core, desktop_.Now());

    const QStringList ports = desktop_.PresentPorts();
    cbCom_->clear();
    cbCom_->addItems(ports);
    const TPortChoice port = ChoosePort(
        all.PortName, ports, [this](const QString& name) { return desktop_.PortExists(name); });
    all.PortName = port.portName;
    cbCom_->setCurrentIndex(port.selected);

    files_.ClearFileName();
    if (all.LanguageIndex > 0) TranslateForm(this, LanguageFile(), true);
    RebuildTree();
    FitTreePanel();
    setWindowTitle(all.AppTitle);
    StatusRefresh();
    editors_->Open(cmd::ChannelInformation);
    all.Changed = false;
    cxTree_->expandAll();
    cxTree_->setCurrentItem(cxTree_->topLevelItem(0));
    timer_->start();
}

void TfMainFrm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TfMainFrm::FormCloseQuery() {
    const TLanguage& m = db_.Messages;
    if (ShowMessage(m.Confirmation, m.ExitProgram, msgbox::Question) != msgbox::Yes) return false;
    // the program closes whatever happens to the save, a cancelled file dialog included
    if (db_.Core.All.Changed &&
        ShowMessage(m.Confirmation, m.SaveProgram, msgbox::Question) == msgbox::Yes)
        files_.Save();
    return true;
}

void TfMainFrm::FormClose() {
    timer_->stop();
    db_.SaveConfiguration();
}

void TfMainFrm::TimerTimer() {
    mainBar_->Tick(desktop_.Now());
}

void TfMainFrm::StatusRefresh() {
    const TALL& all = db_.Core.All;
    mainBar_->Refresh(desktop_.Now(), lCom_->text() + all.PortName, all.ModelName, all.BandText);
    const QString& file = files_.FileName();
    setWindowTitle(file.isEmpty() ? all.AppTitle
                                  : all.AppTitle + QStringLiteral(" [") + file + u']');
}

void TfMainFrm::RebuildTree() {
    QStringList hints;
    for (int tag : {cmd::RadioInformation, cmd::ChannelInformation, cmd::KeyFunction,
                    cmd::VoxFunction, cmd::OptionalFunction, cmd::ScanInformation, cmd::Dtmf})
        hints << menu_.items[tag]->statusTip();
    const TALL& all = db_.Core.All;
    cxTree_->Build(all.AppTitle, hints, label5_->text(), all.ChannelCount);
}

void TfMainFrm::FitTreePanel() {
    cxTree_->expandAll();
    const int wanted = cxTree_->ContentWidth() + 2 * cxTree_->frameWidth() +
                       cxTree_->verticalScrollBar()->sizeHint().width() + 8;
    const int width = qBound(200, wanted, 320);
    splitter1_->setSizes({width, qMax(splitter1_->width() - width, 100)});
}

void TfMainFrm::RefreshViews(int kind) {
    switch (kind) {
    case 0:
        if (TEditorWindow* table = editors_->Find(cmd::ChannelInformation))
            table->ShowChannelRow(db_.Core.All.CurrentChannel);
        break;
    case 1:
        editors_->CloseAll();
        editors_->DestroyNow(cmd::ChannelInformation);
        if (TEditorWindow* edit = editors_->Find(cmd::ChannelEdit)) edit->LoadChannel();
        editors_->Open(cmd::ChannelInformation);
        break;
    case 2:
        if (TEditorWindow* edit = editors_->Find(cmd::ChannelEdit)) edit->LoadChannel();
        break;
    default:
        break;
    }
}

void TfMainFrm::SelectChannel(int kind) {
    cxTree_->SelectChannelNode(db_.Core.All.CurrentChannel);
    if (kind == 2)
        if (TEditorWindow* edit = editors_->Find(cmd::ChannelEdit)) edit->LoadChannel();
}

void TfMainFrm::DocumentReplaced() {
    files_.ClearFileName();
    RebuildTree();
    StatusRefresh();
    RefreshViews(1);
}

void TfMainFrm::ReadFromRadio() {
    TfReadRadio dialog(db_.Core, db_.Messages, LanguageFile(), this);
    desktop_.RunDialog(dialog);
    if (dialog.ReadComplete()) DocumentReplaced();
}

void TfMainFrm::WriteToRadio() {
    TfWriteRadio dialog(db_.Core, db_.Messages, LanguageFile(), this);
    desktop_.RunDialog(dialog);
}

void TfMainFrm::ChooseCommunicationPort() {
    TfSetPort dialog(db_.Core.All, desktop_.PresentPortDetails(), LanguageFile(), this);
    desktop_.RunDialog(dialog);
}

// The model, print and embedded message dialogs plug in here.
void TfMainFrm::ChooseModel() {}
void TfMainFrm::Print() {}
void TfMainFrm::PrintPreview() {}
void TfMainFrm::EmbeddedMessage() {}

bool TfMainFrm::ChangeModel(const QString& modelName, const QString& bandText) {
    TCore& core = db_.Core;
    if (core.All.Changed && ShowMessage(db_.Messages.Confirmation, db_.Messages.ClearData,
                                        msgbox::Question) != msgbox::Yes)
        return false;
    const TMacType* entry = core.MacList.FindByName(modelName);
    if (!entry) return false;
    core.ApplyModel(entry->Code, core.FrqList.CodeOf(bandText), true);
    RebuildTree();
    files_.New();
    return true;
}

void TfMainFrm::ChooseLanguage() {
    TALL& all = db_.Core.All;
    QStringList displayNames, languages;
    db_.SysInfo.LanguageLists(all.LanguageName, displayNames, languages);
    TfSetLanguage dialog(all, displayNames, languages, this);
    desktop_.RunDialog(dialog);
    if (!dialog.LanguageChanged()) return;
    db_.LoadMessages();
    TranslateForm(this, LanguageFile(), true);
    StatusRefresh();
    editors_->CloseAll();
    RebuildTree();
    FitTreePanel();
    editors_->Open(cmd::ChannelInformation);
    all.Changed = false;
}

void TfMainFrm::ShowHelp() {
    const QString file = HelpFile(db_.Core.All);
    if (!file.isEmpty()) desktop_.OpenUrl(QUrl::fromLocalFile(file));
}

void TfMainFrm::ShowAbout() {
    TfFrmAbout about(db_.Core.All, LanguageFile(), this);
    desktop_.RunDialog(about);
}

void TfMainFrm::ToggleTree() {
    pTree_->setVisible(pTree_->isHidden());
}

void TfMainFrm::HideTree() {
    pTree_->hide();
}

void TfMainFrm::ToggleToolbar() {
    pBar_->setVisible(menu_.items[cmd::Toolbar]->isChecked());
}

void TfMainFrm::ToggleStatusBar() {
    mainBar_->setVisible(menu_.items[cmd::StatusBar]->isChecked());
}
