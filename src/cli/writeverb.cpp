#include "cliparser.h"
#include "linkrun.h"
#include "verbs.h"

#include "i18n/language.h"
#include "link/writeexchange.h"
#include "model/datafile.h"


int RunWrite(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the image of a data file to the radio on PORT. The file itself is not changed."));
    const QCommandLineOption portOption = PortOption();
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The data file (*.dat)."));
    const QString syntax = QStringLiteral("write --port PORT FILE");
    if (auto stop = ParseVerbArguments(parser, args, syntax)) return *stop;
    if (!parser.isSet(portOption)) return UsageError(QStringLiteral("No port given."), syntax);
    if (parser.positionalArguments().size() != 1)
        return UsageError(QStringLiteral("Give exactly one data file."), syntax);

    TCore core;
    StartUpCore(core);
    const DataFileResult opened = OpenDataFile(core, parser.positionalArguments().first());
    if (!opened.ok()) {
        PrintError(DescribeDataFileResult(opened, TLanguage().ModError));
        return exitcode::Failure;
    }
    core.All.PortName = parser.value(portOption);
    return ReportLinkResult(
        RunLinkExchange(std::make_unique<TWriteExchange>(core), QStringLiteral("Writing")));
}
