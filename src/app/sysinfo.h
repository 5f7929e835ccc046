#pragma once

#include "model/tall.h"

#include <QString>
#include <QStringList>

// The program's settings between runs: SysInfo.Ini, section "SysInfo", with the serial
// port, the language and the language lists, the help prefix and the picture number.
//
// The file belongs in the program directory. An installed program cannot write there, so
// the settings written at exit then go to a copy in the user's configuration directory.
// Once that copy exists it is the one written, and each key is read from it first and
// from the program directory's file when the copy lacks it, so the language lists that
// ship beside the program still reach the user.
class TSysInfo {
public:
    TSysInfo(const QString& programDir, const QString& userDir);

    // Port name, language index, help prefix, picture number and language name.
    void Load(TALL& all) const;
    // Writes Com, DefaultLanguage and PicID; every other key stays. False when no copy
    // could be written.
    bool Save(const TALL& all) const;
    // The display names (the key named after the current language) and the language file
    // names, in the same order.
    void LanguageLists(const QString& languageName, QStringList& displayNames,
                       QStringList& languages) const;

    QString ProgramFile() const { return programFile_; }
    QString UserFile() const { return userFile_; }

    // The elements of a "|"-separated list: "a||b" has an empty second element, a bar at
    // the end adds none.
    static QStringList SplitList(const QString& text);
    // Element `index` of such a list; empty when the index reaches no element.
    static QString ListElement(const QString& text, int index);

private:
    QString Read(const QString& key, const QString& def) const;

    QString programFile_;
    QString userDir_;
    QString userFile_;
};
