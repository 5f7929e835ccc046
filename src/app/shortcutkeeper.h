#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

// Ctrl+A, Ctrl+V and Ctrl+X are Save As, Print Preview and Exit in this program, also
// while a text field of an editor window has the focus; a text field would otherwise
// keep them for select-all, paste and cut. Keys pressed in the main window or in its
// editor windows go to the main window's commands; dialogs keep theirs.
class TShortcutKeeper : public QObject {
    Q_OBJECT
public:
    TShortcutKeeper(QWidget* frame, const QList<QKeySequence>& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* frame_;
    QList<QKeySequence> keys_;
};
