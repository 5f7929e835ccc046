#pragma once

#include "dispatcher.h"
#include "filecommands.h"
#include "mainmenu.h"

#include "editors/editorhost.h"

#include <QMainWindow>
#include <QPixmap>

class QComboBox;
class QLabel;
class QMdiArea;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class TDesktop;
class TEditorWindows;
class TMaindb;
class TNavTree;
class TStatusPanels;

// The main window: menus, toolbar, navigation tree, status bar and the document area in
// which the editor windows open. It owns the document's file name and the refresh
// operations through which the editor windows follow each other.
class TfMainFrm : public QMainWindow, public TEditorHost, public TDocumentViews {
    Q_OBJECT
public:
    TfMainFrm(TMaindb& db, TDesktop& desktop, QWidget* parent = nullptr);
    ~TfMainFrm() override;

    // TEditorHost
    TCore& Core() override;
    const TLanguage& Messages() const override;
    QString LanguageFile() const override;
    void RefreshViews(int kind) override;
    void SelectChannel(int kind) override;
    // TDocumentViews
    void StatusRefresh() override;
    void RebuildTree() override;

    void Dispatch(int tag) { dispatcher_.Dispatch(tag); }

    TFileCommands& Files() { return files_; }
    TEditorWindows& Editors() { return *editors_; }
    TDesktop& Desktop() { return desktop_; }
    TNavTree* Tree() const { return cxTree_; }
    TStatusPanels* StatusPanels() const { return mainBar_; }
    QAction* MenuItem(int tag) const { return menu_.items.value(tag); }
    QToolButton* ToolbarButton(int tag) const { return menu_.buttons.value(tag); }

    // Program > Read From Radio (tag 20). The read dialog runs here; once it reports a
    // completed read the document is replaced with DocumentReplaced().
    void ReadFromRadio();
    // Program > Write To Radio (tag 21).
    void WriteToRadio();
    // Setup > Communication Port (tag 31); the status bar is refreshed afterwards.
    void ChooseCommunicationPort();
    // Setup > Model Information (tag 30): the model dialog runs here and hands the
    // chosen model and band to ChangeModel().
    void ChooseModel();
    // Makes another model and band current and starts a new image for it, after asking
    // "ClearData" when there are unsaved edits. False when the user said No or the
    // model is unknown.
    bool ChangeModel(const QString& modelName, const QString& bandText);
    // The image was replaced from outside (a completed read): no file name any more, the
    // status bar and tree follow, every editor window closes and a fresh channel table
    // opens. The read itself sets the changed flag.
    void DocumentReplaced();
    void ChooseLanguage();
    void ShowHelp();
    void ShowAbout();
    void Print();
    void PrintPreview();
    void EmbeddedMessage();

    void ToggleTree();
    void HideTree();
    void ToggleToolbar();
    void ToggleStatusBar();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildComponents();
    void ConnectCommands();
    // Wide enough for the tree's longest text, whatever the language.
    void FitTreePanel();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void TimerTimer();

    TMaindb& db_;
    TDesktop& desktop_;
    TDispatcher dispatcher_;
    TFileCommands files_;
    TMainMenu menu_;
    TEditorWindows* editors_ = nullptr;
    QToolBar* pBar_ = nullptr;
    QWidget* pTree_ = nullptr;
    QToolButton* treeHide_ = nullptr;
    TNavTree* cxTree_ = nullptr;
    QSplitter* splitter1_ = nullptr;
    QMdiArea* clientArea_ = nullptr;
    TStatusPanels* mainBar_ = nullptr;
    QComboBox* cbCom_ = nullptr;
    QLabel* lCom_ = nullptr;
    QLabel* label5_ = nullptr;
    QTimer* timer_ = nullptr;
    QPixmap imBack_;
    bool shown_ = false;
};
