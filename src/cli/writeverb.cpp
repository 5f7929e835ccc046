#include "cliparser.h"
#include "linkrun.h"
#include "verbs.h"

#include "i18n/language.h"
#include "link/writeexchange.h"
#include "model/datafile.h"

#include <QDir>

int RunWrite(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the image of a data file to the radio on PORT. The file itself is not changed."));
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("The serial port: COM3, ttyUSB0, or a device path."),
        QStringLiteral("PORT"));
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The data file (*.dat)."));
    const QString syntax = QStringLiteral("write --port PORT FILE");
    if (auto stop = ParseVerbArguments(parser, args, syntax)) return *stop;
    const auto usage = [&](const QString& message) {
        PrintError(message);
        PrintError(QStringLiteral("Usage: k904-cli %1").arg(syntax));
        return exitcode::Usage;
    };
    if (!parser.isSet(portOption)) return usage(QStringLiteral("No port given."));
    if (parser.positionalArguments().size() != 1)
        return usage(QStringLiteral("Give exactly one data file."));

    TCore core;
    core.StartUp(QCoreApplication::applicationDirPath() + QDir::separator());
    core.ApplyFirstModel();
    const DataFileResult opened = OpenDataFile(core, parser.positionalArguments().first());
    if (!opened.ok()) {
        PrintError(DescribeDataFileResult(opened, TLanguage().ModError));
        return exitcode::Failure;
    }
    core.All.PortName = parser.value(portOption);
    return ReportLinkResult(
        RunLinkExchange(std::make_unique<TWriteExchange>(core), QStringLiteral("Writing")));
}
