#pragma once

#include <QStringList>
#include <QTreeWidget>

// The navigation tree: the program's title as root, one node per settings window and, under
// "Channel Information", one node per channel. A node's command tag is its state index;
// channel nodes carry the tag of the channel edit window.
class TNavTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit TNavTree(QWidget* parent = nullptr);

    // `hints` are the hints of the Radio Information, Channel Information, Key, Vox,
    // Optional, Scan and Dtmf menu items, in this order: a language file that translates
    // them translates the tree. Channel nodes read `channelPrefix` + " " + number.
    void Build(const QString& title, const QStringList& hints, const QString& channelPrefix,
               int channelCount);
    // Selects channel n (from 1) under "Channel Information".
    void SelectChannelNode(int channel);
    QTreeWidgetItem* ChannelNode(int channel) const;

    static int TagOf(const QTreeWidgetItem* item);
    // The width the widest node needs, indentation and icon included.
    int ContentWidth() const { return sizeHintForColumn(0); }

Q_SIGNALS:
    // A click on the selected channel node: that channel becomes the current one.
    void channelClicked(int channel);
    // A double-click on the selected node: run the node's command (0 for the root).
    void tagActivated(int tag);

private:
    void cxTreeClick(QTreeWidgetItem* item);
    void cxTreeDblClick(QTreeWidgetItem* item);
    QTreeWidgetItem* ChannelsNode() const;
    void NotifyChannel(QTreeWidgetItem* item);
};
