#include "languagefile.h"

#include "inifile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kSection = QStringLiteral("Language");
}

QString LanguageFilePath(const QString& programDir, const QString& languageName) {
    const QString wanted = languageName + QStringLiteral(".Ini");
    const QString exact = programDir + wanted;
    if (QFileInfo::exists(exact)) return exact;
    const QDir dir(programDir);
    const QStringList names = dir.entryList({QStringLiteral("*.ini")}, QDir::Files);
    for (const QString& name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return programDir + name;
    return exact;
}

void LoadMessages(TLanguage& messages, const QString& languageFile) {
    const TIniFile file(languageFile);
    const TLanguage english;
    for (const TLanguage::Entry& entry : TLanguage::Entries) {
        const QString key = QString::fromLatin1(entry.key);
        messages.*entry.field = file.ReadString(kSection, key, english.*entry.field);
    }
}

QString LanguageLocale(const QString& languageFile) {
    return TIniFile(languageFile).ReadString(kSection, QStringLiteral("Locale"), {});
}
