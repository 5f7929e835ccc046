#pragma once

#include "model/core.h"
#include "model/imagedefaults.h"

#include <QDateTime>
#include <QtTest>

// A started core holding a new UHF image, with a password and spare block that a read
// must leave alone.
inline void PrepareCore(TCore& core) {
    core.StartUp(QString());
    core.ApplyFirstModel();
    core.All.PortName = QStringLiteral("COM3");
    BuildNewImage(core, QDateTime(QDate(2024, 5, 1), QTime(12, 30, 0)));
    core.All.Password = {'P', 'T', '4', '7', 'C', ' ', ' ', ' '};
    for (int i = 0; i < 16; ++i)
        core.All.spare[size_t(i)] = quint8(0xA0 + i);
    core.All.Changed = false;
}

// The image a virtual radio holds: new-image defaults for its band, bytes nobody
// interprets that differ from a new image, and one channel.
inline Image RadioImage(quint8 bandCode) {
    TCore core;
    core.StartUp(QString());
    core.ApplyModel(QStringLiteral("T47C"), bandCode, true);
    BuildNewImage(core, QDateTime(QDate(2023, 2, 3), QTime(4, 5, 6)));
    Image image = core.All.image;
    for (int i = 0; i < 16; ++i)
        image[size_t(i)] = quint8(i);
    const quint8 channel1[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                 0x70, 0x06, 0x23, 0x80, 0xE7, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(channel1), std::end(channel1), image.begin() + addr::channel(1));
    image[addr::SquelchLevel] = 0x0A; // out of range: the program puts 5 there
    image[addr::BandCode] = bandCode;
    image[addr::LeaveFactoryTime] = 0xE7;
    return image;
}

// What the document holds that a failed or cancelled read must not touch.
struct TDocument {
    Image image;
    SpareBlock spare;
    std::array<quint8, 8> password;
    bool changed;
    QString modelName, modelCode, bandText;
    double lower, upper;

    static TDocument Of(const TCore& core) {
        const TALL& a = core.All;
        return {a.image,     a.spare,    a.Password,  a.Changed,  a.ModelName,
                a.ModelCode, a.BandText, a.BandLower, a.BandUpper};
    }
    bool operator==(const TDocument&) const = default;
};

inline QByteArray Bytes(const Image& image, int from = 0, int count = addr::ImageSize) {
    return QByteArray(reinterpret_cast<const char*>(image.data()) + from, count);
}
