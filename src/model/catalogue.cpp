#include "catalogue.h"

#include "valuecodecs.h"

namespace {
const QString kTitle = QStringLiteral("K-904");
}

void RegisterBands(TFrqList& bands) {
    bands.AddBand(QStringLiteral("134 - 174MHz"), band::Vhf134);
    bands.AddBand(QStringLiteral("200 - 260MHz"), band::Vhf200);
    bands.AddBand(QStringLiteral("320 - 400MHz"), band::Uhf320);
    bands.AddBand(QStringLiteral("400 - 520MHz"), band::Uhf400);
}

void ModelBootstrap(TMacList& models, TALL& all) {
    all.FactoryMode = false;
    all.AppTitle = kTitle;

    auto uhf = std::make_unique<TMacType>(QStringLiteral("T47C"), all.AppTitle + "(UHF)", 16, 2);
    uhf->SetLimits(320.0, 520.0);
    uhf->AddBand(QStringLiteral("320 - 400MHz"));
    uhf->AddBand(QStringLiteral("400 - 520MHz"));
    uhf->SetDefaultBand(QStringLiteral("400 - 520MHz"));
    models.Add(std::move(uhf));

    auto vhf = std::make_unique<TMacType>(QStringLiteral("T47C"), all.AppTitle + "(VHF)", 16, 2);
    vhf->SetLimits(134.0, 260.0);
    vhf->AddBand(QStringLiteral("134 - 174MHz"));
    vhf->AddBand(QStringLiteral("200 - 260MHz"));
    vhf->SetDefaultBand(QStringLiteral("134 - 174MHz"));
    models.Add(std::move(vhf));

    all.BaudRate = 9600;
    all.ReceiveInhibit = false;
}

void ApplyModel(TALL& all, const TMacList& models, const TFrqList& bands, const QString& code,
                quint8 bandCode, bool applyBand) {
    const QString bandText = bands.TextOf(bandCode);
    if (const TMacType* entry = models.FindByCodeAndBand(code, bandText)) {
        all.ModelName = entry->Name;
        all.ModelCode = entry->Code;
        all.ChannelCount = entry->ChannelCount;
        all.BandText = entry->DefaultBand;
    }
    if (applyBand) {
        all.BandText = bandText;
        // registered band texts always parse
        if (const auto limits = ParseBandText(bandText)) {
            all.BandLower = limits->lower;
            all.BandUpper = limits->upper;
        }
    }
}
