#include "mainmenu.h"

#include "commands.h"

#include "i18n/tag.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

struct Item {
    int tag; // 0: separator
    const char* name;
    const char* caption;
    const char* shortcut;
    const char* hint; // the navigation tree shows the hints of the editor items
    const char* icon;
    bool visible = true;
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

constexpr Item separator{0, "", "", "", "", ""};
constexpr Item hiddenSeparator{0, "", "", "", "", "", false};

const Menu kMenus[] = {
    {"nFile",
     "&File",
     {{cmd::New, "N1", "&New", "Ctrl+N", "", "new"},
      {cmd::Open, "O1", "&Open", "Ctrl+O", "", "open"},
      {cmd::Save, "S2", "&Save", "Ctrl+S", "", "save"},
      {cmd::SaveAs, "A1", "Save &As", "Ctrl+A", "", ""},
      separator,
      {cmd::Print, "P2", "&Print", "Ctrl+P", "", "print"},
      {cmd::PrintPreview, "V2", "Print Pre&view", "Ctrl+V", "", "preview"},
      separator,
      {cmd::Exit, "nExit", "&Exit", "Ctrl+X", "", "exit"}}},
    {"nEdit",
     "&Edit",
     {{cmd::ChannelInformation, "nChInfo", "C&hannel Information", "", "Channel Information",
       "channels"},
      {cmd::ChannelEdit, "nChEdit", "&Channel Edit", "", "", "chedit"},
      separator,
      {cmd::KeyFunction, "nKey", "&Key Function", "", "Key Function", ""},
      {cmd::VoxFunction, "nVox", "&Vox Function", "", "Vox Function", ""},
      {cmd::OptionalFunction, "nOpt", "&Optional Function", "", "Optional Function", ""},
      {cmd::ScanInformation, "nScan", "&Scan Information", "", "Scan", ""},
      {cmd::Dtmf, "nDtmf", "&DTMF", "", "Dtmf", ""},
      {cmd::RadioInformation, "nInfo", "Radio &Information", "", "Radio Information", ""},
      hiddenSeparator,
      {cmd::PassWord, "P0", "&Pass Word", "", "", "", false},
      {cmd::EmbeddedMessage, "E11", "Embedded &Message", "", "", "", false}}},
    {"nProgram",
     "&Program",
     {{cmd::ReadFromRadio, "R1", "&Read From Radio", "Ctrl+R", "", "read"},
      {cmd::WriteToRadio, "W2", "&Write To Radio", "Ctrl+W", "", "write"},
      separator,
      {cmd::TestOnline, "T1", "&Test Online", "", "", "", false}}},
    {"nSetup",
     "&Setup",
     {{cmd::ModelInformation, "N4", "&Model Information", "", "", ""},
      separator,
      {cmd::CommunicationPort, "C2", "&Communication Port", "", "", "com"},
      {cmd::LanguageSetup, "nLanguage", "Language File Setup", "", "", ""}}},
    {"nView",
     "&View",
     {{cmd::TreeView, "T4", "Tree &View", "", "", ""},
      separator,
      {cmd::Toolbar, "nCool", "&Toolbar", "", "", ""},
      {cmd::StatusBar, "nBar", "&Status bar", "", "", ""}}},
    {"nWindow",
     "&Window",
     {{cmd::Cascade, "nC", "&Cascade", "", "", ""},
      {cmd::TileHorizontally, "nH", "Tile Windows &Horizontally", "", "", ""},
      {cmd::TileVertically, "nV", "Tile Windows &Vertically", "", "", ""},
      {cmd::ArrangeIcons, "npl", "&Arrange Icons", "", "", ""},
      separator,
      {cmd::CloseAllWindows, "nCloseAll", "Close All &Windows", "", "", ""}}},
    {"nHelp",
     "&Help",
     {{cmd::HelpTopics, "nHelpTopics", "&Help Topics", "", "", "help"},
      separator,
      {cmd::About, "nAbout", "About...", "", "", ""}}},
};

struct Button {
    int tag; // 0: divider
    const char* name;
    const char* hint;
    const char* icon;
    bool visible = true;
};

const Button kButtons[] = {
    {cmd::New, "tbNew", "New", "new"},
    {cmd::Open, "tbOpen", "Open", "open"},
    {cmd::Save, "tbSave", "Save", "save"},
    {0, "", "", ""},
    {cmd::ChannelEdit, "ToolButton3", "Channel Edit", "chedit", false},
    {0, "", "", "", false},
    {cmd::Print, "tbPrint", "Print", "print"},
    {0, "", "", ""},
    {cmd::CommunicationPort, "tbCom", "COM", "com"},
    {0, "", "", ""},
    {cmd::ReadFromRadio, "tbRead", "Read", "read"},
    {0, "", "", ""},
    {cmd::WriteToRadio, "tbWrite", "Write", "write"},
    {0, "", "", ""},
    {cmd::HelpTopics, "tbHelp", "Help", "help"},
};

QIcon icon(const char* name) {
    if (!*name) return {};
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

} // namespace

TMainMenu BuildMainMenu(QMainWindow* frame, QToolBar* toolbar) {
    TMainMenu result;
    for (const Menu& m : kMenus) {
        auto* menu = new QMenu(QString::fromUtf8(m.caption), frame);
        menu->setObjectName(QLatin1String(m.name));
        frame->menuBar()->addMenu(menu);
        for (const Item& item : m.items) {
            if (item.tag == 0) {
                menu->addSeparator()->setVisible(item.visible);
                continue;
            }
            auto* action = new QAction(icon(item.icon), QString::fromUtf8(item.caption), frame);
            action->setObjectName(QLatin1String(item.name));
            action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
            action->setStatusTip(QString::fromUtf8(item.hint));
            action->setVisible(item.visible);
            SetTag(action, item.tag);
            menu->addAction(action);
            result.items.insert(item.tag, action);
        }
        if (m.name == std::string_view("nWindow")) result.window = menu;
    }
    result.window->menuAction()->setVisible(false);
    for (int tag : {cmd::Toolbar, cmd::StatusBar}) {
        result.items[tag]->setCheckable(true);
        result.items[tag]->setChecked(true);
    }

    for (const Button& b : kButtons) {
        if (b.tag == 0) {
            toolbar->addSeparator()->setVisible(b.visible);
            continue;
        }
        auto* button = new QToolButton(toolbar);
        button->setObjectName(QLatin1String(b.name));
        button->setText(QString::fromUtf8(b.hint));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setIcon(icon(b.icon));
        button->setAutoRaise(true);
        SetTag(button, b.tag);
        toolbar->addWidget(button)->setVisible(b.visible);
        result.buttons.insert(b.tag, button);
    }
    return result;
}
