#include "maindb.h"

#include "i18n/languagefile.h"

#include <QLocale>

TMaindb::TMaindb(const QString& programDir, const QString& userConfigDir)
    : SysInfo(programDir, userConfigDir) {
    ForceDecimalPoint();
    Core.StartUp(programDir);
    SysInfo.Load(Core.All);
    LoadMessages();
}

QString TMaindb::LanguageFile() const {
    return LanguageFilePath(Core.All.ProgramDir, Core.All.LanguageName);
}

void TMaindb::LoadMessages() {
    const QString file = LanguageFile();
    ::LoadMessages(Messages, file);
    toolkit_.Apply(LanguageLocale(file));
}

void TMaindb::ForceDecimalPoint() {
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(numbers);
}
