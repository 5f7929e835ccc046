#pragma once

#include <QString>
#include <QtGlobal>
#include <utility>
#include <vector>

// The frequency bands in registration order, each with the code byte the radio keeps at
// the band code address. Texts compare exactly: "400 - 520MHz", blanks and all.
class TFrqList {
public:
    void AddBand(const QString& text, quint8 code) { bands_.emplace_back(text, code); }
    int Count() const { return int(bands_.size()); }
    QString Text(int i) const { return bands_[size_t(i)].first; }
    // Unknown text: the code of the first band.
    quint8 CodeOf(const QString& text) const;
    // Unknown code: the text of the fourth band.
    QString TextOf(quint8 code) const;

private:
    std::vector<std::pair<QString, quint8>> bands_;
};
