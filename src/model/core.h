#pragma once

#include "catalogue.h"
#include "channel.h"

// The long-lived objects of one run: the model list, the state record, the channel
// scratch record and the band list. Created once; New, Open and a read change their
// contents in place, never replace them.
struct TCore {
    TMacList MacList;
    TALL All;
    TChannel Channel;
    TFrqList FrqList;

    // Start-up values, the bands and the built-in models. programDir ends with a separator.
    void StartUp(const QString& programDir);

    void ApplyModel(const QString& code, quint8 bandCode, bool applyBand) {
        ::ApplyModel(All, MacList, FrqList, code, bandCode, applyBand);
    }
    // The first model with its default band, limits included, as a fresh start has it.
    void ApplyFirstModel();
};
