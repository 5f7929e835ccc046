#include "portlist.h"

#include <QSerialPortInfo>

QStringList ListPresentPorts() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) names << info.portName();
    return names;
}
