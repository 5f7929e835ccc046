#include "editorwindows.h"

#include "editors/editorwindow.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

QList<QMdiSubWindow*> arrangeable(QMdiArea* area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area->subWindowList(QMdiArea::CreationOrder)) {
        if (w->isHidden() || w->isMinimized()) continue;
        if (w->isMaximized()) w->showNormal();
        windows << w;
    }
    return windows;
}

// On Linux the toolkit gives a child window's Close item Ctrl+W as well as Ctrl+F4; with
// two owners the key would do nothing, and here it is Write To Radio.
void keepMainShortcuts(QMdiSubWindow* frame) {
    const QKeySequence write(Qt::CTRL | Qt::Key_W);
    for (QAction* action : frame->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(write)) action->setShortcuts(keys);
    }
}

} // namespace

TEditorWindows::TEditorWindows(QMdiArea* area, TEditorHost& host, QObject* parent)
    : QObject(parent), area_(area), host_(host) {}

void TEditorWindows::Register(int tag, Factory factory) {
    factories_.insert(tag, std::move(factory));
}

QMdiSubWindow* TEditorWindows::Frame(int tag) const {
    const QPointer<QMdiSubWindow> frame = open_.value(tag);
    return frame && !frame->isHidden() ? frame.data() : nullptr;
}

TEditorWindow* TEditorWindows::Find(int tag) const {
    QMdiSubWindow* frame = Frame(tag);
    return frame ? qobject_cast<TEditorWindow*>(frame->widget()) : nullptr;
}

TEditorWindow* TEditorWindows::Open(int tag) {
    QMdiSubWindow* frame = Frame(tag);
    if (!frame) {
        const auto factory = factories_.constFind(tag);
        if (factory == factories_.constEnd()) return nullptr;
        TEditorWindow* editor = (*factory)(host_);
        if (!editor) return nullptr;
        frame = area_->addSubWindow(editor);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        keepMainShortcuts(frame);
        open_.insert(tag, frame);
    }
    frame->show();
    if (frame->isMinimized()) frame->showNormal();
    area_->setActiveSubWindow(frame);
    frame->widget()->setFocus();
    return qobject_cast<TEditorWindow*>(frame->widget());
}

void TEditorWindows::CloseAll() {
    const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->close();
}

void TEditorWindows::DestroyNow(int tag) {
    if (QMdiSubWindow* frame = open_.take(tag)) delete frame;
}

void TEditorWindows::Cascade() {
    area_->cascadeSubWindows();
}

void TEditorWindows::TileHorizontally() {
    const QList<QMdiSubWindow*> windows = arrangeable(area_);
    if (windows.isEmpty()) return;
    const QRect r = area_->viewport()->rect();
    const int h = r.height() / int(windows.size());
    for (int i = 0; i < windows.size(); ++i)
        windows[i]->setGeometry(0, i * h, r.width(), h);
}

void TEditorWindows::TileVertically() {
    const QList<QMdiSubWindow*> windows = arrangeable(area_);
    if (windows.isEmpty()) return;
    const QRect r = area_->viewport()->rect();
    const int w = r.width() / int(windows.size());
    for (int i = 0; i < windows.size(); ++i)
        windows[i]->setGeometry(i * w, 0, w, r.height());
}

void TEditorWindows::ArrangeIcons() {
    const QRect r = area_->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized() || w->isHidden()) continue;
        w->move(x, r.height() - w->height());
        x += w->width();
    }
}
