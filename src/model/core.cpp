#include "core.h"

#include "valuecodecs.h"

void TCore::StartUp(const QString& programDir) {
    All.ProgramDir = programDir;
    All.OnlineTest = false;
    All.NewPasswordInUse = false;
    All.CurrentChannel = 1;
    All.ReceiveInhibit = true;
    RegisterBands(FrqList);
    ModelBootstrap(MacList, All);
}

void TCore::ApplyFirstModel() {
    const TMacType* first = MacList.Item(0);
    if (!first) return;
    ApplyModel(first->Code, 0, false);
    if (const auto limits = ParseBandText(All.BandText)) {
        All.BandLower = limits->lower;
        All.BandUpper = limits->upper;
    }
}
