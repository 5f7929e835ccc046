#include "ptyradio.h"
#include "radiofaults.h"
#include "radioresponder.h"

#include "model/datafile.h"
#include "model/imagedefaults.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t gStop = 0;

void onSignal(int) {
    gStop = 1;
}

void printError(const QString& text) {
    std::fprintf(stderr, "k904-radio-sim: %s\n", qPrintable(text));
}

// The radio's image as a data file, so the program can open it.
bool dumpImage(const Image& image, const QString& path) {
    TCore core;
    core.StartUp(QString());
    core.ApplyModel(QString::fromLatin1(TRadioResponder::ModelCode), image[addr::BandCode], true);
    core.All.image = image;
    const DataFileResult result = WriteDataFile(core, path, QDateTime::currentDateTime());
    if (!result.ok()) printError(QStringLiteral("cannot write %1: %2").arg(path, result.detail));
    return result.ok();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("k904-radio-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "A virtual K-904 radio on a pseudo-terminal. Prints the terminal's device path on the\n"
            "first line; point the program's port setting at it. Stops on Ctrl+C.\n\nFaults:\n") +
        RadioFaultHelp());
    parser.addHelpOption();
    const QCommandLineOption imageOption(QStringLiteral("image"),
                                         QStringLiteral("Start from this data file."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption bandOption(
        QStringLiteral("band"),
        QStringLiteral("Without --image: the band of the new image, e.g. \"134 - 174MHz\"."),
        QStringLiteral("TEXT"));
    const QCommandLineOption wireOption(QStringLiteral("wire"),
                                        QStringLiteral("Pace every byte at 9600 baud 8N2."));
    const QCommandLineOption dumpOption(
        QStringLiteral("dump"),
        QStringLiteral("Save the image as a data file after each exchange."),
        QStringLiteral("FILE"));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"), QStringLiteral("Misbehave as FAULT (see above); may repeat."),
        QStringLiteral("FAULT"));
    const QCommandLineOption onceOption(QStringLiteral("once"),
                                        QStringLiteral("Misbehave in the first exchange only."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Tell on standard error what happens."));
    parser.addOptions(
        {imageOption, bandOption, wireOption, dumpOption, faultOption, onceOption, verboseOption});
    parser.process(app);

    TRadioFaults faults;
    for (const QString& f : parser.values(faultOption)) {
        QString error;
        if (!AddRadioFault(faults, f, error)) {
            printError(error);
            return 2;
        }
    }
    faults.once = parser.isSet(onceOption);

    TCore core;
    core.StartUp(QCoreApplication::applicationDirPath() + QDir::separator());
    core.ApplyFirstModel();
    if (parser.isSet(imageOption)) {
        // a radio holds whatever was written to it: take the file's image bytes as they
        // are, without the repairs the program makes when it opens a file
        QFile file(parser.value(imageOption));
        if (!file.open(QIODevice::ReadOnly)) {
            printError(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
            return 1;
        }
        const QByteArray bytes = file.read(datafile::FileSize);
        if (bytes.size() < datafile::HeaderSize + addr::ImageSize) {
            printError(QStringLiteral("%1: not a data file (%2 bytes)")
                           .arg(file.fileName())
                           .arg(bytes.size()));
            return 1;
        }
        std::copy_n(bytes.constData() + datafile::HeaderSize, addr::ImageSize,
                    core.All.image.begin());
    } else {
        if (parser.isSet(bandOption)) {
            const QString band = parser.value(bandOption);
            bool known = false;
            for (int i = 0; i < core.FrqList.Count(); ++i)
                known |= core.FrqList.Text(i) == band;
            if (!known) {
                printError(QStringLiteral("unknown band \"%1\"").arg(band));
                return 2;
            }
            core.ApplyModel(QString::fromLatin1(TRadioResponder::ModelCode),
                            core.FrqList.CodeOf(band), true);
        }
        BuildNewImage(core, QDateTime::currentDateTime());
    }

    TRadioResponder responder(core.All.image, faults);
    const bool verbose = parser.isSet(verboseOption);
    const QString dumpPath = parser.value(dumpOption);
    TPtyRadio::Options options;
    options.wire = parser.isSet(wireOption);
    options.exchangeEnded = [&](const Image& image) {
        if (verbose) printError(QStringLiteral("exchange %1 ended").arg(responder.exchanges()));
        if (!dumpPath.isEmpty()) dumpImage(image, dumpPath);
    };
    if (verbose) options.log = [](const QString& text) { printError(text); };

    TPtyRadio radio(responder, options);
    QString error;
    if (!radio.Open(error)) {
        printError(QStringLiteral("cannot open a pseudo-terminal: %1").arg(error));
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("%s\n", qPrintable(radio.DevicePath()));
    std::fflush(stdout);
    return radio.Run([] { return gStop != 0; }) ? 0 : 1;
}
