#include "cliparser.h"
#include "verbs.h"

#include "model/datafile.h"
#include "model/imagedefaults.h"


int RunNew(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a data file holding a new image for a model and band."));
    const QCommandLineOption modelOption(QStringLiteral("model"),
                                         QStringLiteral("Model name, e.g. \"K-904(VHF)\"."),
                                         QStringLiteral("NAME"));
    const QCommandLineOption bandOption(QStringLiteral("band"),
                                        QStringLiteral("Band text, e.g. \"200 - 260MHz\"."),
                                        QStringLiteral("TEXT"));
    const QCommandLineOption outputOption = OutputOption();
    parser.addOptions({modelOption, bandOption, outputOption});
    const QString syntax = QStringLiteral("new [--model NAME] [--band TEXT] -o FILE");
    if (auto stop = ParseVerbArguments(parser, args, syntax)) return *stop;

    if (!parser.isSet(outputOption))
        return UsageError(QStringLiteral("No output file given."), syntax);
    if (auto stop = RejectPositionalArguments(parser, syntax)) return *stop;

    TCore core;
    StartUpCore(core);
    const TMacType* model = parser.isSet(modelOption)
                                ? core.MacList.FindByName(parser.value(modelOption))
                                : core.MacList.Item(0);
    if (!model)
        return UsageError(QStringLiteral("Unknown model: %1").arg(parser.value(modelOption)),
                          syntax);
    const QString band = parser.isSet(bandOption) ? parser.value(bandOption) : model->DefaultBand;
    if (!model->Bands.contains(band))
        return UsageError(QStringLiteral("Model %1 has no band \"%2\"; its bands are: %3")
                              .arg(model->Name, band, model->Bands.join(QStringLiteral(", "))),
                          syntax);

    core.ApplyModel(model->Code, core.FrqList.CodeOf(band), true);
    const QDateTime now = QDateTime::currentDateTime();
    BuildNewImage(core, now);
    const DataFileResult result = WriteDataFile(core, parser.value(outputOption), now);
    if (!result.ok()) {
        PrintError(DescribeDataFileResult(result, {}));
        return exitcode::Failure;
    }
    return exitcode::Ok;
}
