#include "cliparser.h"

#include "verbs.h"

#include "model/core.h"

#include <QDir>

#include <QRegularExpression>
#include <cstdio>

void PrintError(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

std::optional<int> ParseVerbArguments(QCommandLineParser& parser, const QStringList& args,
                                      const QString& verbSyntax) {
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    // drop the verb so that positional arguments start after it
    QStringList rest = args;
    if (rest.size() > 1) rest.removeAt(1);
    if (!parser.parse(rest)) return UsageError(parser.errorText(), verbSyntax);
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // QCommandLineParser's usage line names the program only; show the verb's syntax
        text.replace(QRegularExpression(QStringLiteral("^Usage: [^\n]*")),
                     QStringLiteral("Usage: k904-cli %1").arg(verbSyntax));
        std::fputs(qPrintable(text), stdout);
        return exitcode::Ok;
    }
    return std::nullopt;
}

int UsageError(const QString& message, const QString& verbSyntax) {
    PrintError(message);
    PrintError(QStringLiteral("Usage: k904-cli %1").arg(verbSyntax));
    return exitcode::Usage;
}

QCommandLineOption PortOption() {
    return QCommandLineOption(QStringLiteral("port"),
                              QStringLiteral("The serial port: COM3, ttyUSB0, or a device path."),
                              QStringLiteral("PORT"));
}

QCommandLineOption OutputOption() {
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("The data file to write."), QStringLiteral("FILE"));
}

std::optional<int> RejectPositionalArguments(const QCommandLineParser& parser,
                                             const QString& verbSyntax) {
    if (parser.positionalArguments().isEmpty()) return std::nullopt;
    return UsageError(
        QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first()),
        verbSyntax);
}

void StartUpCore(TCore& core) {
    core.StartUp(QCoreApplication::applicationDirPath() + QDir::separator());
    core.ApplyFirstModel();
}
