#include "navtree.h"

#include "commands.h"

#include <QHeaderView>
#include <QIcon>

namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kChannelsChild = 1; // "Channel Information" is the root's second child

// The nodes under the root, in order, with their tags.
constexpr int kChildTags[] = {
    cmd::RadioInformation, cmd::ChannelInformation, cmd::KeyFunction, cmd::VoxFunction,
    cmd::OptionalFunction, cmd::ScanInformation,    cmd::Dtmf,
};

QIcon nodeIcon() {
    QIcon icon(QStringLiteral(":/icons/node.svg"));
    icon.addFile(QStringLiteral(":/icons/nodeselected.svg"), {}, QIcon::Selected);
    return icon;
}

} // namespace

TNavTree::TNavTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("cxTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(NoEditTriggers);
    setIconSize(QSize(18, 18));
    // a double-click opens the node's window; folding the channel list as well is a nuisance
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemClicked, this, &TNavTree::cxTreeClick);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &TNavTree::cxTreeDblClick);
}

int TNavTree::TagOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kTagRole).toInt() : 0;
}

void TNavTree::Build(const QString& title, const QStringList& hints, const QString& channelPrefix,
                     int channelCount) {
    if (topLevelItemCount() == 0) {
        auto* root = new QTreeWidgetItem(this);
        root->setIcon(0, QIcon(QStringLiteral(":/icons/radio.svg")));
        for (int tag : kChildTags) {
            auto* child = new QTreeWidgetItem(root);
            child->setIcon(0, nodeIcon());
            child->setData(0, kTagRole, tag);
        }
    }
    QTreeWidgetItem* root = topLevelItem(0);
    root->setText(0, title);
    for (int i = 0; i < root->childCount(); ++i)
        root->child(i)->setText(0, hints.value(i));

    QTreeWidgetItem* channels = ChannelsNode();
    qDeleteAll(channels->takeChildren());
    const QIcon icon = nodeIcon();
    for (int n = 1; n <= channelCount; ++n) {
        auto* node = new QTreeWidgetItem(channels);
        node->setText(0, channelPrefix + u' ' + QString::number(n));
        node->setIcon(0, icon);
        node->setData(0, kTagRole, cmd::ChannelEdit);
    }
    expandAll();
}

QTreeWidgetItem* TNavTree::ChannelsNode() const {
    QTreeWidgetItem* root = topLevelItem(0);
    return root ? root->child(kChannelsChild) : nullptr;
}

QTreeWidgetItem* TNavTree::ChannelNode(int channel) const {
    QTreeWidgetItem* channels = ChannelsNode();
    return channels ? channels->child(channel - 1) : nullptr;
}

void TNavTree::SelectChannelNode(int channel) {
    if (QTreeWidgetItem* node = ChannelNode(channel)) setCurrentItem(node);
}

void TNavTree::NotifyChannel(QTreeWidgetItem* item) {
    if (TagOf(item) == cmd::ChannelEdit && item->parent())
        Q_EMIT channelClicked(item->parent()->indexOfChild(item) + 1);
}

void TNavTree::cxTreeClick(QTreeWidgetItem* item) {
    if (item == currentItem()) NotifyChannel(item);
}

void TNavTree::cxTreeDblClick(QTreeWidgetItem* item) {
    if (item != currentItem()) return;
    NotifyChannel(item);
    Q_EMIT tagActivated(TagOf(item));
}
