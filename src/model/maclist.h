#pragma once

#include "mactype.h"

#include <memory>
#include <vector>

// The models in the order they were added. Codes need not be unique: both built-in
// models share one code and differ by band, so lookups return the first match.
class TMacList {
public:
    void Add(std::unique_ptr<TMacType> entry) { entries_.push_back(std::move(entry)); }
    int Count() const { return int(entries_.size()); }
    const TMacType* Item(int i) const;
    const TMacType* FindByName(const QString& name) const;
    // 0 when no model has the code, so a result other than 0 means the code is known.
    int ChannelCountOf(const QString& code) const;
    const TMacType* FindByCodeAndBand(const QString& code, const QString& bandText) const;
    void FillNames(QStringList& names) const;

private:
    std::vector<std::unique_ptr<TMacType>> entries_;
};
