#pragma once

#include <QString>

struct TCore;
class TLanguage;

// What an editor window needs from the main window: the document, the message texts,
// the language file to translate itself from, and the two refresh operations through
// which the channel table, the channel edit window and the navigation tree follow each
// other.
class TEditorHost {
public:
    virtual ~TEditorHost() = default;
    virtual TCore& Core() = 0;
    virtual const TLanguage& Messages() const = 0;
    // The current language file; translate only when the language index is above 0.
    virtual QString LanguageFile() const = 0;
    // 0: the channel table shows the current channel's row again; 1: every editor window
    // closes and a fresh channel table opens; 2: the channel edit window reloads.
    virtual void RefreshViews(int kind) = 0;
    // Selects the current channel in the navigation tree; kind 2 also reloads the
    // channel edit window.
    virtual void SelectChannel(int kind) = 0;
};
