#pragma once

#include "core.h"

#include <QDateTime>

// Writes "P", the model code and the band code of the current band into the image.
void StampModelIdentity(TCore& core);

// Brings settings bytes that lie outside their range back to their defaults. Runs after
// every image that was built, opened or read.
void NormaliseImage(TCore& core);

// The image New starts from: all FF, the model identity, the write time, a few defaults,
// then normalised. The spare block and the password fields are left alone.
void BuildNewImage(TCore& core, const QDateTime& now);

// The write time field's text form of a moment, "yyyy-MM-dd HH:mm:ss".
QString DateTimeText(const QDateTime& moment);
