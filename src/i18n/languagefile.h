#pragma once

#include "language.h"

#include <QString>

// A language file lies in the program directory and is named after the language:
// "English" reads English.Ini. The name is matched without regard to case when the exact
// spelling is absent, so a list naming "english" still finds English.Ini.
QString LanguageFilePath(const QString& programDir, const QString& languageName);

// Fills the message texts from the section "Language" of the file. A text whose key is
// missing, like every text when the file is missing, takes its English default.
void LoadMessages(TLanguage& messages, const QString& languageFile);

// The optional key "Locale" of the section "Language" ("zh_CN"): it picks the translation
// of the toolkit's own texts (the Yes and No buttons, the file dialogs).
QString LanguageLocale(const QString& languageFile);
