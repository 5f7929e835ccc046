#include "datafile.h"

#include "imagedefaults.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

namespace {

constexpr int kModelCodeOffset = 1;
constexpr int kBandDigitsOffset = 5;
constexpr int kSavedAtOffset = 8;

quint8 bcdPair(const QString& digits, int at) {
    return quint8(((digits[at].unicode() - '0') << 4) | (digits[at + 1].unicode() - '0'));
}

QString trimmedModelCode(const QByteArray& raw) {
    // spaces and control characters around the code are padding
    qsizetype begin = 0, end = raw.size();
    while (begin < end && quint8(raw[begin]) <= 0x20)
        ++begin;
    while (end > begin && quint8(raw[end - 1]) <= 0x20)
        --end;
    return QString::fromLatin1(raw.mid(begin, end - begin));
}

} // namespace

DataFileHeader BuildDataFileHeader(const QString& modelCode, double bandLower, double bandUpper,
                                   const QDateTime& savedAt) {
    DataFileHeader header{};
    header[0] = 'P';
    const QByteArray code = modelCode.toLatin1().leftJustified(4, ' ', true);
    for (int i = 0; i < 4; ++i)
        header[kModelCodeOffset + i] = quint8(code[i]);

    const auto three = [](double mhz) {
        return QStringLiteral("%1").arg(std::llround(mhz), 3, 10, QLatin1Char('0')).right(3);
    };
    const QString digits = three(bandLower) + three(bandUpper);
    for (int i = 0; i < 3; ++i)
        header[kBandDigitsOffset + i] = bcdPair(digits, 2 * i);

    const QDate date = savedAt.date();
    const QTime time = savedAt.time();
    header[kSavedAtOffset] = quint8(date.year() & 0xFF);
    header[kSavedAtOffset + 1] = quint8((date.year() >> 8) & 0xFF);
    header[10] = quint8(date.month());
    header[11] = quint8(date.day());
    header[12] = quint8(time.hour());
    header[13] = quint8(time.minute());
    header[14] = 0xFF;
    header[15] = 0xFF;
    return header;
}

DataFileResult WriteDataFile(TCore& core, const QString& path, const QDateTime& savedAt) {
    const TALL& all = core.All;
    const DataFileHeader header =
        BuildDataFileHeader(all.ModelCode, all.BandLower, all.BandUpper, savedAt);
    QByteArray bytes;
    bytes.reserve(datafile::FileSize);
    bytes.append(reinterpret_cast<const char*>(header.data()), header.size());
    bytes.append(reinterpret_cast<const char*>(all.image.data()), all.image.size());
    bytes.append(reinterpret_cast<const char*>(all.spare.data()), all.spare.size());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {DataFileResult::SystemError, file.errorString()};
    core.All.Changed = false;
    return {};
}

DataFileResult OpenDataFile(TCore& core, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {DataFileResult::SystemError, file.errorString()};
    const QByteArray bytes = file.read(datafile::FileSize);
    if (file.error() != QFileDevice::NoError)
        return {DataFileResult::SystemError, file.errorString()};
    return LoadDataFile(core, bytes);
}

DataFileResult LoadDataFile(TCore& core, const QByteArray& bytes) {
    if (bytes.size() < datafile::FileSize)
        return {DataFileResult::TooShort, QString::number(bytes.size())};

    const QString code = trimmedModelCode(bytes.mid(kModelCodeOffset, 4));
    if (core.MacList.ChannelCountOf(code) == 0) return {DataFileResult::UnknownModel, code};

    const QString bandDigits =
        QString::fromLatin1(bytes.mid(kBandDigitsOffset, 3).toHex().toUpper());
    for (QChar c : bandDigits)
        if (!c.isDigit()) return {DataFileResult::BadBandDigits, bandDigits};

    // Everything is known to be good from here on: take the file.
    TALL& all = core.All;
    all.BandLower = bandDigits.left(3).toInt();
    all.BandUpper = bandDigits.right(3).toInt();
    std::copy_n(bytes.constData() + datafile::HeaderSize, addr::ImageSize, all.image.begin());
    std::copy_n(bytes.constData() + datafile::HeaderSize + addr::ImageSize, all.spare.size(),
                all.spare.begin());
    std::copy_n(bytes.constData(), all.Password.size(), all.Password.begin());
    core.ApplyModel(code, all.image[addr::BandCode], true);
    NormaliseImage(core);
    all.Changed = false;
    return {};
}

QString DescribeDataFileResult(const DataFileResult& result, const QString& modelWrongText) {
    switch (result.kind) {
    case DataFileResult::Ok:
        return {};
    case DataFileResult::SystemError:
        return result.detail;
    case DataFileResult::TooShort:
        return QStringLiteral("Not a data file: it holds %1 bytes, a data file holds %2.")
            .arg(result.detail)
            .arg(datafile::FileSize);
    case DataFileResult::UnknownModel:
        return modelWrongText;
    case DataFileResult::BadBandDigits:
        return QStringLiteral("Not a data file: its band digits %1 are not a number.")
            .arg(result.detail);
    }
    return {};
}
