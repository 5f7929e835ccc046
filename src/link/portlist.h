#pragma once

#include <QStringList>

// The serial ports present on this computer, by the names the port setting uses.
QStringList ListPresentPorts();
