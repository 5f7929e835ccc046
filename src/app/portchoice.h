#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct TPortChoice {
    QString portName;
    int selected = -1; // position in the list of present ports, -1 for none
};

// The port the program starts with: the configured one when it is present, or when it is
// there although no list shows it (`exists`; a pseudo-terminal, say); else the first port
// present; with no port present the configured name stays. Windows names ("com3") are
// written in capitals; device names of other systems ("ttyUSB0") keep their case, since
// they would name no device otherwise.
TPortChoice ChoosePort(const QString& configured, const QStringList& present,
                       const std::function<bool(const QString&)>& exists = {});
