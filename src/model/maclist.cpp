#include "maclist.h"

const TMacType* TMacList::Item(int i) const {
    return i >= 0 && i < Count() ? entries_[size_t(i)].get() : nullptr;
}

const TMacType* TMacList::FindByName(const QString& name) const {
    for (const auto& e : entries_)
        if (e->Name == name) return e.get();
    return nullptr;
}

int TMacList::ChannelCountOf(const QString& code) const {
    for (const auto& e : entries_)
        if (e->Code == code) return e->ChannelCount;
    return 0;
}

const TMacType* TMacList::FindByCodeAndBand(const QString& code, const QString& bandText) const {
    for (const auto& e : entries_)
        if (e->Code == code && e->Bands.contains(bandText)) return e.get();
    return nullptr;
}

void TMacList::FillNames(QStringList& names) const {
    names.clear();
    for (const auto& e : entries_)
        names.append(e->Name);
}
