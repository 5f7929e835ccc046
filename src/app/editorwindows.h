#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class TEditorHost;
class TEditorWindow;

// The editor windows of the document area, opened by their command tags. Each kind has
// at most one instance: opening it again brings the open one to the front and restores
// it when minimised. Closing a window destroys it and forgets it.
class TEditorWindows : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<TEditorWindow*(TEditorHost&)>;

    TEditorWindows(QMdiArea* area, TEditorHost& host, QObject* parent = nullptr);

    // A window kind the tag opens; until a kind is registered its tag does nothing.
    void Register(int tag, Factory factory);
    bool IsRegistered(int tag) const { return factories_.contains(tag); }

    // The open (or newly created) window; nullptr when no kind is registered for the tag.
    TEditorWindow* Open(int tag);
    // The open window of that kind, or nullptr. A window that is closing counts as gone.
    TEditorWindow* Find(int tag) const;
    QMdiSubWindow* Frame(int tag) const;

    // Closes every editor window, the last opened first.
    void CloseAll();
    // Destroys one window at once instead of when control returns to the event loop.
    void DestroyNow(int tag);

    void Cascade();
    // One above the other, each as wide as the area.
    void TileHorizontally();
    // Side by side, each as high as the area.
    void TileVertically();
    // Minimised windows in a row along the bottom edge.
    void ArrangeIcons();

private:
    QMdiArea* area_;
    TEditorHost& host_;
    QHash<int, Factory> factories_;
    QHash<int, QPointer<QMdiSubWindow>> open_;
};
