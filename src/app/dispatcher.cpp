#include "dispatcher.h"

#include "commands.h"
#include "editorwindows.h"
#include "filecommands.h"
#include "mainfrm.h"

#include "editors/editorwindow.h"

void TDispatcher::Dispatch(int tag) {
    // An edit still open in a channel table cell belongs to the image before any command
    // looks at it, whatever the command.
    if (TEditorWindow* table = frame_.Editors().Find(cmd::ChannelInformation))
        table->EndInCellEditing();

    if (cmd::IsEditorWindow(tag)) {
        frame_.Editors().Open(tag);
        return;
    }
    switch (tag) {
    case cmd::New:
        frame_.Files().New();
        break;
    case cmd::Open:
        frame_.Files().Open();
        break;
    case cmd::Save:
        frame_.Files().Save();
        break;
    case cmd::SaveAs:
        frame_.Files().SaveAs();
        break;
    case cmd::Print:
        frame_.Print();
        break;
    case cmd::PrintPreview:
        frame_.PrintPreview();
        break;
    case cmd::EmbeddedMessage:
        frame_.EmbeddedMessage();
        break;
    case cmd::ReadFromRadio:
        frame_.ReadFromRadio();
        break;
    case cmd::WriteToRadio:
        frame_.WriteToRadio();
        break;
    case cmd::ModelInformation:
        frame_.ChooseModel();
        break;
    case cmd::CommunicationPort:
        frame_.ChooseCommunicationPort();
        frame_.StatusRefresh();
        break;
    case cmd::LanguageSetup:
        frame_.ChooseLanguage();
        break;
    case cmd::Cascade:
        frame_.Editors().Cascade();
        break;
    case cmd::TileHorizontally:
        frame_.Editors().TileHorizontally();
        break;
    case cmd::TileVertically:
        frame_.Editors().TileVertically();
        break;
    case cmd::ArrangeIcons:
        frame_.Editors().ArrangeIcons();
        break;
    case cmd::CloseAllWindows:
        frame_.Editors().CloseAll();
        break;
    case cmd::HelpTopics:
        frame_.ShowHelp();
        break;
    case cmd::About:
        frame_.ShowAbout();
        break;
    default:
        break;
    }
}
