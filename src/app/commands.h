#pragma once

// Command tags: every menu item, toolbar button and navigation tree node carries one and
// the dispatcher turns it into its command.
namespace cmd {
constexpr int None = 0;
constexpr int New = 1;
constexpr int Open = 2;
constexpr int Save = 3;
constexpr int SaveAs = 4;
constexpr int Print = 5;
constexpr int PrintPreview = 6;
constexpr int Exit = 7;
constexpr int ChannelInformation = 10;
constexpr int ChannelEdit = 11;
constexpr int KeyFunction = 12;
constexpr int VoxFunction = 13;
constexpr int OptionalFunction = 14;
constexpr int RadioInformation = 15;
constexpr int PassWord = 16;
constexpr int Dtmf = 17;
constexpr int EmbeddedMessage = 18;
constexpr int ScanInformation = 19;
constexpr int ReadFromRadio = 20;
constexpr int WriteToRadio = 21;
constexpr int TestOnline = 22;
constexpr int ModelInformation = 30;
constexpr int CommunicationPort = 31;
constexpr int LanguageSetup = 32;
constexpr int TreeView = 40;
constexpr int Toolbar = 41;
constexpr int StatusBar = 42;
constexpr int Cascade = 50;
constexpr int TileHorizontally = 51;
constexpr int TileVertically = 52;
constexpr int ArrangeIcons = 53;
constexpr int CloseAllWindows = 54;
constexpr int HelpTopics = 60;
constexpr int About = 61;

// Editor windows open by these tags, each at most once.
constexpr bool IsEditorWindow(int tag) {
    return (tag >= ChannelInformation && tag <= Dtmf) || tag == ScanInformation;
}
} // namespace cmd
