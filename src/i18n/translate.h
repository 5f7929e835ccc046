#pragma once

#include <QString>

class QWidget;

// Where translated texts come from: normally a language file, where the section is the
// window's component name and the key the component's name plus ".Caption", ".Hint" or
// "." and an entry number. `current` is what the component shows now and is the answer
// when the source has no such key.
class TTextSource {
public:
    virtual ~TTextSource() = default;
    virtual QString Text(const QString& section, const QString& key, const QString& current) = 0;
};

// The translation step every window runs on itself: the window's caption, then each of
// its components by its objectName, in the order they were created. Labels, menus, menu
// items, buttons, tool buttons, check boxes, radio buttons, group boxes and tab pages take
// their captions; menu items also take their hints (kept as status tips) and tool buttons
// theirs (kept as tool tips). Grid headings and list box entries follow unless the
// control carries the tag -2; combo box entries only `withItemLists`, unless the tag is
// -2, and with tag -3 only entry 0. Edits, panels, trees and status bars keep what they
// show. Editor windows inside the window and dialogs it owns are windows of their own
// and are left to translate themselves.
void TranslateForm(QWidget* form, TTextSource& source, bool withItemLists);

// The same from a language file; a missing file leaves everything as it is.
void TranslateForm(QWidget* form, const QString& languageFile, bool withItemLists);
