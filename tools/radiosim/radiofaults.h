#pragma once

#include <QString>
#include <QStringList>

// The ways the virtual radio can misbehave, to try the program's failure paths.
struct TRadioFaults {
    bool wrongKey = false; // the identification echoes the link key wrongly
    QString modelCode;     // reported instead of the radio's own code ("X99Z", "t47c")
    bool silent = false;   // never answers
    int stallAfter = -1;   // stops answering after this many blocks
    int breakAfter = -1;   // sends a line break instead of the next block's answer
    int vanishAfter = -1;  // the device goes away after this many blocks
    bool once = false;     // misbehaves in the first exchange only

    bool any() const {
        return wrongKey || !modelCode.isEmpty() || silent || stallAfter >= 0 || breakAfter >= 0 ||
               vanishAfter >= 0;
    }
};

// Adds one fault given as "wrong-key", "model=CODE", "silent", "stall-after=N",
// "break-after=N" or "vanish-after=N". False (and `error` set) for anything else.
bool AddRadioFault(TRadioFaults& faults, const QString& text, QString& error);

// The fault forms, one per line, for the help text.
QString RadioFaultHelp();
