#pragma once

#include "model/core.h"

#include <QJsonObject>

// The model, band, identity texts, channels in use and general settings of the current
// image, as `k904-cli info` reports them.
QJsonObject ImageToJson(TCore& core);
