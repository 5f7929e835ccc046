#include "desktop.h"

#include "link/portlist.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString runFileDialog(QWidget* parent, const QString& filter, QFileDialog::AcceptMode mode,
                      QString& lastDir) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    // data files belong with the user's documents, not in the program's directory
    dialog.setDirectory(lastDir.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : lastDir);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    lastDir = dialog.directory().absolutePath();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString TDesktop::OpenFileName(QWidget* parent, const QString& filter) {
    return runFileDialog(parent, filter, QFileDialog::AcceptOpen, lastDir_);
}

QString TDesktop::SaveFileName(QWidget* parent, const QString& filter) {
    return runFileDialog(parent, filter, QFileDialog::AcceptSave, lastDir_);
}

int TDesktop::RunDialog(QDialog& dialog) {
    return dialog.exec();
}

bool TDesktop::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QStringList TDesktop::PresentPorts() {
    return ListPresentPorts();
}

QList<TPresentPort> TDesktop::PresentPortDetails() {
    return ListPresentPortDetails();
}

bool TDesktop::PortExists(const QString& portName) {
    return PortDeviceExists(portName);
}

QDateTime TDesktop::Now() {
    return QDateTime::currentDateTime();
}
