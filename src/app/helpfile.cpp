#include "helpfile.h"

#include <QFileInfo>

QString HelpFile(const TALL& all) {
    const QString base = all.ProgramDir + all.HelpPrefix + u'_';
    const QString candidates[] = {
        base + all.LanguageName + QStringLiteral(".chm"),
        base + all.LanguageName + QStringLiteral(".html"),
        base + QStringLiteral("English.html"),
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return path;
    return {};
}
