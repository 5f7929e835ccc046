#pragma once

class TEditorWindows;

// The editor windows the main window can open, each under its command tag:
//   windows.Register(cmd::ChannelInformation, [](TEditorHost& host) { return new TfChInfo(host);
//   });
void RegisterEditorWindows(TEditorWindows& windows);
