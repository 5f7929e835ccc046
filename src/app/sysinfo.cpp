#include "sysinfo.h"

#include "i18n/inifile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("SysInfo");
const QString kFileName = QStringLiteral("SysInfo.Ini");

const QString kCom = QStringLiteral("Com");
const QString kDefaultLanguage = QStringLiteral("DefaultLanguage");
const QString kHelp = QStringLiteral("Help");
const QString kPicId = QStringLiteral("PicID");
const QString kLanguage = QStringLiteral("Language");

// The program starts in English when nothing is configured; each display name is
// written in its own language so that the list reads right before any choice is made.
const QString kDefaultLanguages = QStringLiteral("English|Chinese");
const QString kDefaultDisplayNames = QStringLiteral("English|中文");

int toInt(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

TSysInfo::TSysInfo(const QString& programDir, const QString& userDir)
    : programFile_(programDir + kFileName), userDir_(userDir),
      userFile_(userDir.isEmpty() ? QString() : QDir(userDir).filePath(kFileName)) {}

QString TSysInfo::Read(const QString& key, const QString& def) const {
    if (!userFile_.isEmpty()) {
        const TIniFile user(userFile_);
        if (user.HasKey(kSection, key)) return user.ReadString(kSection, key, def);
    }
    return TIniFile(programFile_).ReadString(kSection, key, def);
}

QStringList TSysInfo::SplitList(const QString& text) {
    QStringList items;
    QString rest = text;
    while (!rest.isEmpty()) {
        const qsizetype bar = rest.indexOf(u'|');
        if (bar < 0) {
            items << rest;
            rest.clear();
        } else {
            items << rest.left(bar);
            rest.remove(0, bar + 1);
        }
    }
    return items;
}

QString TSysInfo::ListElement(const QString& text, int index) {
    QString candidate;
    QString rest = text;
    for (int i = 0; i <= index; ++i) {
        const qsizetype bar = rest.indexOf(u'|');
        if (bar < 0) {
            candidate = rest;
            rest.clear();
        } else {
            candidate = rest.left(bar);
            rest.remove(0, bar + 1);
        }
    }
    return candidate;
}

void TSysInfo::Load(TALL& all) const {
    all.PortName = Read(kCom, QStringLiteral("Com1"));
    const QString defaultLanguage = Read(kDefaultLanguage, QStringLiteral("0"));
    all.HelpPrefix = Read(kHelp, QStringLiteral("K904"));
    all.LanguageIndex = toInt(defaultLanguage, 0);
    all.PictureNumber = toInt(Read(kPicId, QStringLiteral("0")), 0) + 1;
    all.LanguageName = ListElement(Read(kLanguage, kDefaultLanguages), all.LanguageIndex);
}

bool TSysInfo::Save(const TALL& all) const {
    const auto writeTo = [&](const QString& path) {
        TIniFile file(path);
        file.WriteString(kSection, kCom, all.PortName);
        file.WriteString(kSection, kDefaultLanguage, QString::number(all.LanguageIndex));
        file.WriteString(kSection, kPicId, QString::number(all.PictureNumber - 1));
        return file.Save(path);
    };
    const bool haveUserCopy = !userFile_.isEmpty() && QFileInfo::exists(userFile_);
    if (!haveUserCopy && writeTo(programFile_)) return true;
    if (userFile_.isEmpty() || !QDir().mkpath(userDir_)) return false;
    return writeTo(userFile_);
}

void TSysInfo::LanguageLists(const QString& languageName, QStringList& displayNames,
                             QStringList& languages) const {
    languages << SplitList(Read(kLanguage, kDefaultLanguages));
    displayNames << SplitList(Read(languageName, kDefaultDisplayNames));
}
