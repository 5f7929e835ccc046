#include "filecommands.h"

#include "desktop.h"
#include "maindb.h"

#include "i18n/msgbox.h"
#include "model/datafile.h"
#include "model/imagedefaults.h"

#include <QDir>
#include <QFileInfo>

TFileCommands::TFileCommands(TMaindb& db, TDesktop& desktop, TDocumentViews& views,
                             QWidget* dialogParent)
    : db_(db), desktop_(desktop), views_(views), dialogParent_(dialogParent) {}

QString TFileCommands::Filter() {
    return QStringLiteral("Data File(*.dat)");
}

QString TFileCommands::WithDataExtension(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path.endsWith(u'.') ? path + QStringLiteral("dat") : path + QStringLiteral(".dat");
}

void TFileCommands::OfferSave() {
    if (!db_.Core.All.Changed) return;
    if (ShowMessage(db_.Messages.Confirmation, db_.Messages.SaveProgram, msgbox::Question) ==
        msgbox::Yes)
        Save();
}

void TFileCommands::ShowFailure(const QString& path, const DataFileResult& result) {
    const QString text = DescribeDataFileResult(result, db_.Messages.ModError);
    ShowMessage(db_.Messages.Confirmation, QDir::toNativeSeparators(path) + u'\n' + text,
                msgbox::Information);
}

void TFileCommands::New() {
    OfferSave();
    BuildNewImage(db_.Core, desktop_.Now());
    fileName_.clear();
    views_.StatusRefresh();
    views_.RefreshViews(1);
    db_.Core.All.Changed = false;
}

void TFileCommands::Open() {
    OfferSave();
    const QString path = desktop_.OpenFileName(dialogParent_, Filter());
    if (path.isEmpty()) return;
    const DataFileResult result = OpenDataFile(db_.Core, path);
    if (!result.ok()) {
        ShowFailure(path, result);
        return;
    }
    fileName_ = path;
    views_.RebuildTree();
    views_.StatusRefresh();
    views_.RefreshViews(1);
    db_.Core.All.Changed = false;
}

bool TFileCommands::Save() {
    QString target = fileName_;
    if (target.isEmpty()) {
        target = WithDataExtension(desktop_.SaveFileName(dialogParent_, Filter()));
        if (target.isEmpty()) {
            views_.StatusRefresh();
            return false;
        }
    }
    const DataFileResult result = WriteDataFile(db_.Core, target, desktop_.Now());
    if (!result.ok()) {
        ShowFailure(target, result);
        views_.StatusRefresh();
        return false;
    }
    fileName_ = target;
    views_.StatusRefresh();
    return true;
}

bool TFileCommands::SaveAs() {
    fileName_.clear();
    return Save();
}
