#pragma once

#include "model/tall.h"

#include <QString>

// The help file of the current language: program directory + help prefix + "_" +
// language name, as a compiled help file (".chm") where one is supplied, else as the HTML
// user guide that ships beside the program, else the English guide. Empty when none is
// there.
QString HelpFile(const TALL& all);
