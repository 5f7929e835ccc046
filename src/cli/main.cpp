#include "cliparser.h"
#include "verbs.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct Verb {
    const char* name;
    int (*run)(const QStringList&);
    const char* summary;
};

const Verb kVerbs[] = {
    {"new", RunNew, "write a data file holding a new image"},
    {"info", RunInfo, "show the model, band, channels and settings of a data file"},
    {"read", RunRead, "read the radio on a serial port into a data file"},
    {"write", RunWrite, "write a data file to the radio on a serial port"},
};

void printUsage(FILE* to) {
    std::fprintf(to, "Usage: k904-cli VERB [options]\n\nVerbs:\n");
    for (const Verb& v : kVerbs)
        std::fprintf(to, "  %-6s %s\n", v.name, v.summary);
    std::fprintf(to, "\nRun k904-cli VERB --help for the options of a verb.\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("k904-cli"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        printUsage(stderr);
        return exitcode::Usage;
    }
    const QString verb = args.at(1);
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        printUsage(stdout);
        return exitcode::Ok;
    }
    for (const Verb& v : kVerbs)
        if (verb == QLatin1String(v.name)) return v.run(args);
    PrintError(QStringLiteral("Unknown verb: %1").arg(verb));
    printUsage(stderr);
    return exitcode::Usage;
}
