#pragma once

#include "model/core.h"
#include "model/datafile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The virtual radio as a process on its own pseudo-terminal, for as long as the object
// lives. It starts from `image`, and dumps its image to DumpPath() after each exchange.
class TSimRadio {
public:
    TSimRadio(const Image& image, const QStringList& options) {
        TCore core;
        core.StartUp(QString());
        core.ApplyFirstModel();
        core.All.image = image;
        const QString imagePath = dir_.filePath(QStringLiteral("radio.dat"));
        WriteDataFile(core, imagePath, QDateTime::currentDateTime());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(K904_BIN_DIR "/k904-radio-sim"),
                       QStringList{"--image", imagePath, "--dump", DumpPath()} + options);
        if (!process_.waitForStarted(5000)) return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~TSimRadio() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished(1000);
    }

    QString Path() const { return path_; }
    QString DumpPath() const { return dir_.filePath(QStringLiteral("dump.dat")); }
    bool Running() const { return process_.state() == QProcess::Running; }
    // The image of the last dump, bytes as the radio holds them.
    QByteArray Dumped() const {
        QFile f(DumpPath());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll().mid(datafile::HeaderSize, addr::ImageSize);
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString path_;
};
