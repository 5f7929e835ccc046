#include "shortcutkeeper.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

TShortcutKeeper::TShortcutKeeper(QWidget* frame, const QList<QKeySequence>& keys)
    : QObject(frame), frame_(frame), keys_(keys) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool TShortcutKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != frame_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!keys_.contains(QKeySequence(key->keyCombination()))) return false;
    // not accepted: the shortcut map gets the key instead of the text field
    event->ignore();
    return true;
}
