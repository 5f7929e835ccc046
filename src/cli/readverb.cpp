#include "cliparser.h"
#include "linkrun.h"
#include "verbs.h"

#include "link/readexchange.h"
#include "model/datafile.h"
#include "model/imagedefaults.h"


int RunRead(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads the radio on PORT and saves its image as a data file for the model and band\n"
        "the radio reports. No file is written unless the read completes."));
    const QCommandLineOption portOption = PortOption();
    const QCommandLineOption outputOption = OutputOption();
    parser.addOptions({portOption, outputOption});
    const QString syntax = QStringLiteral("read --port PORT -o FILE");
    if (auto stop = ParseVerbArguments(parser, args, syntax)) return *stop;
    if (!parser.isSet(portOption)) return UsageError(QStringLiteral("No port given."), syntax);
    if (!parser.isSet(outputOption))
        return UsageError(QStringLiteral("No output file given."), syntax);
    if (auto stop = RejectPositionalArguments(parser, syntax)) return *stop;

    TCore core;
    StartUpCore(core);
    core.All.PortName = parser.value(portOption);
    const QDateTime now = QDateTime::currentDateTime();
    BuildNewImage(core, now);

    const TLinkResult result =
        RunLinkExchange(std::make_unique<TReadExchange>(core), QStringLiteral("Reading"));
    if (!result.ok()) return ReportLinkResult(result);
    const DataFileResult saved = WriteDataFile(core, parser.value(outputOption), now);
    if (!saved.ok()) {
        PrintError(DescribeDataFileResult(saved, {}));
        return exitcode::Failure;
    }
    return ReportLinkResult(result);
}
