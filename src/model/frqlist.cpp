#include "frqlist.h"

quint8 TFrqList::CodeOf(const QString& text) const {
    for (const auto& [t, code] : bands_)
        if (t == text) return code;
    return bands_.empty() ? 0 : bands_.front().second;
}

QString TFrqList::TextOf(quint8 code) const {
    for (const auto& [text, c] : bands_)
        if (c == code) return text;
    return bands_.size() > 3 ? bands_[3].first : QString();
}
