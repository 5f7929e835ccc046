#include "editorcatalog.h"

#include "editorwindows.h"

void RegisterEditorWindows(TEditorWindows& windows) {
    // No editor window exists yet; their tags do nothing until they are registered here.
    Q_UNUSED(windows);
}
