#include "cliparser.h"
#include "imagejson.h"
#include "verbs.h"

#include "i18n/language.h"
#include "model/datafile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

QString yesNo(const QJsonValue& v) {
    return v.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
}

void printText(const QJsonObject& info) {
    QTextStream out(stdout);
    out << "Model:              " << info[u"model"].toString() << " ("
        << info[u"modelCode"].toString() << ")\n"
        << "Band:               " << info[u"band"].toString() << '\n'
        << "Serial number:      " << info[u"serial"].toString() << '\n'
        << "Write time:         " << info[u"writeTime"].toString() << '\n'
        << "Leave-factory time: " << info[u"leaveFactoryTime"].toString() << "\n\n";

    const QJsonArray channels = info[u"channels"].toArray();
    out << "Channels in use: " << channels.size() << '\n';
    if (!channels.isEmpty()) {
        out << "  No.  RX         TX         RX tone  TX tone  Power  Width   Scan  Busy  Comp  "
               "Scr   PTT ID  Epilogue\n";
        for (const QJsonValue& v : channels) {
            const QJsonObject c = v.toObject();
            const QString tx = c[u"tx"].isNull() ? QStringLiteral("-") : c[u"tx"].toString();
            const auto tone = [](const QJsonValue& t) {
                return t.toString().isEmpty() ? QStringLiteral("None") : t.toString();
            };
            out << QStringLiteral("  %1  %2  %3  %4 %5 %6  %7  %8  %9")
                       .arg(c[u"number"].toInt(), 3)
                       .arg(c[u"rx"].toString(), -9)
                       .arg(tx, -9)
                       .arg(tone(c[u"rxTone"]), -8)
                       .arg(tone(c[u"txTone"]), -8)
                       .arg(c[u"power"].toString(), -5)
                       .arg(c[u"bandwidth"].toString(), -6)
                       .arg(yesNo(c[u"scanAdd"]), -4)
                       .arg(yesNo(c[u"busyLock"]), -4)
                << QStringLiteral("  %1  %2  %3  %4\n")
                       .arg(yesNo(c[u"compander"]), -4)
                       .arg(yesNo(c[u"scrambler"]), -4)
                       .arg(c[u"pttId"].toBool() ? QStringLiteral("On") : QStringLiteral("Off"), -6)
                       .arg(c[u"epilogue"].toBool() ? QStringLiteral("ON") : QStringLiteral("OFF"));
        }
    }
    out << "\nSettings:\n";
    const QJsonObject settings = info[u"settings"].toObject();
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        const QJsonValue v = it.value();
        const QString text = v.isBool()     ? yesNo(v)
                             : v.isString() ? v.toString()
                                            : QString::number(v.toInt());
        out << QStringLiteral("  %1 %2\n").arg(it.key() + u':', -22).arg(text);
    }
}

} // namespace

int RunInfo(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the model, band, channels in use and settings of a data file."));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object."));
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The data file (*.dat)."));
    const QString syntax = QStringLiteral("info FILE [--json]");
    if (auto stop = ParseVerbArguments(parser, args, syntax)) return *stop;
    if (parser.positionalArguments().size() != 1)
        return UsageError(QStringLiteral("Give exactly one data file."), syntax);

    TCore core;
    StartUpCore(core);
    const DataFileResult result = OpenDataFile(core, parser.positionalArguments().first());
    if (!result.ok()) {
        PrintError(DescribeDataFileResult(result, TLanguage().ModError));
        return exitcode::Failure;
    }
    const QJsonObject info = ImageToJson(core);
    if (parser.isSet(jsonOption))
        std::fputs(QJsonDocument(info).toJson(QJsonDocument::Indented).constData(), stdout);
    else
        printText(info);
    return exitcode::Ok;
}
