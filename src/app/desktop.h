#pragma once

#include "link/portlist.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QDialog;
class QUrl;
class QWidget;

// The main window's way to the desktop: the file dialogs, modal dialogs, the browser,
// the serial ports present and the clock. Tests replace it with one that answers at once
// and never blocks.
class TDesktop {
public:
    virtual ~TDesktop() = default;

    // The data file to open or to save to; empty when the user cancels. A name typed
    // without extension comes back with ".dat".
    virtual QString OpenFileName(QWidget* parent, const QString& filter);
    virtual QString SaveFileName(QWidget* parent, const QString& filter);
    // Shows a dialog modally and returns its result.
    virtual int RunDialog(QDialog& dialog);
    // Opens a file or page with the program the desktop chooses.
    virtual bool OpenUrl(const QUrl& url);
    virtual QStringList PresentPorts();
    // The same ports with what the system knows about them, for the port dialog.
    virtual QList<TPresentPort> PresentPortDetails();
    // Whether a port that is not listed is there all the same (a pseudo-terminal).
    virtual bool PortExists(const QString& portName);
    virtual QDateTime Now();

private:
    QString lastDir_;
};
