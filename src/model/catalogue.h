#pragma once

#include "frqlist.h"
#include "maclist.h"
#include "tall.h"

// The four bands, in the order their codes were assigned.
namespace band {
constexpr quint8 Vhf134 = 0xF0;
constexpr quint8 Vhf200 = 0xF1;
constexpr quint8 Uhf320 = 0xF2;
constexpr quint8 Uhf400 = 0xF3;
} // namespace band

void RegisterBands(TFrqList& bands);

// Adds the built-in UHF and VHF models and sets the title, baud rate and switches that
// go with them.
void ModelBootstrap(TMacList& models, TALL& all);

// Makes a model and band current. The band code picks the band text (an unknown code
// stands for "400 - 520MHz"), which decides between the entries sharing `code`. An
// unknown combination leaves the model fields alone; with applyBand the band text and
// limits are replaced either way.
void ApplyModel(TALL& all, const TMacList& models, const TFrqList& bands, const QString& code,
                quint8 bandCode, bool applyBand);
