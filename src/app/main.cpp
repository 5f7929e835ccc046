#include "desktop.h"
#include "editorcatalog.h"
#include "editorwindows.h"
#include "maindb.h"
#include "mainfrm.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("K-904"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/radio.svg")));

    TMaindb db(QCoreApplication::applicationDirPath() + u'/',
               QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    TDesktop desktop;
    TfMainFrm mainFrm(db, desktop);
    RegisterEditorWindows(mainFrm.Editors());
    // a desktop without a window manager ignores "maximised"; start with the whole screen
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainFrm.setGeometry(screen->availableGeometry());
    mainFrm.showMaximized();
    return app.exec();
}
