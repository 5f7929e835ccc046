// Times a read and a write of the whole image against the virtual radio paced at 9600
// baud 8N2 and prints each as a ratio to its floor: the time every byte of every frame
// needs on the wire, both directions, plus the pauses the exchange must make (450 ms and
// 50 ms before the opening frame, 5 ms before the identification request).

#include "link/linkdriver.h"
#include "link/readexchange.h"
#include "link/writeexchange.h"
#include "model/imagedefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr double kPausesMs = linktime::StartPause + linktime::FlushPause + linktime::IdentPause;

double wireMs(int bytes) {
    return bytes * wire::BitsPerByte * 1000.0 / 9600;
}

// Handshake and identification, then per block, then the end frame; both directions.
int readBytes() {
    const int blocks = addr::ImageSize / wire::BlockBytes;
    const int program =
        wire::OpeningFrameLength + 1 + 1 + blocks * (wire::ReadRequestLength + 1) + 1;
    const int radio = 1 + wire::IdentReplyLength + 1 + blocks * (wire::ReadReplyLength + 1);
    return program + radio;
}

int writeBytes() {
    const int blocks = addr::WriteSize / wire::BlockBytes;
    const int program = wire::OpeningFrameLength + 1 + 1 + blocks * wire::WriteFrameLength + 1;
    const int radio = 1 + wire::IdentReplyLength + 1 + blocks;
    return program + radio;
}

// Milliseconds from the start (the Ok button) to the result; negative on failure.
double timeOne(std::unique_ptr<TExchange> exchange) {
    TLinkDriver driver(std::move(exchange));
    QEventLoop loop;
    TLinkResult result;
    QObject::connect(&driver, &TLinkDriver::finished, &loop, [&](const TLinkResult& r) {
        result = r;
        loop.quit();
    });
    if (!driver.Open()) return -1;
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    driver.Start();
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    return result.ok() ? ms : -1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(K904_BIN_DIR "/k904-radio-sim"), {QStringLiteral("--wire")});
    if (!sim.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start the virtual radio\n");
        return 1;
    }
    while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();

    TCore core;
    core.StartUp(QString());
    core.ApplyFirstModel();
    core.All.PortName = port;
    BuildNewImage(core, QDateTime::currentDateTime());

    const double readFloor = wireMs(readBytes()) + kPausesMs;
    const double writeFloor = wireMs(writeBytes()) + kPausesMs;
    std::printf("virtual radio on %s, paced at 9600 baud 8N2\n", qPrintable(port));
    std::printf("read  floor %7.1f ms (%d bytes on the wire + %.0f ms of pauses)\n", readFloor,
                readBytes(), kPausesMs);
    std::printf("write floor %7.1f ms (%d bytes on the wire + %.0f ms of pauses)\n", writeFloor,
                writeBytes(), kPausesMs);

    QList<double> reads, writes;
    for (int i = 0; i < rounds; ++i) {
        const double r = timeOne(std::make_unique<TReadExchange>(core));
        const double w = timeOne(std::make_unique<TWriteExchange>(core));
        if (r < 0 || w < 0) {
            std::fprintf(stderr, "round %d failed\n", i + 1);
            return 1;
        }
        reads << r;
        writes << w;
        std::printf("round %d: read %7.1f ms  ratio %.3f   write %7.1f ms  ratio %.3f\n", i + 1, r,
                    r / readFloor, w, w / writeFloor);
    }
    std::sort(reads.begin(), reads.end());
    std::sort(writes.begin(), writes.end());
    const double r = reads[reads.size() / 2];
    const double w = writes[writes.size() / 2];
    std::printf("median: read ratio %.3f, write ratio %.3f (goal at most 1.10)\n", r / readFloor,
                w / writeFloor);

    sim.terminate();
    sim.waitForFinished(3000);
    return 0;
}
