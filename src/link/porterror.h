#pragma once

#include <QSerialPort>
#include <QString>

// The system's reason a port could not be opened, for the second line of the port
// message. On Linux a refused permission also says which group to join.
QString PortOpenErrorText(QSerialPort::SerialPortError error, const QString& systemText,
                          const QString& location);
