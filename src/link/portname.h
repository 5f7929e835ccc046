#pragma once

#include <QString>
#include <optional>

// The port setting is "COM" and a number on Windows ("Com4" works too). On Linux and
// macOS it is a device name such as "ttyUSB0" or a full path such as a pseudo-terminal's;
// "COMn" there still means the n-th built-in port, /dev/ttyS(n-1), so a configuration
// brought over from Windows keeps pointing at a serial port.

// The number after "COM" (any case); none when the name is not "COM" and digits.
std::optional<int> ComPortNumber(const QString& portName);

// What to hand to the serial port to open the setting's port on this system.
QString PortSystemLocation(const QString& portName);
