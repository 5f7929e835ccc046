#pragma once

#include <QWidget>

class TEditorHost;

// The base of every editor window shown in the main window's document area. The main
// window opens each kind at most once, by its command tag, and calls the hooks below on
// the channel table (tag 10) and the channel edit window (tag 11); the other windows
// leave them as they are.
class TEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit TEditorWindow(TEditorHost& host, QWidget* parent = nullptr)
        : QWidget(parent), host_(host) {}

    // Channel table: finish an edit in progress in a cell and hide the in-cell
    // selectors, before any command runs.
    virtual void EndInCellEditing() {}
    // Channel table: show the row of one channel (from 1) again from the image.
    virtual void ShowChannelRow(int channel) { Q_UNUSED(channel); }
    // Channel edit window: reload the current channel from the image.
    virtual void LoadChannel() {}

protected:
    TEditorHost& host_;
};
