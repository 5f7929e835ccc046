// Any bytes offered as a data file either load whole or leave the document untouched,
// and a loaded image is already normalised.
#include "model/datafile.h"
#include "model/imagedefaults.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    static TCore* core = [] {
        auto* c = new TCore;
        c->StartUp(QString());
        c->ApplyFirstModel();
        return c;
    }();
    BuildNewImage(*core, QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
    core->All.Changed = true;
    const Image before = core->All.image;
    const QString bandBefore = core->All.BandText;

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DataFileResult result = LoadDataFile(*core, bytes);
    if (!result.ok()) {
        if (core->All.image != before || core->All.BandText != bandBefore || !core->All.Changed)
            std::abort();
        return 0;
    }
    const Image loaded = core->All.image;
    NormaliseImage(*core);
    if (core->All.image != loaded || core->All.Changed) std::abort();
    return 0;
}
